#include <algorithm>
#include <memory>
#include <vector>

#include "processes/ProcessFiles.h"
#include "processes/ProcessReports.h"
#include "processes/RecordProcesses.h"

namespace halvern {

namespace {

bool IsBlankFunction(const std::string& text) {
    return text.empty() || text == " ";
}

constexpr char kNoDataText[] = "No data was recorded.";

enum class PassEnd { Done, Skipped, Fatal };

using CompiledFunctions = std::vector<std::unique_ptr<QueryRun>>;

// Functions 0..last compiled before the report is touched: nullptr for a blank function or one
// whose error was shown with its parse accepted (it is skipped). False after "Fatal error:
// parser error." when a parse was abandoned.
bool CompileFunctions(MessageSink& sink, const ProcessFunctions& functions, int last,
                      CompiledFunctions& compiled) {
    for (int k = 0; k <= last; ++k) {
        compiled.emplace_back();
        if (IsBlankFunction(functions[k])) continue;
        auto query = std::make_unique<QueryRun>(sink);
        if (query->compile(functions[k])) {
            compiled.back() = std::move(query);
        } else if (query->compileResult().parseResult != 0) {
            sink.error("Fatal error: parser error.");
            return false;
        }
    }
    return true;
}

// One pass over the source for one function; `stats` receives its statistics. The progress goes
// on counting from the passes before, so the status line shows the records of all functions.
PassEnd AveragePass(ProcessHost& host, const std::string& source, QueryRun* query, QueryUnits units,
                    ProcessProgress& progress, StatAccumulators& stats) {
    MessageSink& sink = host.sink();
    OslFileReader in;
    if (!OpenSource(sink, in, source, /*warnPartial=*/false)) return PassEnd::Fatal;
    if (!query) return PassEnd::Skipped;
    const expr::ResultKind statement = query->statement();
    bool failed = false;
    const LoopEnd end = ForEachRecord(sink, in, source, [&](const unsigned char* bytes) {
        progress.afterAdvance();
        expr::Value value;
        if (!query->evaluate(DecodeOslRecord(bytes), units, value)) {
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
    // The source and the functions first: a process that cannot start leaves the report as it
    // was.
    const int last = std::min(lastIndex, static_cast<int>(functions.size()) - 1);
    {
        OslFileReader in;
        if (!OpenSource(sink, in, source)) return outcome;
    }
    CompiledFunctions compiled;
    if (!CompileFunctions(sink, functions, last, compiled)) return outcome;
    if (std::none_of(compiled.begin(), compiled.end(),
                     [](const auto& q) { return q != nullptr; })) {
        sink.error(kNoDataText);
        return outcome;
    }
    // The report grows: its new version starts with what it holds.
    ReplacingFile out;
    if (!out.openForAppend(destination)) {
        sink.error(out.failureText(CannotCreateText(destination)));
        return outcome;
    }
    if (!out.write(AveragesHeading(source))) {
        sink.error(out.failureText(ErrorWritingText(destination)));
        return outcome;
    }
    ProcessProgress progress(host);
    for (int k = 0; k <= last; ++k) {
        StatAccumulators stats;
        const PassEnd pass = AveragePass(host, source, compiled[static_cast<size_t>(k)].get(),
                                         units, progress, stats);
        if (pass == PassEnd::Fatal) {
            // The blocks written so far stay.
            if (!out.commit()) sink.error(out.failureText(ErrorWritingText(destination)));
            return outcome;
        }
        if (pass == PassEnd::Skipped || stats.StatCount == 0) continue;
        ++outcome.blocks;
        if (!out.write(AveragesBlock(k + 1, functions[k], stats.StatSum, stats.StatSumSq,
                                     stats.StatCount))) {
            sink.error(out.failureText("Error writing function " + std::to_string(outcome.blocks) +
                                       " to " + destination));
            outcome.written = {};
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
        sink.error(kNoDataText);
        return outcome;
    }
    outcome.completed = true;
    return outcome;
}

}  // namespace halvern
