#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "FileSafety.h"
#include "GeneratorTestSupport.h"
#include "NumberText.h"
#include "targets/SingleSpeciesGenerators.h"

namespace velkor {
namespace {

using halvern::RecordingSink;
using test::CommandNamed;

class Generators : public test::GeneratorTest {};

std::string Coordinates(const TTargetAtom& atom) {
    return halvern::FormatFixed(atom.x, 0, 5) + " " + halvern::FormatFixed(atom.y, 0, 5) + " " +
           halvern::FormatFixed(atom.z, 0, 5);
}

// Positions quoted for the default records (Cu a = 3.6147, W a = 3.1650, Si a = 5.4305,
// Zr a1 = 3.312 a3 = 5.1477, NaCl a = 5.6402, GaAs a = 5.6534), origin 0.
TEST_F(Generators, QuotedPositionsAreWrittenToFiveDecimals) {
    struct Case {
        const char* command;
        LatticeBox box;
        size_t lines;
        size_t line;  // 1-based
        const char* position;
        const char* symbol;
    };
    const Case cases[] = {
        {"Fcc100Click", {0, 0, 2}, 2, 1, "0.00000 0.00000 0.00000", "Cu"},
        {"Fcc100Click", {0, 0, 2}, 2, 2, "1.27799 1.27799 -1.80735", "Cu"},
        {"Fcc111Click", {0, 0, 4}, 4, 4, "0.00000 0.00000 -6.26084", "Cu"},  // k = 3: no shift
        {"Fcc110Click", {1, 0, 2}, 6, 2, "3.61470 0.00000 0.00000", "Cu"},   // site (1, 0, 0)
        {"Fcc110Click", {1, 0, 2}, 6, 5, "1.80735 1.27799 -1.27799", "Cu"},  // site (0, 0, -1)
        {"Bcc110Click", {0, 0, 1}, 2, 2, "2.23799 1.58250 0.00000", "W "},
        {"Bcc100Click", {4, 4, 0}, 1, 1, "0.00000 0.00000 0.00000", "W "},
        {"Dia100Click", {0, 0, 1}, 2, 2, "0.00000 -1.91997 -1.35763", "Si"},
        {"Dia100Click", {3, 3, 0}, 2, 2, "0.00000 -1.91997 -1.35763", "Si"},
        {"Dia110Click", {0, 0, 2}, 4, 3, "2.71525 1.91997 -1.91997", "Si"},
        {"Dia110Click", {0, 0, 2}, 4, 4, "4.07288 3.83994 -1.91997", "Si"},
        {"Hex111Click", {0, 0, 2}, 2, 2, "1.65600 0.95609 -2.57385", "Zr"},
        {"Hex111Click", {0, 0, 3}, 3, 3, "0.00000 0.00000 -5.14770", "Zr"},
        {"Hex111Click", {5, 5, 0}, 1, 1, "0.00000 0.00000 0.00000", "Zr"},
        {"N100Surface3Click", {0, 0, 2}, 2, 1, "0.00000 0.00000 0.00000", "Na"},
        {"N100Surface3Click", {0, 0, 2}, 2, 2, "0.00000 0.00000 -2.82010", "Cl"},
        {"N100Surface3Click", {1, 1, 1}, 9, 2, "2.82010 2.82010 0.00000", "Na"},  // (1, 1, 0)
        {"N100Surface3Click", {1, 1, 1}, 9, 3, "2.82010 0.00000 0.00000", "Cl"},  // (1, 0, 0)
        {"N110surface4Click", {3, 3, 0}, 2, 1, "0.00000 0.00000 0.00000", "Ga"},
        {"N110surface4Click", {3, 3, 0}, 2, 2, "1.41335 1.99878 0.00000", "As"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " line " + std::to_string(c.line));
        const test::TargetFile file = generateAndRead(c.command, c.box);
        EXPECT_TRUE(file.problems.empty()) << file.problems.front();
        ASSERT_EQ(file.atoms.size(), c.lines);
        EXPECT_EQ(Coordinates(file.atoms[c.line - 1]), c.position);
        EXPECT_EQ(file.atoms[c.line - 1].Symbol, c.symbol);
    }
}

// The stored mass is single precision; a one-letter symbol is right-aligned; flags are written.
TEST_F(Generators, AtomLineLayout) {
    RecordingSink sink;
    ASSERT_TRUE(test::Generate(CommandNamed("Fcc100Click"), {0, 0, 2}, path("cu.trg"), sink));
    ASSERT_TRUE(test::Generate(CommandNamed("Bcc100Click"), {0, 0, 1}, path("w.trg"), sink));
    TTargetSpec params = DefaultFccParams();
    params.Symbol = "H";
    params.Flags = 9;
    params.Layers = "1";
    params.XWidth = params.YWidth = "0";
    params.FileName = path("h.trg");
    ASSERT_TRUE(GenerateFcc100(params, sink));
    EXPECT_EQ(contents(path("cu.trg")),
              "     0.00000      0.00000      0.00000   29 63.54600   0 Cu\r\n"
              "     1.27799      1.27799     -1.80735   29 63.54600   0 Cu\r\n");
    EXPECT_EQ(contents(path("w.trg")),
              "     0.00000      0.00000      0.00000   74 183.85001   0 W \r\n");
    EXPECT_EQ(contents(path("h.trg")),
              "     0.00000      0.00000      0.00000   29 63.54600   9  H\r\n");
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(Generators, LineCountMatchesTheCountFunction) {
    for (const LatticeCommand& command : LatticeCommands())
        for (int x = 0; x <= 2; ++x)
            for (int y = 0; y <= 2; ++y)
                for (int l = 0; l <= 2; ++l) {
                    SCOPED_TRACE(std::string(command.captions.handler) + " " + std::to_string(x) +
                                 std::to_string(y) + std::to_string(l));
                    const test::TargetFile file = generateAndRead(command, {x, y, l});
                    EXPECT_TRUE(file.problems.empty()) << file.problems.front();
                    EXPECT_EQ(static_cast<int64_t>(file.lineCount),
                              TargetLineCount({x, y, l}, command.atomsPerSite));
                }
}

// The dialogs' live counts: a bad text counts 0, no site beside the origin for a negative one.
TEST(TargetLineCount, LabelTextsConvertQuietly) {
    EXPECT_EQ(TargetLineCount("5", "5", "8", 1), 968);
    EXPECT_EQ(TargetLineCount("5", "5", "8", 2), 1936);
    EXPECT_EQ(TargetLineCount("5", "5", "0", 2), 2);
    EXPECT_EQ(TargetLineCount("0", "0", "3", 1), 3);
    EXPECT_EQ(TargetLineCount("", "5", "8", 1), 88);
    EXPECT_EQ(TargetLineCount("5", "5", "x", 1), 1);
    EXPECT_EQ(TargetLineCount("-1", "5", "8", 1), 1);
    EXPECT_EQ(TargetLineCount("99", "99", "99", 2), 7840998);
}

TEST_F(Generators, BadFieldReportsItsTextAndCountsZero) {
    TTargetSpec params = DefaultFccParams();
    params.FileName = path("bad.trg");
    params.Layers = "6x";
    params.XOrigin = "";
    RecordingSink sink;
    ASSERT_TRUE(GenerateFcc110(params, sink));
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Numeric conversion error (6x)",
                                                      "Numeric conversion error ()"}));
    EXPECT_EQ(test::ReadTargetFile(params.FileName).lineCount, 1u);  // L = 0: the origin alone
}

TEST_F(Generators, FileThatCannotBeCreatedIsReported) {
    for (const LatticeCommand& command : LatticeCommands()) {
        RecordingSink sink;
        EXPECT_FALSE(test::Generate(command, {1, 1, 1}, path("missing/x.trg"), sink));
        EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error writing output file."})
            << command.captions.handler;
    }
}

// A write that fails part-way (the file-size limit) is reported, and the file it was to
// replace stays as it was.
TEST_F(Generators, FailedWriteKeepsTheOldFile) {
    const std::string old = path("old.trg");
    ASSERT_TRUE(halvern::WriteFileReplacing(old, "old contents\r\n"));

    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 100000;
    setrlimit(RLIMIT_FSIZE, &small);
    RecordingSink sink;
    const bool written = test::Generate(CommandNamed("Fcc100Click"), {9, 9, 9}, old, sink);
    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &previous, nullptr);

    EXPECT_FALSE(written);
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error writing output file.\r" + old +
                                                     " was left as it was."});
    EXPECT_EQ(contents(old), "old contents\r\n");
    EXPECT_EQ(fileCount(), 1u);  // no temporary file left behind
}

}  // namespace
}  // namespace velkor
