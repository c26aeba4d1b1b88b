// The record processes on a record file of arbitrary bytes (a tail shorter than a record
// included): spectrum, collate both ways, averages, format columns or the filter, with an
// expression, drawn by the first byte. The filter must read every whole record.
#include <cstdio>
#include <cstdlib>

#include "FuzzFiles.h"
#include "processes/RecordProcesses.h"

namespace {

using namespace halvern;

constexpr const char* kValues[] = {"ke/ep",       "rx*1e10", "rw",        "sqrt(vx*vx+vy*vy+vz*vz)",
                                   "ln(rz*1e10)", "1.0/rx",  "altd+phid", "rn*rw-1"};
constexpr const char* kFilters[] = {"[ke/ep > 20.0] & [vz > 0.0]", "[rw = 0]", "[1.0/rx > 0.0]",
                                    "[ALTD > 45.0] | [RN >= 3]"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    // One process an input: each streams the whole file, so six at once would only slow the
    // search.
    const int process = data[0] % 6;
    const std::string value = kValues[(data[0] / 6) % 8];
    const std::string filter = kFilters[(data[0] / 6) % 4];
    const std::string_view bytes = fuzz::AsText(data + 1, size - 1);
    const std::string source = fuzz::WriteScratchFile("a.osl", bytes);
    const std::string text = fuzz::ScratchPath("out.dat");
    RecordingProcessHost host;
    ProcessFunctions functions{};
    functions[0] = value;
    functions[3] = "ke/ep";

    switch (process) {
        case 0:
            MakeSpectrum(host, source, text, value, 50, 100, -100);
            break;
        case 1:
            CollateFile(host, source, text, value, CollateMethod::PerAtom);
            break;
        case 2:
            CollateFile(host, source, text, value, CollateMethod::PerRun);
            break;
        case 3:
            // A fresh report each time: averages append to it.
            std::remove(text.c_str());
            AverageFile(host, source, functions, text, QueryUnits::NonSI);
            break;
        case 4:
            FormatColumnsFile(host, source, functions, text, QueryUnits::SI);
            break;
        default: {
            const FilterOutcome outcome =
                FilterFile(host, source, fuzz::ScratchPath("out.osl"), filter);
            if (!outcome.completed ||
                outcome.records != static_cast<int64_t>(bytes.size() / kOslRecordSize))
                std::abort();
        }
    }
    return 0;
}
