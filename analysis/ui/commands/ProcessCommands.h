// The course of the main window's process commands after their dialog: the name checks, the
// process with the wait cursor and status line, the log lines and the follow-up display.
#pragma once

#include <cstdint>
#include <string>

#include "AnalysisHost.h"
#include "processes/RecordProcesses.h"

namespace brisal {

struct SpectrumInputs {
    std::string source, destination, expression;
    int32_t channels = 20;
    long double high = 100, low = 0;
    bool display = true;
};

struct CollateInputs {
    std::string source, destination, expression;
    halvern::CollateMethod method = halvern::CollateMethod::PerAtom;
    bool display = true;
};

// Averages and format columns.
struct FunctionsInputs {
    std::string source, destination;
    halvern::ProcessFunctions functions;
    halvern::QueryUnits units = halvern::QueryUnits::SI;
    bool display = true;
};

struct FilterInputs {
    std::string source, destination, expression;
};

struct ConvertInputs {
    std::string source, destination;
    bool display = false;
};

// File 1 is the reference (normally the run's initial conditions), file 2 the later records.
struct DisplaceInputs {
    std::string reference, later, destination;
};

// The y title of a spectrum shown in the grapher; its x title is the expression.
inline constexpr char kSpectrumCountsTitle[] = "counts";

void RunSpectrumCommand(AnalysisHost& host, const SpectrumInputs& in);
void RunCollateCommand(AnalysisHost& host, const CollateInputs& in);
void RunAveragesCommand(AnalysisHost& host, const FunctionsInputs& in);
void RunFormatColumnsCommand(AnalysisHost& host, const FunctionsInputs& in);
void RunFilterCommand(AnalysisHost& host, const FilterInputs& in);
// Reports its own progress; the log line is cut to 60 characters.
void RunConvertCommand(AnalysisHost& host, const ConvertInputs& in);
// Both sources are checked, and the destination against them, before anything is made; the
// records compared show in the status line, and the log gives the files and their count.
void RunDisplacementsCommand(AnalysisHost& host, const DisplaceInputs& in);

// A name that names an existing file; a pattern names none.
bool SourceFileFound(const std::string& name);

// "33.333": the selected share in percent, in the shortest real text cut to six characters.
std::string FilterPercentText(int64_t sourceRecords, int64_t destinationRecords);

// An expression line that counts: neither empty nor a single blank.
bool IsBlankFunction(const std::string& text);

}  // namespace brisal
