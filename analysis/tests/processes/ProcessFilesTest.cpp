// What every record process does with its files: the source as destination is refused before
// anything is opened (on Linux the source would be truncated), and a missing source, a
// destination that cannot be created and a write that fails are each reported, never logged as
// done.
#include <gtest/gtest.h>

#include <functional>

#include "TestFiles.h"
#include "processes/ProcessFiles.h"
#include "processes/RecordProcesses.h"

using brisal_test::Rec;

namespace {

class ProcessFiles : public brisal_test::ScratchDir {};

using Process = std::function<bool(ProcessHost&, const std::string&, const std::string&)>;

TEST_F(ProcessFiles, EveryProcessRefusesItsSourceAsDestinationAndReportsFileFailures) {
    ProcessFunctions functions{};
    functions[0] = "rx";
    const std::pair<const char*, Process> processes[] = {
        {"spectrum", [](ProcessHost& h, const std::string& s,
                        const std::string& d) { return MakeSpectrum(h, s, d, "rx", 10, 1, 0); }},
        {"collate",
         [](ProcessHost& h, const std::string& s, const std::string& d) {
             return CollateFile(h, s, d, "rx", CollateMethod::PerAtom);
         }},
        {"averages",
         [&](ProcessHost& h, const std::string& s, const std::string& d) {
             return AverageFile(h, s, functions, d, QueryUnits::SI).completed;
         }},
        {"format columns",
         [&](ProcessHost& h, const std::string& s, const std::string& d) {
             return FormatColumnsFile(h, s, functions, d, QueryUnits::SI);
         }},
        {"filter", [](ProcessHost& h, const std::string& s, const std::string& d) {
             return FilterFile(h, s, d, "[rw = 0]").completed;
         }}};
    // More records than one write block holds, so a refused write shows before the close.
    const std::string source = writeRecords("a.osl", std::vector<TOslRecord>(20000, Rec(1)));
    const std::string sourceBytes = contents(source);
    for (const auto& [name, process] : processes) {
        SCOPED_TRACE(name);
        host.messages.clear();
        EXPECT_FALSE(process(host, source, path("./a.osl")));
        EXPECT_EQ(contents(source), sourceBytes);
        EXPECT_FALSE(process(host, path("none.osl"), path("m.dat")));
        EXPECT_FALSE(process(host, source, path("no/such/b.dat")));
        EXPECT_FALSE(process(host, source, "/dev/full"));
        EXPECT_EQ(
            host.messages.texts(),
            (std::vector<std::string>{
                DestinationIsSourceText(path("./a.osl")), "Cannot open " + path("none.osl") + ".",
                "Cannot create destination file (" + path("no/such/b.dat") + ").",
                "Error writing /dev/full."}));
    }
}

}  // namespace
