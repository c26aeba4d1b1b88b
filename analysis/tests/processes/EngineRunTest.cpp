// The processes on the output of a real engine run: the example project, seeded, its
// dynamical-variables file checked against the records read directly.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "TestFiles.h"
#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "processes/RecordProcesses.h"
#include "run/RunSimulation.h"

using namespace halvern;

namespace {

constexpr long double kEv = 1.60219e-19L;

class EngineRunTest : public brisal_test::ScratchDir {
  protected:
    void SetUp() override {
        ScratchDir::SetUp();
        for (const char* ext : {".prj", ".trg", ".mdl", ".run", ".imp", ".inl"})
            std::filesystem::copy_file(std::string(HALVERN_EXAMPLES_DIR) + "/cu100" + ext,
                                       path(std::string("cu100") + ext));
        EngineGlobals globals;
        globals.RandomSeed = 1;
        RecordingHost engine;
        const std::string p = path("cu100");
        RunSimulation(p + ".prj", p + ".trg", p + ".mdl", p + ".run", p + ".imp", p + ".inl",
                      path("inivars.osl"), dynamics, path("inelast.dat"), true, globals, engine);
        const std::string bytes = contents(dynamics);
        for (size_t at = 0; at + kOslRecordSize <= bytes.size(); at += kOslRecordSize) {
            records.push_back(
                DecodeOslRecord(reinterpret_cast<const unsigned char*>(bytes.data()) + at));
            raw.push_back(bytes.substr(at, kOslRecordSize));
        }
    }

    static long double Ev(const TOslRecord& r) {
        const long double px = r.px, py = r.py, pz = r.pz;
        return (px * px + py * py + pz * pz) / (2 * static_cast<long double>(r.ms)) / kEv;
    }

    const std::string dynamics = path("dynvars.osl");
    std::vector<TOslRecord> records;
    std::vector<std::string> raw;
};

TEST_F(EngineRunTest, ProcessesAgreeWithTheRecords) {
    ASSERT_GT(records.size(), 1000u);

    std::string projectiles, energetic;
    int32_t runs = 0;
    for (size_t k = 0; k < records.size(); ++k) {
        if (records[k].rw == 0) projectiles += raw[k];
        if (Ev(records[k]) > 1.0L) energetic += raw[k];
        runs = std::max(runs, records[k].rn);
    }
    ASSERT_TRUE(FilterFile(host, dynamics, path("p.osl"), "[rw = 0]").completed);
    EXPECT_EQ(contents(path("p.osl")), projectiles);
    EXPECT_EQ(projectiles.size(), runs * kOslRecordSize);
    ASSERT_TRUE(FilterFile(host, dynamics, path("e.osl"), "[ke/ep > 1.0] { KE > 1 eV }").completed);
    EXPECT_EQ(contents(path("e.osl")), energetic);

    // The spectrum of the energies, 0..20 eV in 41 channels of 0.5 eV.
    std::vector<int> counts(41, 0);
    for (const TOslRecord& r : records) {
        const long double v = Ev(r);
        if (v > -0.25L && v < 20.25L) ++counts[static_cast<size_t>(std::rint(v / 0.5L))];
    }
    ASSERT_TRUE(MakeSpectrum(host, dynamics, path("s.dat"), "ke/ep", 41, 20, 0));
    EXPECT_EQ(contents(path("s.dat")), brisal_test::SpectrumText(0.5L, counts));

    // Every trajectory writes all its particles: collate per run counts them.
    ASSERT_TRUE(CollateFile(host, dynamics, path("c.dat"), "rw", CollateMethod::PerRun));
    const std::string collated = contents(path("c.dat"));
    const size_t perRun = records.size() / static_cast<size_t>(runs);
    for (int32_t run = 1; run <= runs; ++run)
        EXPECT_NE(collated.find("  " + std::to_string(run) + " " + std::to_string(perRun) +
                                " rw/run\r\n"),
                  std::string::npos);

    ProcessFunctions functions{};
    functions[0] = "rn";
    ASSERT_TRUE(AverageFile(host, dynamics, functions, path("a.txt"), QueryUnits::SI).completed);
    EXPECT_NE(contents(path("a.txt")).find("Hits: " + std::to_string(records.size())),
              std::string::npos);
    ASSERT_TRUE(FormatColumnsFile(host, dynamics, functions, path("f.dat"), QueryUnits::SI));
    const std::string table = contents(path("f.dat"));
    EXPECT_EQ(static_cast<size_t>(std::count(table.begin(), table.end(), '\n')), records.size());
    EXPECT_TRUE(host.messages.entries().empty());
}

}  // namespace
