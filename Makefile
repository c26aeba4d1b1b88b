# Top-level commands. `make test` and `make run` do all set-up on a fresh Debian 12 machine.
BUILD      ?= build
SANBUILD   ?= build-sanitize
CLANGBUILD ?= build-clang
TSANBUILD  ?= build-tsan
FUZZBUILD  ?= build-fuzz
WERROR     ?= OFF
JOBS       ?= $(shell nproc)

CTEST_ARGS ?= --output-on-failure -j $(JOBS) --timeout 900

# `make fuzz` runs every fuzz target (or those named in FUZZ_TARGETS) for FUZZ_SECONDS each,
# FUZZ_JOBS at a time; `make fuzz-ci` is the short run of continuous integration.
FUZZ_SECONDS ?= 300
FUZZ_JOBS    ?= $(JOBS)
FUZZ_TARGETS ?=

GENERATOR = "$$(command -v ninja >/dev/null 2>&1 && echo Ninja || echo 'Unix Makefiles')"
# $(call configure,DIR,SOURCE,FIRST-TIME ARGS): configures DIR once, later only refreshes WERROR.
configure = if [ ! -f $(1)/CMakeCache.txt ]; then \
	  cmake -S $(2) -B $(1) -G $(GENERATOR) -DHALVERN_WERROR=$(WERROR) $(3); \
	else cmake $(1) -DHALVERN_WERROR=$(WERROR) >/dev/null; fi

.PHONY: deps build test test-sanitize test-tsan test-clang run bench clean format-check fuzz fuzz-build fuzz-ci

deps:
	@scripts/install-deps

build: deps
	@$(call configure,$(BUILD),.,)
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest $(CTEST_ARGS)

test-sanitize: deps
	@$(call configure,$(SANBUILD),.,-DCMAKE_BUILD_TYPE=Debug -DHALVERN_SANITIZE=ON -DHALVERN_BENCH=OFF)
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest $(CTEST_ARGS) -LE slow

# The engine core's tests built with the thread sanitizer in a folder of their own; the runs on
# worker threads (and their pending output) must show no data race.
TSAN_TESTS ?= ParallelRun.*:PendingOutput.*
test-tsan: deps
	@$(call configure,$(TSANBUILD),.,-DHALVERN_TSAN=ON -DHALVERN_BENCH=OFF)
	cmake --build $(TSANBUILD) -j $(JOBS) --target ostrel_core_tests
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	  $(TSANBUILD)/bin/ostrel_core_tests --gtest_filter='$(TSAN_TESTS)'

# The same suites built with clang (the kit builds warning-free with both compilers).
test-clang: deps
	@$(call configure,$(CLANGBUILD),.,-DCMAKE_CXX_COMPILER=clang++)
	cmake --build $(CLANGBUILD) -j $(JOBS)
	cd $(CLANGBUILD) && QT_QPA_PLATFORM=offscreen ctest $(CTEST_ARGS)

fuzz-build: deps
	@$(call configure,$(FUZZBUILD),fuzz,-DCMAKE_CXX_COMPILER=clang++)
	cmake --build $(FUZZBUILD) -j $(JOBS)

fuzz: fuzz-build
	fuzz/run-fuzzers $(FUZZBUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS) $(FUZZ_TARGETS)

fuzz-ci:
	$(MAKE) fuzz FUZZ_SECONDS=30

run: build
	cd examples && ../$(BUILD)/bin/ostrel22

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANBUILD) $(TSANBUILD) $(CLANGBUILD) $(FUZZBUILD)
