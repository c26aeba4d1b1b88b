#include <cmath>
#include <memory>

#include "collection/Collection.h"
#include "processes/ProcessFiles.h"
#include "processes/ProcessReports.h"
#include "processes/RecordProcesses.h"

namespace halvern {

namespace {

bool SpectrumParametersValid(int32_t channels, long double high, long double low) {
    return low <= high && channels > 1 && channels <= kMaxSpectrumChannels;
}

// Channel values by repeated addition, so that the last one carries the rounding of them all.
void MakeChannels(TSpecCollection& channels, int32_t count, long double low, long double width) {
    long double x = low;
    for (int32_t k = 0; k < count; ++k) {
        channels.Insert(std::make_unique<TSpecItem>(TSpecItem{x, 0}));
        x += width;
    }
}

// The channel of a value inside (low - w/2, high + w/2): rounded to the nearest, ties to even
// (rint in the default rounding mode; nearbyint would save and restore the FPU state each time),
// and kept inside the channels where rounding at the edges would step past them.
int32_t ChannelOf(long double v, long double low, long double width, int32_t channels) {
    long double k = std::rint((v - low) / width);
    if (!(k > 0)) return 0;
    if (k > channels - 1) return channels - 1;
    return static_cast<int32_t>(k);
}

}  // namespace

bool MakeSpectrum(ProcessHost& host, const std::string& source, const std::string& destination,
                  const std::string& expression, int32_t channels, long double high,
                  long double low) {
    MessageSink& sink = host.sink();
    if (!SpectrumParametersValid(channels, high, low)) {
        sink.error("Parameter(s) out of range. ");
        return false;
    }
    if (RefuseDestinationOfSource(sink, {source}, destination)) return false;
    OslFileReader in;
    if (!OpenSource(sink, in, source)) return false;
    QueryRun query(sink);
    if (!query.compile(expression)) return false;
    // Created only now: a process that cannot start leaves an existing destination as it was.
    ReplacingFile out;
    if (!CreateDestination(sink, out, destination)) return false;

    TSpecCollection spectrum(channels, 100);
    const long double width = (high - low) / (channels - 1);
    MakeChannels(spectrum, channels, low, width);
    const long double above = low - width / 2, below = high + width / 2;
    const expr::ResultKind statement = query.statement();

    ProcessProgress progress(host);
    bool failed = false;
    const LoopEnd end = ForEachRecord(sink, in, source, [&](const unsigned char* bytes) {
        progress.beforeAdvance();
        expr::Value value;
        if (!query.evaluate(DecodeOslRecord(bytes), value)) {
            failed = true;
            return false;
        }
        long double v;
        if (!StoredStatementValue(statement, value, v)) return true;  // an empty expression
        if (above < v && v < below) spectrum.At(ChannelOf(v, low, width, channels))->count += 1;
        return true;
    });
    // A process that ended in its loop leaves its destination empty.
    if (end == LoopEnd::ReadError || failed) {
        CloseDestination(sink, out, destination);
        return false;
    }

    spectrum.ForEach([&](const TSpecItem& channel) { out.write(SpectrumLine(channel)); });
    return CloseDestination(sink, out, destination);
}

}  // namespace halvern
