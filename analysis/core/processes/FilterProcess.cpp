#include "Filter.h"
#include "processes/ProcessFiles.h"
#include "processes/RecordProcesses.h"

namespace halvern {

FilterOutcome FilterFile(ProcessHost& host, const std::string& source,
                         const std::string& destination, const std::string& expression) {
    MessageSink& sink = host.sink();
    FilterOutcome outcome;
    if (RefuseDestinationOfSource(sink, {source}, destination)) return outcome;
    OslFileReader in;
    if (!OpenSource(sink, in, source)) return outcome;
    expr::FilterRun filter(sink);
    if (!filter.compile(expression)) {
        if (filter.compileResult().parseResult != 0) sink.error(kParsingErrorText);
        return outcome;
    }
    // Created only now: a process that cannot start leaves an existing destination as it was.
    OslFileWriter out;
    if (!CreateDestination(sink, out, destination)) return outcome;

    ProcessProgress progress(host);
    const LoopEnd end = ForEachRecord(sink, in, source, [&](const unsigned char* bytes) {
        progress.beforeAdvance();
        // A record with a semantic error is not selected; the filter goes on with the next.
        if (filter.evaluate(DecodeOslRecord(bytes)).selected) {
            out.write(bytes);
            ++outcome.selected;
        }
        return true;
    });
    outcome.records = progress.records();
    outcome.semanticErrorRecords = filter.semanticErrorRecords();
    const bool closed = CloseDestination(sink, out, destination);
    outcome.completed = end == LoopEnd::Completed && closed;
    if (!closed) outcome.selected = 0;
    return outcome;
}

}  // namespace halvern
