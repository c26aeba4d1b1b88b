#include <memory>
#include <unordered_map>

#include "collection/Collection.h"
#include "processes/ProcessFiles.h"
#include "processes/ProcessReports.h"
#include "processes/RecordProcesses.h"

namespace halvern {

bool CollateFile(ProcessHost& host, const std::string& source, const std::string& destination,
                 const std::string& expression, CollateMethod method) {
    MessageSink& sink = host.sink();
    const char* tag = method == CollateMethod::PerRun ? "/run" : "/atom";
    if (RefuseDestinationOfSource(sink, {source}, destination)) return false;
    OslFileReader in;
    if (!OpenSource(sink, in, source)) return false;
    QueryRun query(sink);
    if (!query.compile(expression)) return false;
    // Created only now: a process that cannot start leaves an existing destination as it was.
    ReplacingFile out;
    if (!CreateDestination(sink, out, destination)) return false;

    // The report keeps the keys in the order they first appear; the index finds a key's item
    // at once instead of by a search from the first item.
    TRptCollection report(1000, 100);
    std::unordered_map<int32_t, TRptItem*> index;
    const expr::ResultKind statement = query.statement();

    ProcessProgress progress(host);
    bool failed = false, tooMany = false;
    const LoopEnd end = ForEachRecord(sink, in, source, [&](const unsigned char* bytes) {
        const TOslRecord record = DecodeOslRecord(bytes);
        expr::Value value;
        if (!query.evaluate(record, value)) {
            failed = true;
            return false;
        }
        StatAccumulators stats;
        AccumulateStatement(statement, value, stats);
        progress.afterAdvance();
        if (report.Count() >= kMaxCollateItems) {
            tooMany = true;
            return false;
        }
        const int32_t key = method == CollateMethod::PerRun ? record.rn : record.rw;
        auto [slot, added] = index.try_emplace(key, nullptr);
        if (added) {
            report.Insert(std::make_unique<TRptItem>(TRptItem{0, 0, key, 0}));
            slot->second = report.At(report.Count() - 1);
        }
        TRptItem& item = *slot->second;
        item.sum += stats.StatSum;
        item.sumSq += stats.StatSumSq;
        item.count += 1;
        return true;
    });
    if (tooMany) sink.error("Too many items to process...aborting procedure.");
    // A process that ended in its loop leaves its destination empty.
    if (end != LoopEnd::Completed || failed || tooMany) {
        CloseDestination(sink, out, destination);
        return false;
    }

    report.ForEach([&](const TRptItem& item) {
        if (item.count > 0) out.write(CollateLine(item, expression, tag));
    });
    return CloseDestination(sink, out, destination);
}

}  // namespace halvern
