#include "InelasticFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace halvern {
namespace {

std::string WriteTemp(const std::string& name, const std::string& text) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("ostrel_inl_" + name)).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// As the set-up program's inelastic dialog writes it.
const char* kFile =
    "// LSS data\r\n"
    "3   // number of LSS items\r\n"
    "29 1.5 2\r\n"
    "18 0 1\r\n"
    "0 1 1\r\n"
    "1000   // threshold in m/s\r\n"
    "// Oen-Robinson data\r\n"
    "1 // number of O-R items\r\n"
    "522 2.0 0.5\r\n"
    "1.5   // max. apsis in A\r\n"
    "0.3   // gamma\r\n"
    "// Shapiro-Tombrello data\r\n"
    "2   // number of S-T items\r\n"
    "522 1.2 10 3 0.5\r\n"
    "841 0.9 5 0 0.5\r\n";

TSimulationOptions AllModels() {
    TSimulationOptions o;
    o.LssModel = o.OenRobinsonModel = o.ShapiroTombrelloModel = 1;
    return o;
}

TEST(InelasticFile, ReadsTheTablesInSiUnitsKeepingOnlyUsableRows) {
    TInelasticParameters p;
    TSimulationOptions o = AllModels();
    RecordingHost host;
    ASSERT_TRUE(ReadInelasticFile(WriteTemp("full.inl", kFile), p, o, host));
    ASSERT_EQ(p.lss.size(), 1u);  // K = 0 and Z1 = 0 rows are dropped
    EXPECT_EQ(p.lss[0].Z1, 29);
    EXPECT_DOUBLE_EQ(p.lss[0].K, 3.0 * 1.602192e-14);
    EXPECT_EQ(p.lssThreshold, 1000);
    ASSERT_EQ(p.oenRobinson.size(), 1u);
    EXPECT_DOUBLE_EQ(p.oenRobinson[0].K, 1.0 * 1.602192e-39 * 0.15915494309189535);
    EXPECT_EQ(p.gamma, 0.3);
    EXPECT_DOUBLE_EQ(p.OrEventRange, 1.5e-10 * 1.5e-10);  // the apsis shrinks the range
    ASSERT_EQ(p.shapiroTombrello.size(), 1u);             // Nmax = 0 row dropped
    EXPECT_DOUBLE_EQ(p.shapiroTombrello[0].Rcrit, 1.2e-10);
    EXPECT_DOUBLE_EQ(p.shapiroTombrello[0].dE, 10 * 1.602192e-19);
    EXPECT_EQ(p.shapiroTombrello[0].Nmax, 3);
    EXPECT_DOUBLE_EQ(p.StEventRange, 1.7e-10 * 1.7e-10);  // Rcrit + 0.5 A
    EXPECT_TRUE(o.LssModel && o.OenRobinsonModel && o.ShapiroTombrelloModel);
    EXPECT_TRUE(host.lines.empty());

    EXPECT_DOUBLE_EQ(LssLookup(p, 29), p.lss[0].K);
    EXPECT_EQ(LssLookup(p, 18), 0);
    EXPECT_EQ(OrLookup(p, 841), 0);
    EXPECT_EQ(StLookup(p, 522).Nmax, 3);
    EXPECT_EQ(StLookup(p, 841).Rcrit, 0);
}

TEST(InelasticFile, EmptyTablesSwitchTheirModelsOffWithAWarning) {
    const std::string text =
        "// LSS data\r\n1\r\n29 1 0\r\n0\r\n// Oen-Robinson data\r\n0\r\n2\r\n0.3\r\n"
        "// Shapiro-Tombrello data\r\n0\r\n";
    TInelasticParameters p;
    TSimulationOptions o = AllModels();
    RecordingHost host;
    ASSERT_TRUE(ReadInelasticFile(WriteTemp("empty.inl", text), p, o, host));
    EXPECT_FALSE(o.LssModel || o.OenRobinsonModel || o.ShapiroTombrelloModel);
    ASSERT_EQ(host.lines.size(), 3u);
    EXPECT_EQ(host.lines[0].text, "  Warning: LSS option disabled (null parameters in INL file)");
    EXPECT_EQ(host.lines[1].text,
              "  Warning: Oen-Rob. option disabled (null parameters in INL file)");
    EXPECT_EQ(host.lines[2].text,
              "  Warning: ST inelastic option disabled (null parameters in INL file)");
    for (const auto& l : host.lines) EXPECT_EQ(l.colour, colour::Red);
    EXPECT_DOUBLE_EQ(p.StEventRange, 5e-11 * 5e-11);
    EXPECT_EQ(p.OrEventRange, kDefaultEventRange);  // a 2 A apsis does not widen it
}

