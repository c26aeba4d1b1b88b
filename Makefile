# Top-level commands. `make test` and `make run` do all set-up on a fresh Debian 12 machine.
BUILD      ?= build
SANBUILD   ?= build-sanitize
WERROR     ?= OFF
JOBS       ?= $(shell nproc)

CTEST_ARGS ?= --output-on-failure -j $(JOBS) --timeout 900

.PHONY: deps build test test-sanitize run bench clean format-check

deps:
	@scripts/install-deps

build: deps
	@if [ ! -f $(BUILD)/CMakeCache.txt ]; then \
	  cmake -S . -B $(BUILD) -G "$$(command -v ninja >/dev/null 2>&1 && echo Ninja || echo 'Unix Makefiles')" \
	    -DHALVERN_WERROR=$(WERROR); \
	else cmake $(BUILD) -DHALVERN_WERROR=$(WERROR) >/dev/null; fi
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest $(CTEST_ARGS)

test-sanitize: deps
	@if [ ! -f $(SANBUILD)/CMakeCache.txt ]; then \
	  cmake -S . -B $(SANBUILD) -G "$$(command -v ninja >/dev/null 2>&1 && echo Ninja || echo 'Unix Makefiles')" \
	    -DCMAKE_BUILD_TYPE=Debug -DHALVERN_SANITIZE=ON -DHALVERN_BENCH=OFF -DHALVERN_WERROR=$(WERROR); \
	else cmake $(SANBUILD) -DHALVERN_WERROR=$(WERROR) >/dev/null; fi
	cmake --build $(SANBUILD) -j $(JOBS)
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest $(CTEST_ARGS) -LE slow

run: build
	cd examples && ../$(BUILD)/bin/ostrel22

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

format-check:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(SANBUILD)
