// Neighbour listings of a bulk fcc copper cluster built here: a = 3.6147 A, so the first three
// shells hold 12 atoms at a / sqrt 2, 6 at a and 24 at a sqrt(3/2); the Morse pair potential
// of the default copper model (D 0.480 eV, alpha 1.405 1/A, r0 2.628 A) gives each nearest
// neighbour V/2 = 0.24 (e^(2 x 1.405 x 0.072) - 2 e^(1.405 x 0.072)) = -0.2373 eV.
#include "neighbours/NeighbourReport.h"

#include <gtest/gtest.h>

#include <map>

#include "MessageSink.h"
#include "NumberText.h"
#include "ScratchDir.h"

namespace velkor {
namespace {

using halvern::RecordingSink;

constexpr double kA = 3.6147;

class NeighbourReportTest : public halvern::test::ScratchDir {
  protected:
    // Sites (i, j, k) a / 2 with i + j + k even, |i|, |j|, |k| <= 3, as "x y z" lines; the line
    // of the atom at the origin is kept.
    std::string writeCluster(const std::string& name, const std::string& extra = "") {
        std::string text;
        int line = 0;
        for (int i = -3; i <= 3; ++i)
            for (int j = -3; j <= 3; ++j)
                for (int k = -3; k <= 3; ++k) {
                    if ((i + j + k) % 2 != 0) continue;
                    ++line;
                    if (i == 0 && j == 0 && k == 0) centre_ = line;
                    text += halvern::ShortestRealText(i * kA / 2) + " " +
                            halvern::ShortestRealText(j * kA / 2) + " " +
                            halvern::ShortestRealText(k * kA / 2) + " 29 63.546 0 Cu\r\n";
                }
        EXPECT_TRUE(halvern::WriteFileReplacing(path(name), text + extra));
        return path(name);
    }
    std::string writeModel(const std::string& name, const std::string& text =
                                                        "0\r\n1.0\r\n1\r\n0.890869\r\n0\r\n0.480 "
                                                        "D\r\n1.405\r\n2.628\r\n1.5\r\n2.1\r\n") {
        EXPECT_TRUE(halvern::WriteFileReplacing(path(name), text));
        return path(name);
    }
    int32_t centre_ = 0;
};

TEST_F(NeighbourReportTest, TheShellsOfFccCopper) {
    const std::string target = writeCluster("cu.trg");
    TNeighbourList list;
    RecordingSink sink;
    ASSERT_TRUE(ListNeighbours(target, centre_, 4.5f, NeighbourCommand::Distances, list, sink));
    const std::vector<std::string> report = NeighbourDistanceReport(list);
    ASSERT_GE(report.size(), 4u);
    EXPECT_EQ(report[0], "Listing of neighbour distances (r) for atom #" + std::to_string(centre_) +
                             " (0.00000,0.00000,0.00000)");
    EXPECT_EQ(report[1], "in file " + target + " (range <= 4.5 Angstrom).");
    EXPECT_EQ(report[2], "");
    EXPECT_EQ(report[3], "r (A)   atom #");
    EXPECT_EQ(report[4], "0.0000  " + std::to_string(centre_));
    std::map<std::string, int> shells;
    for (size_t i = 5; i < report.size(); ++i) ++shells[report[i].substr(0, 6)];
    EXPECT_EQ(shells, (std::map<std::string, int>{{"2.5560", 12}, {"3.6147", 6}, {"4.4271", 24}}));

    TMorseParams morse;
    ASSERT_TRUE(ReadMorseParameters(writeModel("cu.mdl"), morse, sink));
    const std::vector<std::string> potential = NeighbourPotentialReport(list, morse);
    EXPECT_EQ(potential[0], "Listing of neighbour Morse potentials V(r)/2 for atom #" +
                                std::to_string(centre_) + " (0.00000,0.00000,0.00000)");
    EXPECT_EQ(potential[3], "r (A)   V/2 (eV)  atom #");
    ASSERT_EQ(potential.size(), 4u + 42u + 1u);
    EXPECT_EQ(potential[4].substr(0, 16), "2.5560  -0.2373 ");
    EXPECT_EQ(potential.back(), "Total potential (V/2): -4.3604 eV");
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(NeighbourReportTest, TheRangeIsWrittenAsTheSingleItIsKeptIn) {
    const std::string target = writeCluster("cu.trg");
    for (auto [range, text] :
         {std::pair{8.0f, "8"}, std::pair{0.1f, "0.100000001490116"}, std::pair{0.0f, "0"}}) {
        TNeighbourList list;
        RecordingSink sink;
        ASSERT_TRUE(ListNeighbours(target, 1, range, NeighbourCommand::Distances, list, sink));
        EXPECT_EQ(NeighbourDistanceReport(list)[1],
                  "in file " + target + " (range <= " + text + " Angstrom).");
    }
    // Range 0: the atom itself, and a potential listing of no entry and a zero sum.
    TNeighbourList list;
    RecordingSink sink;
    ASSERT_TRUE(ListNeighbours(target, 1, 0.0f, NeighbourCommand::Potential, list, sink));
    EXPECT_EQ(NeighbourDistanceReport(list).size(), 5u);
    const auto potential = NeighbourPotentialReport(list, {0.48f, 1.405f, 2.628f});
    ASSERT_EQ(potential.size(), 5u);
    EXPECT_EQ(potential.back(), "Total potential (V/2): 0.0000 eV");
}

// Atom k is left out of the sum, not whichever atom sorts first: an atom at the same place is
// listed. Blank lines are no atoms and keep the numbering.
TEST_F(NeighbourReportTest, ACoincidentAtomAndBlankLines) {
    ASSERT_TRUE(
        halvern::WriteFileReplacing(path("pair.xyz"), "1 1 1\r\n\r\n  \r\n1 1 1\r\n1 1 3.628\r\n"));
    for (int32_t k : {1, 4}) {
        TNeighbourList list;
        RecordingSink sink;
        ASSERT_TRUE(
            ListNeighbours(path("pair.xyz"), k, 8, NeighbourCommand::Potential, list, sink));
        EXPECT_EQ(list.atom.size(), 3u);
        const auto lines = NeighbourPotentialReport(list, {0.48f, 1.405f, 2.628f});
        ASSERT_EQ(lines.size(), 7u);
        const int32_t other = k == 1 ? 4 : 1;
        EXPECT_EQ(lines[4],
                  "0.0000  " +
                      halvern::FormatFixed(MorsePotential({0.48f, 1.405f, 2.628f}, 0) / 2, 4, 4) +
                      "   " + std::to_string(other));
        EXPECT_EQ(lines[5], "2.6280  -0.2400   5");
    }
}

TEST_F(NeighbourReportTest, EachFaultHasItsMessageBeforeAnyReport) {
    const std::string target = writeCluster("cu.trg", "1 2\r\n");
    ASSERT_TRUE(halvern::WriteFileReplacing(path("huge.xyz"), "0 0 0\r\n1e39 0 0\r\n"));
    ASSERT_TRUE(halvern::WriteFileReplacing(path("good.xyz"), "0 0 0\r\n\r\n1 0 0\r\n"));
    struct Case {
        std::string name;
        int32_t k;
        NeighbourCommand command;
        std::string message;
    };
    const Case cases[] = {
        {path("none.trg"), 1, NeighbourCommand::Distances, "File not found: " + path("none.trg")},
        {path("*.TRG"), 1, NeighbourCommand::Potential, "File not found: " + path("*.TRG")},
        {target, 1, NeighbourCommand::Distances, "Error reading " + target + "."},
        {target, 1, NeighbourCommand::Potential, "Error reading input file."},
        {path("huge.xyz"), 1, NeighbourCommand::Distances,
         "Error reading " + path("huge.xyz") + "."},
        {path("good.xyz"), 0, NeighbourCommand::Distances,
         "Cannot find specified index in data file."},
        {path("good.xyz"), 4, NeighbourCommand::Distances,
         "Cannot find specified index in data file."},
        {path("good.xyz"), 2, NeighbourCommand::Distances,  // a blank line is no atom
         "Cannot find specified index in data file."},
    };
    for (const Case& c : cases) {
        TNeighbourList list;
        RecordingSink sink;
        EXPECT_FALSE(ListNeighbours(c.name, c.k, 8, c.command, list, sink)) << c.name;
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.message});
    }
    TNeighbourList list;
    RecordingSink sink;
    EXPECT_TRUE(ListNeighbours(path("good.xyz"), 3, 8, NeighbourCommand::Distances, list, sink));
    EXPECT_EQ(list.atom, (std::vector<int32_t>{3, 1}));
}

TEST_F(NeighbourReportTest, AModelFileMustHoldTheMorseLines) {
    const std::pair<std::string, const char*> models[] = {
        {writeModel("short.mdl", "0\r\n1.0\r\n1\r\n0.89\r\n0\r\n0.48\r\n1.405\r\n"),
         "Error reading input file."},
        {writeModel("word.mdl", "0\r\n1.0\r\n1\r\n0.89\r\n0\r\nD\r\n1.405\r\n2.628\r\n"),
         "Error reading input file."},
        {path("*.MDL"), nullptr},
    };
    for (const auto& [name, message] : models) {
        TMorseParams morse{1, 2, 3};
        RecordingSink sink;
        EXPECT_FALSE(ReadMorseParameters(name, morse, sink));
        EXPECT_EQ(sink.texts(),
                  std::vector<std::string>{message ? message : "File not found: " + name});
        EXPECT_EQ(morse.D, 1);
    }
}

}  // namespace
}  // namespace velkor