TEST(InelasticFile, EventRangesStartAfreshAtEveryRead) {
    TInelasticParameters p;
    TSimulationOptions o = AllModels();
    RecordingHost host;
    std::string small = kFile;
    small.replace(small.find("1.5   // max"), 3, "0.5");
    ASSERT_TRUE(ReadInelasticFile(WriteTemp("small.inl", small), p, o, host));
    EXPECT_DOUBLE_EQ(p.OrEventRange, 0.5e-10 * 0.5e-10);
    ASSERT_TRUE(ReadInelasticFile(WriteTemp("full.inl", kFile), p, o, host));
    EXPECT_DOUBLE_EQ(p.OrEventRange, 1.5e-10 * 1.5e-10);
}

TEST(InelasticFile, TablesGrowBeyondTenRows) {
    std::string text = "// LSS data\r\n12\r\n";
    for (int z = 1; z <= 12; ++z) text += std::to_string(z) + " 1 1\r\n";
    text += "0\r\n// Oen-Robinson data\r\n0\r\n2\r\n0.3\r\n// Shapiro-Tombrello data\r\n0\r\n";
    TInelasticParameters p;
    TSimulationOptions o;
    RecordingHost host;
    ASSERT_TRUE(ReadInelasticFile(WriteTemp("twelve.inl", text), p, o, host));
    EXPECT_EQ(p.lss.size(), 12u);
    EXPECT_NE(LssLookup(p, 12), 0);
}

TEST(InelasticFile, MissingEmptyAndMalformedFilesFail) {
    TInelasticParameters p;
    TSimulationOptions o;
    RecordingHost host;
    EXPECT_FALSE(ReadInelasticFile("/nonexistent/x.inl", p, o, host));
    const std::string empty = WriteTemp("zero.inl", "");
    EXPECT_FALSE(ReadInelasticFile(empty, p, o, host));
    ASSERT_EQ(host.messages.texts().size(), 2u);
    EXPECT_EQ(host.messages.texts()[0], "Inelastic file not found: /nonexistent/x.inl");
    EXPECT_EQ(host.messages.texts()[1], "Inelastic file not found: " + empty);

    std::string bad = kFile;
    bad.replace(bad.find("522 1.2"), 3, "abc");
    EXPECT_FALSE(ReadInelasticFile(WriteTemp("bad.inl", bad), p, o, host));
    // A count far beyond the data ends at the end of the file.
    EXPECT_TRUE(
        ReadInelasticFile(WriteTemp("huge.inl", "// LSS data\r\n2000000000\r\n"), p, o, host));
}

TEST(InelasticFile, PromotedElectronsFollowsTheDrawsUpToNmax) {
    UniformRandom r(1);
    EXPECT_EQ(PromotedElectrons(7, 3, 1.0, r), 3);
    EXPECT_EQ(PromotedElectrons(2, 3, 1.0, r), 2);
    EXPECT_EQ(r.seed, 1u);  // prob = 1 draws nothing

    // The independent count: draws below prob until Nmax is reached.
    UniformRandom a(12345), b(12345);
    int32_t expected = 0;
    for (int k = 0; k < 20 && expected < 5; ++k)
        if (b() < 0.3) ++expected;
    EXPECT_EQ(PromotedElectrons(20, 5, 0.3, a), expected);
    EXPECT_EQ(a.seed, b.seed);
    EXPECT_EQ(PromotedElectrons(0, 5, 0.3, a), 0);
}

}  // namespace
}  // namespace halvern
