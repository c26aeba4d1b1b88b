#include "ProcessCommands.h"

#include <algorithm>

#include "FileSafety.h"
#include "NumberText.h"
#include "ShortString.h"
#include "miscutil.h"
#include "convert/ConvertToText.h"
#include "displacements/Displacements.h"
#include "processes/ProcessFiles.h"

namespace brisal {

using halvern::FileNameOf;

namespace {

// The wait cursor and the status line for the time a process runs; both are restored on every
// way out, also when the process throws.
class ProcessScope {
  public:
    explicit ProcessScope(AnalysisHost& host) : host_(host) {
        host_.setWaitCursor(true);
        host_.statusText("Working...please wait.");
    }
    ProcessScope(const ProcessScope&) = delete;
    ProcessScope& operator=(const ProcessScope&) = delete;
    ~ProcessScope() {
        host_.clearStatus();
        host_.setWaitCursor(false);
    }

  private:
    AnalysisHost& host_;
};

// Runs the process inside the scope; its result is the process's.
template <class Process>
auto WithinProcessScope(AnalysisHost& host, Process&& process) {
    ProcessScope scope(host);
    return process();
}

// A name is refused rather than cut: a shorter name would be another file.
bool NameFits(halvern::MessageSink& sink, const std::string& name) {
    if (halvern::FileNameFits(name)) return true;
    sink.error(halvern::FileNameTooLongText(name));
    return false;
}

// The checks before every process: existing sources, a destination that is no pattern.
bool NamesAccepted(AnalysisHost& host, std::initializer_list<std::string> sources,
                   const std::string& destination) {
    halvern::MessageSink& sink = host.sink();
    for (const std::string& source : sources)
        if (!NameFits(sink, source)) return false;
    if (!NameFits(sink, destination)) return false;
    for (const std::string& source : sources) {
        if (!SourceFileFound(source)) {
            sink.error(
                halvern::OpenFailureText("Cannot find source file (" + source + ").", source));
            return false;
        }
    }
    if (destination.find('*') != std::string::npos) {
        sink.error(halvern::CannotCreateText(destination));
        return false;
    }
    return true;
}

bool NamesAccepted(AnalysisHost& host, const std::string& source, const std::string& destination) {
    return NamesAccepted(host, {source}, destination);
}

// Convert reports its own progress: the wait cursor for the whole command, and the status line
// emptied after it.
class ConvertScope {
  public:
    explicit ConvertScope(AnalysisHost& host) : host_(host) { host_.setWaitCursor(true); }
    ConvertScope(const ConvertScope&) = delete;
    ConvertScope& operator=(const ConvertScope&) = delete;
    ~ConvertScope() {
        host_.setWaitCursor(false);
        host_.statusText("");
    }

