// The start of a run: every check and question comes before an output file is created, so that
// a No, a refusal or an error there leaves the last run's outputs as they were.
#include <gtest/gtest.h>

#include "ThreadedRuns.h"

namespace halvern::test {
namespace {

const std::string kMassesQuestion =
    "Masses specified in .TRG & .MDL files differ by > 0.1 amu. Proceed anyway?";
const std::string kInitialisationError = "General initialisation error (or aborted by user).";

void MassesDiffer(TestProject& p) {
    p.target[0] = TargetLine(0, 0, 0, 29, 63.3);
}

bool LogsEnergyLine(const RecordingHost& host) {
    for (const auto& l : host.lines)
        if (l.text.rfind("  Cumulative error in system energy:", 0) == 0) return true;
    return false;
}

// A No to the masses question, or a model or target file that the first impact cannot read,
// emptied all three outputs and closed the log with an energy line; with one thread and eight.
TEST(RunStart, EndBeforeTheFirstTrajectoryLeavesTheOutputsAsTheyWere) {
    const struct {
        void (*change)(TestProject&);
        std::string box;  // before the closing box
    } cases[] = {
        {MassesDiffer, kMassesQuestion},
        {[](TestProject& p) { p.model[5] = "0.3429eV"; }, "Format error in <.mdl>."},
        {[](TestProject& p) { p.target[2] = "1.805 0 -1.805 29 sixty 0 Cu"; },
         "File format or parameter size error in .TRG file at line 3 - aborting."},
    };
    for (const auto& c : cases)
        for (const int threads : {1, 8}) {
            SCOPED_TRACE(c.box + ", threads " + std::to_string(threads));
            TestProject p;
            TSimulationOptions& o = p.globals.Options;
            o.RecordInitial = o.LssModel = o.OenRobinsonModel = o.RecordInelastic = 1;
            p.inelastic = kLssAndOr;
            p.globals.Threads = threads;
            c.change(p);
            for (const char* out : {"inivars.osl", "dynvars.osl", "inelast.dat"})
                p.folder.write(out, std::string(4000, 'r'));
            p.host.messages.scriptAnswers({true, false});
            p.write();
            const auto before = FolderBytes(p.folder.path());
            RunSimulationSteps(p.names(), false, p.rs);

            EXPECT_EQ(p.host.messages.texts(),
                      (std::vector<std::string>{"Proceed with simulation now?", p.expand(c.box),
                                                kInitialisationError}));
            EXPECT_TRUE(FolderBytes(p.folder.path()) == before) << "outputs changed";
            EXPECT_FALSE(LogsEnergyLine(p.host));
        }
}

// The questions of the first impact come before an output is created: the masses question's
// Yes and the cell grid's No both meet the refusal of an output that cannot be created.
TEST(RunStart, QuestionsComeBeforeTheOutputsAreCreated) {
    const struct {
        void (*change)(TestProject&);
        bool answer;
        std::string question;
    } cases[] = {
        {MassesDiffer, true, kMassesQuestion},
        {[](TestProject& p) {
             p.target.push_back(TargetLine(50, 0, 0));
             p.globals.Options.BruteForceSearch = 0;
         },
         false, kBoxTooSmallText},
    };
    for (const auto& c : cases) {
        TestProject p;
        c.change(p);
        p.host.messages.setDefaultAnswer(c.answer);
        p.write();
        TRunFileNames names = p.names();
        names.dynamics = p.folder.file("missing/dynvars.osl");
        RunSimulationSteps(names, true, p.rs);
        EXPECT_EQ(
            p.host.messages.texts(),
            (std::vector<std::string>{
                c.question, "Cannot create dynamical variables output file: " + names.dynamics}));
        EXPECT_TRUE(p.host.stepCounts.empty()) << "no trajectory";
        EXPECT_FALSE(LogsEnergyLine(p.host));
    }
}

}  // namespace
}  // namespace halvern::test
