#include <algorithm>

#include "processes/ProcessFiles.h"
#include "processes/ProcessReports.h"
#include "processes/RecordProcesses.h"

namespace halvern {

namespace {

bool IsBlankFunction(const std::string& text) {
    return text.empty() || text == " ";
}

enum class PassEnd { Done, Skipped, Fatal };

// One pass over the source for one function; `stats` receives its statistics.
PassEnd AveragePass(ProcessHost& host, const std::string& source, const std::string& function,
                    QueryUnits units, StatAccumulators& stats) {
    MessageSink& sink = host.sink();
    OslFileReader in;
    if (!OpenSource(sink, in, source)) return PassEnd::Fatal;
    if (IsBlankFunction(function)) return PassEnd::Skipped;
    QueryRun query(sink);
    if (!query.compile(function)) {
        if (query.compileResult().parseResult == 0) return PassEnd::Skipped;
        sink.error("Fatal error: parser error.");
        return PassEnd::Fatal;
    }
    const expr::ResultKind statement = query.statement();
    ProcessProgress progress(host);
    bool failed = false;
    const LoopEnd end = ForEachRecord(sink, in, source, [&](const unsigned char* bytes) {
        progress.afterAdvance();
        expr::Value value;
        if (!query.evaluate(DecodeOslRecord(bytes), units, value)) {
            failed = true;
            return false;
        }
        AccumulateStatement(statement, value, stats);
        return true;
    });
    if (end == LoopEnd::ReadError) return PassEnd::Fatal;
    return failed ? PassEnd::Skipped : PassEnd::Done;
}

}  // namespace

AveragesOutcome AverageFile(ProcessHost& host, const std::string& source,
                            const ProcessFunctions& functions, const std::string& destination,
                            QueryUnits units, int lastIndex) {
    MessageSink& sink = host.sink();
    AveragesOutcome outcome;
    if (RefuseDestinationOfSource(sink, {source}, destination)) return outcome;
    CheckedFile out;
    const bool opened = FileExists(destination) ? out.append(destination) : out.create(destination);
    if (!opened) {
        sink.error(CannotCreateText(destination));
        return outcome;
    }
    if (!out.write(AveragesHeading(source))) {
        sink.error(ErrorWritingText(destination));
        return outcome;
    }
    const int last = std::min(lastIndex, static_cast<int>(functions.size()) - 1);
    for (int k = 0; k <= last; ++k) {
        StatAccumulators stats;
        const PassEnd pass = AveragePass(host, source, functions[k], units, stats);
        if (pass == PassEnd::Fatal) return outcome;
        if (pass == PassEnd::Skipped || stats.StatCount == 0) continue;
        ++outcome.blocks;
        if (!out.write(AveragesBlock(k + 1, functions[k], stats.StatSum, stats.StatSumSq,
                                     stats.StatCount))) {
            sink.error("Error writing function " + std::to_string(outcome.blocks) + " to " +
                       destination);
            return outcome;
        }
        outcome.written[k] = true;
    }
    out.write(kLineEnd);
    if (!CloseDestination(sink, out, destination)) {
        outcome.written = {};
        return outcome;
    }
    if (outcome.blocks == 0) {
        sink.error("No data was recorded.");
        return outcome;
    }
    outcome.completed = true;
    return outcome;
}

}  // namespace halvern
