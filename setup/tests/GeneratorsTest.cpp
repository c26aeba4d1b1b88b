#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>
#include <filesystem>

#include "FileSafety.h"
#include "GeneratorTestSupport.h"
#include "NumberText.h"
#include "SingleSpeciesGenerators.h"
#include "TwoSpeciesBuilders.h"

namespace velkor {
namespace {

using halvern::RecordingSink;
using test::CommandNamed;
using test::GenerateAndRead;
using test::TempFolder;

std::string Coordinates(const TTargetAtom& atom) {
    return halvern::FormatFixed(atom.x, 0, 5) + " " + halvern::FormatFixed(atom.y, 0, 5) + " " +
           halvern::FormatFixed(atom.z, 0, 5);
}

// Positions quoted for the default records (Cu a = 3.6147, W a = 3.1650, Si a = 5.4305,
// Zr a1 = 3.312 a3 = 5.1477, NaCl a = 5.6402, GaAs a = 5.6534), origin 0.
TEST(Generators, QuotedPositionsAreWrittenToFiveDecimals) {
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
    const std::string folder = TempFolder("quoted");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " line " + std::to_string(c.line));
        const test::TargetFile file = GenerateAndRead(CommandNamed(c.command), c.box, folder);
        EXPECT_TRUE(file.problems.empty()) << file.problems.front();
        ASSERT_EQ(file.atoms.size(), c.lines);
        EXPECT_EQ(Coordinates(file.atoms[c.line - 1]), c.position);
        EXPECT_EQ(file.atoms[c.line - 1].Symbol, c.symbol);
    }
}

TEST(Generators, AtomLineLayoutAndSinglePrecisionMass) {
    const std::string folder = TempFolder("layout");
    halvern::RecordingSink sink;
    ASSERT_TRUE(test::Generate(CommandNamed("Fcc100Click"), {0, 0, 2}, folder + "/cu.trg", sink));
    ASSERT_TRUE(test::Generate(CommandNamed("Bcc100Click"), {0, 0, 1}, folder + "/w.trg", sink));
    std::string cu, w;
    ASSERT_TRUE(halvern::ReadFileBytes(folder + "/cu.trg", cu));
    ASSERT_TRUE(halvern::ReadFileBytes(folder + "/w.trg", w));
    EXPECT_EQ(cu,
              "     0.00000      0.00000      0.00000   29 63.54600   0 Cu\r\n"
              "     1.27799      1.27799     -1.80735   29 63.54600   0 Cu\r\n");
    EXPECT_EQ(w, "     0.00000      0.00000      0.00000   74 183.85001   0 W \r\n");
    EXPECT_TRUE(sink.entries().empty());
}

TEST(Generators, OneLetterSymbolIsRightAlignedAndFlagsAreWritten) {
    const std::string folder = TempFolder("symbol");
    TTargetSpec spec = DefaultFccParams();
    spec.Symbol = "H";
    spec.Flags = 9;
    spec.Layers = "1";
    spec.XWidth = spec.YWidth = "0";
    spec.FileName = folder + "/h.trg";
    halvern::RecordingSink sink;
    ASSERT_TRUE(GenerateFcc100(spec, sink));
    std::string bytes;
    ASSERT_TRUE(halvern::ReadFileBytes(spec.FileName, bytes));
    EXPECT_EQ(bytes, "     0.00000      0.00000      0.00000   29 63.54600   9  H\r\n");
}

}  // namespace
}  // namespace velkor

namespace velkor {
namespace {

using halvern::RecordingSink;

TEST(Generators, LineCountMatchesTheCountFunction) {
    const std::string folder = test::TempFolder("counts");
    for (const LatticeCommand& command : LatticeCommands()) {
        for (int x = 0; x <= 2; ++x)
            for (int y = 0; y <= 2; ++y)
                for (int l = 0; l <= 2; ++l) {
                    const LatticeBox box{x, y, l};
                    SCOPED_TRACE(std::string(command.captions.handler) + " " + std::to_string(x) +
                                 std::to_string(y) + std::to_string(l));
                    const test::TargetFile file = test::GenerateAndRead(command, box, folder);
                    EXPECT_TRUE(file.problems.empty()) << file.problems.front();
                    EXPECT_EQ(static_cast<int64_t>(file.lineCount),
                              TargetLineCount(box, command.atomsPerSite));
                }
    }
}

TEST(Generators, CountLabelTextsConvertQuietly) {
    EXPECT_EQ(TargetLineCount("5", "5", "8", 1), 968);
    EXPECT_EQ(TargetLineCount("5", "5", "8", 2), 1936);
    EXPECT_EQ(TargetLineCount("5", "5", "0", 2), 2);
    EXPECT_EQ(TargetLineCount("0", "0", "3", 1), 3);
    EXPECT_EQ(TargetLineCount("", "5", "8", 1), 88);  // a bad text counts 0
    EXPECT_EQ(TargetLineCount("5", "5", "x", 1), 1);
    EXPECT_EQ(TargetLineCount("-1", "5", "8", 1), 1);  // no site beside the origin
    EXPECT_EQ(TargetLineCount("99", "99", "99", 2), 7840998);
}

TEST(Generators, BadFieldReportsItsTextAndCountsZero) {
    const std::string folder = test::TempFolder("badfield");
    TTargetSpec spec = DefaultFccParams();
    spec.FileName = folder + "/bad.trg";
    spec.Layers = "6x";
    spec.XOrigin = "";
    RecordingSink sink;
    ASSERT_TRUE(GenerateFcc110(spec, sink));
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Numeric conversion error (6x)",
                                                      "Numeric conversion error ()"}));
    const test::TargetFile file = test::ReadTargetFile(spec.FileName);
    EXPECT_EQ(file.lineCount, 1u);  // L = 0: the origin line alone
}

TEST(Generators, FileThatCannotBeCreatedIsReported) {
    const std::string folder = test::TempFolder("nofolder");
    for (const LatticeCommand& command : LatticeCommands()) {
        RecordingSink sink;
        EXPECT_FALSE(test::Generate(command, {1, 1, 1}, folder + "/missing/x.trg", sink));
        EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error writing output file."})
            << command.captions.handler;
    }
}

// A write that fails part-way (the file-size limit) is reported, and the file it was to
// replace stays as it was.
TEST(Generators, FailedWriteKeepsTheOldFile) {
    const std::string folder = test::TempFolder("fsize");
    const std::string path = folder + "/old.trg";
    ASSERT_TRUE(halvern::WriteFileReplacing(path, "old contents\r\n"));

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
    const bool written = test::Generate(test::CommandNamed("Fcc100Click"), {9, 9, 9}, path, sink);

    setrlimit(RLIMIT_FSIZE, &saved);
    sigaction(SIGXFSZ, &previous, nullptr);

    EXPECT_FALSE(written);
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error writing output file."});
    std::string bytes;
    ASSERT_TRUE(halvern::ReadFileBytes(path, bytes));
    EXPECT_EQ(bytes, "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
}

}  // namespace
}  // namespace velkor
