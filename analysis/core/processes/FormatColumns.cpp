#include <algorithm>
#include <memory>
#include <vector>

#include "processes/ProcessFiles.h"
#include "processes/ProcessReports.h"
#include "processes/RecordProcesses.h"

namespace halvern {

bool FormatColumnsFile(ProcessHost& host, const std::string& source,
                       const ProcessFunctions& functions, const std::string& destination,
                       QueryUnits units, int lastIndex) {
    MessageSink& sink = host.sink();
    if (RefuseDestinationOfSource(sink, {source}, destination)) return false;
    OslFileReader in;
    if (!OpenSource(sink, in, source)) return false;
    std::vector<std::unique_ptr<QueryRun>> columns;
    const int last = std::min(lastIndex, static_cast<int>(functions.size()) - 1);
    for (int k = 0; k <= last; ++k) {
        const std::string& text = functions[k];
        if (text.empty() || text == " ") continue;
        columns.push_back(std::make_unique<QueryRun>(sink));
        if (!columns.back()->compile(text)) {
            if (columns.back()->compileResult().parseResult != 0) sink.error(kParsingErrorText);
            return false;
        }
    }
    // Created only now: a process that cannot start leaves an existing destination as it was.
    ReplacingFile out;
    if (!CreateDestination(sink, out, destination)) return false;

    ProcessProgress progress(host);
    std::string line;
    bool failed = false;
    const LoopEnd end = ForEachRecord(sink, in, source, [&](const unsigned char* bytes) {
        progress.afterAdvance();
        const expr::RecordVariables vars = QueryVariables(DecodeOslRecord(bytes), units);
        line.clear();
        for (const auto& column : columns) {
            expr::Value value;
            if (!column->evaluate(vars, value)) {
                // The line stays as far as it got, without its line end.
                out.write(line);
                failed = true;
                return false;
            }
            AppendStatementField(column->statement(), value, line);
        }
        line += kLineEnd;
        return out.write(line);
    });
    const bool closed = CloseDestination(sink, out, destination);
    return end == LoopEnd::Completed && !failed && closed;
}

}  // namespace halvern
