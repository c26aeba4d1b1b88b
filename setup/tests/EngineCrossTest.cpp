// The engine's own readers on what the set-up program writes: every lattice's target file, and
// the example project run end to end.
#include <gtest/gtest.h>

#include "FileSafety.h"
#include "GeneratorTestSupport.h"
#include "host/EngineGlobals.h"
#include "host/EngineHost.h"
#include "input/TargetFile.h"
#include "run/RunSimulation.h"

namespace velkor {
namespace {

class EngineCross : public test::GeneratorTest {};

TEST_F(EngineCross, EngineAcceptsEveryGeneratedTarget) {
    for (const LatticeCommand& command : LatticeCommands()) {
        SCOPED_TRACE(command.captions.handler);
        const std::string file = path(std::string(command.captions.handler) + ".trg");
        halvern::RecordingSink sink;
        const LatticeBox box{2, 2, 3};
        ASSERT_TRUE(test::Generate(command, box, file, sink));
        halvern::RecordingHost host;
        const int32_t n = halvern::CountTargetLines(file, host.messages);
        EXPECT_EQ(n, TargetLineCount(box, command.atomsPerSite));
        EXPECT_TRUE(halvern::CheckTargetAtoms(file, n, host));
        EXPECT_TRUE(host.messages.entries().empty());
        EXPECT_TRUE(host.lines.empty());
    }
}

TEST_F(EngineCross, ExampleProjectRunsInTheEngine) {
    const std::string examples = HALVERN_EXAMPLES_DIR;
    halvern::EngineGlobals globals;
    globals.RandomSeed = 12345;
    halvern::RecordingHost host;
    auto stem = [&](const char* ext) { return examples + "/cu100." + ext; };
    halvern::RunSimulation(stem("prj"), stem("trg"), stem("mdl"), stem("run"), stem("imp"),
                           stem("inl"), path("inivars.osl"), path("dynvars.osl"),
                           path("inelast.dat"), true, globals, host);
    std::string log;
    for (const std::string& line : host.texts()) log += line + "\n";
    EXPECT_EQ(host.find("  ++++ Error ++++"), -1) << log;
    EXPECT_NE(host.find("  Number of atoms in target: 486"), -1) << log;
    EXPECT_EQ(host.impacts, 9) << log;
    for (const std::string& text : host.messages.texts())
        ADD_FAILURE() << text;  // boxes, not beeps
    EXPECT_TRUE(halvern::FileExists(path("dynvars.osl")));
}

}  // namespace
}  // namespace velkor
