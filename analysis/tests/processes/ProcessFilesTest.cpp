// What every record process does with its files: the source as destination is refused before
// anything is opened (on Linux the source would be truncated), and a missing source, a
// destination that cannot be created and a write that fails are each reported, never logged as
// done.
#include <gtest/gtest.h>

#include <functional>

#include "TestFiles.h"
#include "processes/ProcessFiles.h"
#include "processes/RecordProcesses.h"

using brisal_test::RecordBytes;
using brisal_test::Rec;

namespace {

class ProcessFiles : public brisal_test::ScratchDir {};

using Process = std::function<bool(ProcessHost&, const std::string& source,
                                   const std::string& destination, const std::string& expression)>;

// Each process with its expression (a value for four of them, a logical one for the filter).
std::vector<std::pair<const char*, Process>> Processes() {
    const auto functions = [](const std::string& expression) {
        ProcessFunctions f{};
        f[0] = expression;
        return f;
    };
    return {{"spectrum", [](ProcessHost& h, const std::string& s, const std::string& d,
                            const std::string& e) { return MakeSpectrum(h, s, d, e, 10, 1, 0); }},
            {"collate",
             [](ProcessHost& h, const std::string& s, const std::string& d, const std::string& e) {
                 return CollateFile(h, s, d, e, CollateMethod::PerAtom);
             }},
            {"averages",
             [=](ProcessHost& h, const std::string& s, const std::string& d, const std::string& e) {
                 return AverageFile(h, s, functions(e), d, QueryUnits::SI).completed;
             }},
            {"format columns",
             [=](ProcessHost& h, const std::string& s, const std::string& d, const std::string& e) {
                 return FormatColumnsFile(h, s, functions(e), d, QueryUnits::SI);
             }},
            {"filter",
             [](ProcessHost& h, const std::string& s, const std::string& d, const std::string& e) {
                 return FilterFile(h, s, d, e == "rx" ? "[rw = 0]" : e).completed;
             }}};
}

TEST_F(ProcessFiles, EveryProcessRefusesItsSourceAsDestinationAndReportsFileFailures) {
    // More records than one write block holds, so a refused write shows before the close.
    const std::string source = writeRecords("a.osl", std::vector<TOslRecord>(20000, Rec(1)));
    const std::string sourceBytes = contents(source);
    for (const auto& [name, process] : Processes()) {
        SCOPED_TRACE(name);
        host.messages.clear();
        EXPECT_FALSE(process(host, source, path("./a.osl"), "rx"));
        EXPECT_EQ(contents(source), sourceBytes);
        EXPECT_FALSE(process(host, path("none.osl"), path("m.dat"), "rx"));
        EXPECT_FALSE(process(host, source, path("no/such/b.dat"), "rx"));
        EXPECT_FALSE(process(host, source, "/dev/full", "rx"));
        EXPECT_EQ(
            host.messages.texts(),
            (std::vector<std::string>{
                DestinationIsSourceText(path("./a.osl")), "Cannot open " + path("none.osl") + ".",
                "Cannot create destination file (" + path("no/such/b.dat") + ").",
                "Error writing /dev/full."}));
    }
}

// A missing source or an expression that does not compile truncated an existing destination.
TEST_F(ProcessFiles, AProcessThatCannotStartLeavesAnExistingDestinationAsItWas) {
    const std::string source = writeRecords("a.osl", {Rec(1), Rec(2)});
    const char* const faults[] = {
        "RX {unclosed",  // the parse abandoned
        "KE + * 2",      // a syntax error recovered at the line end
    };
    for (const auto& [name, process] : Processes()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(WriteFileReplacing(path("old.dat"), "earlier results\r\n"));
        EXPECT_FALSE(process(host, path("none.osl"), path("old.dat"), "rx"));
        for (const char* expression : faults)
            EXPECT_FALSE(process(host, source, path("old.dat"), expression));
        EXPECT_EQ(contents(path("old.dat")), "earlier results\r\n");
        EXPECT_FALSE(process(host, path("none.osl"), path("new.dat"), "rx"));
        EXPECT_FALSE(FileExists(path("new.dat")));
    }
}

// The tail of a record file cut short was dropped without a word.
TEST_F(ProcessFiles, APartialRecordAtTheEndIsNamedInOneWarning) {
    const std::string whole = RecordBytes({Rec(0.5f), Rec(0.25f)});
    ASSERT_TRUE(WriteFileReplacing(path("cut.osl"), whole + whole.substr(0, 17)));
    for (const auto& [name, process] : Processes()) {
        SCOPED_TRACE(name);
        host.messages.clear();
        EXPECT_TRUE(process(host, path("cut.osl"), path("out.dat"), "rx"));
        ASSERT_EQ(host.messages.entries().size(), 1u);
        EXPECT_EQ(host.messages.entries()[0].kind, RecordingSink::Kind::Warning);
        EXPECT_EQ(host.messages.texts()[0], "The last 17 bytes of " + path("cut.osl") +
                                                " are no whole record; they were ignored.");
    }
}

}  // namespace
