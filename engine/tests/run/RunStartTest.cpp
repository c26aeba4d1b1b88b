// The start of a run: every check and question comes before an output file is created, so that
// a No, a refusal or an error there leaves the last run's outputs as they were.
#include <gtest/gtest.h>

#include <filesystem>

#include "ThreadedRuns.h"

namespace halvern::test {
namespace {

namespace fs = std::filesystem;

const std::string kMassesQuestion =
    "Masses specified in .TRG & .MDL files differ by > 0.1 amu. Proceed anyway?";
const std::string kInitialisationError = "General initialisation error (or aborted by user).";

// All three outputs: records, initial conditions and inelastic events.
void WriteAllOutputs(TestProject& p) {
    TSimulationOptions& o = p.globals.Options;
    o.RecordInitial = 1;
    o.LssModel = o.OenRobinsonModel = o.RecordInelastic = 1;
    p.inelastic = kLssAndOr;
}

bool LogsEnergyLine(const RecordingHost& host) {
    for (const auto& l : host.lines)
        if (l.text.rfind("  Cumulative error in system energy:", 0) == 0) return true;
    return false;
}

// The last run's outputs stay byte for byte when the start ends: a No to the masses question
// (with one thread and with eight), a model or target file that the first impact cannot read.
// None of these runs logs an energy balance.
TEST(RunStart, EndBeforeTheFirstTrajectoryLeavesTheOutputsAsTheyWere) {
    const struct {
        const char* name;
        void (*change)(TestProject&);
        std::vector<std::string> boxes;  // after "Proceed with simulation now?"
    } cases[] = {
        {"masses differ, No",
         [](TestProject& p) { p.target[0] = TargetLine(0, 0, 0, 29, 63.3); },
         {kMassesQuestion, kInitialisationError}},
        {"model line 6 no number",
         [](TestProject& p) { p.model[5] = "0.3429eV"; },
         {"Format error in <.mdl>.", kInitialisationError}},
        {"target line 3 no number",
         [](TestProject& p) { p.target[2] = "1.805 0 -1.805 29 sixty 0 Cu"; },
         {"File format or parameter size error in .TRG file at line 3 - aborting.",
          kInitialisationError}},
    };
    for (const auto& c : cases)
        for (const int threads : {1, 8}) {
            SCOPED_TRACE(std::string(c.name) + ", threads " + std::to_string(threads));
            TestProject p;
            WriteAllOutputs(p);
            c.change(p);
            p.globals.Threads = threads;
            const TRunFileNames names = p.names();
            for (const std::string* out :
                 {&names.initialConditions, &names.dynamics, &names.inelasticEvents})
                p.folder.write(fs::path(*out).filename().string(),
                               "last run's " + *out + std::string(4000, 'r'));
            p.host.messages.scriptAnswers({true, false});
            p.write();
            const auto before = FolderBytes(p.folder.path());
            RunSimulationSteps(names, false, p.rs);

            std::vector<std::string> boxes = {"Proceed with simulation now?"};
            for (const std::string& b : c.boxes) boxes.push_back(p.expand(b));
            EXPECT_EQ(p.host.messages.texts(), boxes);
            EXPECT_TRUE(FolderBytes(p.folder.path()) == before) << "outputs changed";
            EXPECT_FALSE(LogsEnergyLine(p.host));
            EXPECT_EQ(p.host.frames, 0);
        }
}

// Without an earlier output nothing is created either.
TEST(RunStart, RefusedStartCreatesNoOutput) {
    TestProject p;
    WriteAllOutputs(p);
    p.target[0] = TargetLine(0, 0, 0, 29, 63.3);
    p.host.messages.scriptAnswers({false});
    p.simulate(true);
    EXPECT_EQ(p.host.messages.texts(),
              (std::vector<std::string>{kMassesQuestion, kInitialisationError}));
    for (const std::string& out :
         {p.names().initialConditions, p.names().dynamics, p.names().inelasticEvents})
        EXPECT_FALSE(fs::exists(out)) << out;
}

// The questions of the first impact come before an output is created: with an output that
// cannot be created, the question is asked first and its Yes (or the grid's No) then meets the
// refusal of the output; no trajectory runs.
TEST(RunStart, QuestionsComeBeforeTheOutputsAreCreated) {
    const struct {
        const char* name;
        void (*change)(TestProject&);
        std::string question;
    } cases[] = {
        {"masses", [](TestProject& p) { p.target[0] = TargetLine(0, 0, 0, 29, 63.3); },
         kMassesQuestion},
        {"cell grid",
         [](TestProject& p) {
             p.target.push_back(TargetLine(50, 0, 0));
             p.globals.Options.BruteForceSearch = 0;
         },
         kBoxTooSmallText},
    };
    for (const auto& c : cases)
        for (const bool yes : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (yes ? ", Yes" : ", No"));
            if (!yes && c.question == kMassesQuestion) continue;  // covered above
            TestProject p;
            c.change(p);
            p.host.messages.setDefaultAnswer(yes);
            p.write();
            TRunFileNames names = p.names();
            names.dynamics = p.folder.file("missing/dynvars.osl");
            RunSimulationSteps(names, true, p.rs);
            EXPECT_EQ(p.host.messages.texts(),
                      (std::vector<std::string>{
                          c.question,
                          "Cannot create dynamical variables output file: " + names.dynamics}));
            EXPECT_EQ(p.host.frames, 0);
            EXPECT_FALSE(LogsEnergyLine(p.host));
        }
}

}  // namespace
}  // namespace halvern::test