  private:
    AnalysisHost& host_;
};

std::string Arrow(const std::string& source, const std::string& destination) {
    return FileNameOf(source) + " --> " + FileNameOf(destination);
}

void LogFunctions(AnalysisHost& host, const halvern::ProcessFunctions& functions,
                  const std::string& label, const std::array<bool, 10>& logged) {
    for (size_t k = 0; k < functions.size(); ++k)
        if (logged[k]) host.logLine(label + std::to_string(k + 1) + ": " + functions[k]);
}

std::array<bool, 10> NonBlankFunctions(const halvern::ProcessFunctions& functions) {
    std::array<bool, 10> filled{};
    for (size_t k = 0; k < functions.size(); ++k) filled[k] = !IsBlankFunction(functions[k]);
    return filled;
}

}  // namespace

bool SourceFileFound(const std::string& name) {
    return !halvern::HasWildcards(name) && halvern::FileExists(name);
}

bool IsBlankFunction(const std::string& text) {
    return text.empty() || text == " ";
}

std::string FilterPercentText(int64_t sourceRecords, int64_t destinationRecords) {
    const long double percent = static_cast<long double>(destinationRecords) * 100 /
                                static_cast<long double>(std::max<int64_t>(sourceRecords, 1));
    return halvern::CutTo(halvern::ShortestRealText(percent), 6);
}

// A process that ends early has reported why; it is neither logged nor displayed, since its
// destination does not hold what the log line would claim.
void RunSpectrumCommand(AnalysisHost& host, const SpectrumInputs& in) {
    if (!NamesAccepted(host, in.source, in.destination)) return;
    const bool made = WithinProcessScope(host, [&] {
        return halvern::MakeSpectrum(host, in.source, in.destination, in.expression, in.channels,
                                     in.high, in.low);
    });
    if (!made) return;
    host.logLine("");
    host.logLine("Spectrum: " + in.expression + "; " + Arrow(in.source, in.destination));
    if (in.display)
        host.plotFile({in.destination, in.expression + ": " + FileNameOf(in.destination), 1, 2,
                       in.expression, kSpectrumCountsTitle});
}

void RunCollateCommand(AnalysisHost& host, const CollateInputs& in) {
    if (!NamesAccepted(host, in.source, in.destination)) return;
    const bool made = WithinProcessScope(host, [&] {
        return halvern::CollateFile(host, in.source, in.destination, in.expression, in.method);
    });
    if (!made) return;
    host.logLine("");
    host.logLine("Collate: " + in.expression + "; " + Arrow(in.source, in.destination));
    if (in.display) host.editFile(in.destination);
}

// The report is appended to, so a block written before a failure stays in it: the log names
// the functions whose block the report holds.
void RunAveragesCommand(AnalysisHost& host, const FunctionsInputs& in) {
    if (!NamesAccepted(host, in.source, in.destination)) return;
    const halvern::AveragesOutcome outcome = WithinProcessScope(host, [&] {
        return halvern::AverageFile(host, in.source, in.functions, in.destination, in.units);
    });
    if (std::none_of(outcome.written.begin(), outcome.written.end(), [](bool w) { return w; }))
        return;
    host.logLine("");
    host.logLine("Averages; " + FileNameOf(in.source) + " --> (appended to) " +
                 FileNameOf(in.destination));
    LogFunctions(host, in.functions, "Item #", outcome.written);
    if (in.display) host.editFile(in.destination);
}

void RunFormatColumnsCommand(AnalysisHost& host, const FunctionsInputs& in) {
    if (!NamesAccepted(host, in.source, in.destination)) return;
    const bool made = WithinProcessScope(host, [&] {
        return halvern::FormatColumnsFile(host, in.source, in.functions, in.destination, in.units);
    });
    if (!made) return;
    host.logLine("");
    host.logLine("Format columns: " + Arrow(in.source, in.destination));
    LogFunctions(host, in.functions, "Column #", NonBlankFunctions(in.functions));
    if (in.display) host.editFile(in.destination);
}

void RunFilterCommand(AnalysisHost& host, const FilterInputs& in) {
    halvern::MessageSink& sink = host.sink();
    if (!NamesAccepted(host, in.source, in.destination)) return;
    // Asked before the overwrite question, which would otherwise offer to overwrite the source.
    if (halvern::RefuseDestinationOfSource(sink, {in.source}, in.destination)) return;
    if (halvern::FileExists(in.destination) &&
        !sink.askYesNo(in.destination + " already exists - overwrite?"))
        return;

    halvern::FilterOutcome outcome;
    int64_t sourceRecords = 0, destinationRecords = 0;
    {
        ProcessScope scope(host);
        outcome = halvern::FilterFile(host, in.source, in.destination, in.expression);
        if (!outcome.completed) return;
        if (!halvern::CountOslRecords(in.source, sourceRecords) ||
            !halvern::CountOslRecords(in.destination, destinationRecords)) {
            sink.error("Error accessing disk data file.");
            return;
        }
    }
    host.logLine("");
    host.logLine("Filter; " + in.expression + "; ");
    host.logLine(FileNameOf(in.source) + " (" + std::to_string(sourceRecords) + " recs.) --> " +
                 FileNameOf(in.destination) + " (" + std::to_string(destinationRecords) +
                 " recs. = " + FilterPercentText(sourceRecords, destinationRecords) + "%)");
    if (outcome.semanticErrorRecords > 0)
        host.logLine(std::to_string(outcome.semanticErrorRecords) +
                     " records left out after an error in the expression");
}


void RunConvertCommand(AnalysisHost& host, const ConvertInputs& in) {
    if (!NamesAccepted(host, in.source, in.destination)) return;
    bool made = false;
    {
        ConvertScope scope(host);
        made = halvern::ConvertToText(host, in.source, in.destination);
    }
    if (!made) return;
    host.logLine(halvern::CutTo("Convert: " + Arrow(in.source, in.destination), 60));
    if (in.display) host.editFile(in.destination);
}

void RunDisplacementsCommand(AnalysisHost& host, const DisplaceInputs& in) {
    if (!NamesAccepted(host, {in.reference, in.later}, in.destination)) return;
    const halvern::DisplacementsOutcome outcome = WithinProcessScope(host, [&] {
        return halvern::ComputeDisplacements(host, in.reference, in.later, in.destination);
    });
    if (!outcome.completed) return;
    host.logLine("");
    host.logLine("Displacements: " + FileNameOf(in.later) + " - " + FileNameOf(in.reference) +
                 " --> " + FileNameOf(in.destination) + " (" + std::to_string(outcome.records) +
                 " recs.)");
}

}  // namespace brisal
