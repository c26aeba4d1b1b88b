// The default engine output filter on 10 million records in memory, as the analysis filter
// process evaluates it: the compiled expression on each record, its floats widened.
// For comparison, a parse per record on a sample.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

#include "BenchRecords.h"
#include "Filter.h"
#include "MessageSink.h"

using namespace halvern;
using namespace halvern::expr;

namespace {

constexpr char kExpression[] =
    "[ke/ep > 20.0] & [vz> 0.0] & [rz > 0.5e-10] {particles emitted with KE > 20 eV}";
constexpr size_t kRecords = 10'000'000;
constexpr size_t kParsedSample = 200'000;

std::vector<TOslRecord> MakeRecords(size_t n) {
    halvern::bench::BenchRecordSource source;
    std::vector<TOslRecord> records(n);
    for (size_t i = 0; i < n; ++i) records[i] = source.next(static_cast<int64_t>(i));
    return records;
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double CpuSeconds(std::clock_t start) {
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

}  // namespace

int main() {
    const std::vector<TOslRecord> records = MakeRecords(kRecords);
    RecordingSink sink;
    FilterRun run(sink);
    if (!run.compile(kExpression)) {
        std::fprintf(stderr, "bench_filter: the expression does not compile\n");
        return 1;
    }

    double best = 1e30, bestCpu = 1e30;
    size_t selected = 0;
    for (int repeat = 0; repeat < 3; ++repeat) {
        selected = 0;
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        for (const TOslRecord& r : records) selected += run.evaluate(r).selected;
        bestCpu = std::min(bestCpu, CpuSeconds(cpuStart));
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
    }

    ParseContext ctx(sink);
    size_t parsedSelected = 0;
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < kParsedSample; ++i)
        parsedSelected +=
            ParseFilterForRecord(ctx, kExpression, VariablesFromRecord(records[i])).selected;
    const double parsed = Seconds(std::chrono::steady_clock::now() - start);

    std::printf(
        "bench_filter: %zu records, %zu selected, best of 3: %.3f s, %.1f million "
        "records/s (compiled; CPU time %.3f s, %.1f million records/s)\n",
        kRecords, selected, best, kRecords / best / 1e6, bestCpu, kRecords / bestCpu / 1e6);
    std::printf(
        "bench_filter: %zu records, %zu selected, %.3f s, %.2f million records/s "
        "(parse per record)\n",
        kParsedSample, parsedSelected, parsed, kParsedSample / parsed / 1e6);
    return sink.entries().empty() ? 0 : 1;
}
