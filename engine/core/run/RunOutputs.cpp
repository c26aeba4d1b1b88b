#include "run/RunOutputs.h"

#include <array>

#include "Colours.h"
#include "ReplacingFile.h"
#include "run/RunState.h"

namespace halvern {

namespace {

// An output file that cannot be begun ends the run before anything is written to it.
void ReportCannotCreate(TRunState& rs, const std::string& what, const CheckedOutputFile& file) {
    const std::string text = "Cannot create " + what + " output file: " + file.name();
    const std::string note = file.failureNote();
    rs.host->sink().error(WriteFailureText(text, note));
    Log(rs, "  Aborted: " + text, colour::Red);
    if (!note.empty()) Log(rs, "  " + note, colour::Red);
    Log(rs, "  Hint: file may be in use by another program.", colour::Red);
}

bool CreateOutputFile(TRunState& rs, CheckedOutputFile& file, const std::string& name,
                      const std::string& what) {
    if (!file.create(name)) {
        ReportCannotCreate(rs, what, file);
        DiscardRunOutputs(rs);
        return false;
    }
    file.reportTo(rs.host);
    return true;
}

std::array<CheckedOutputFile*, 3> OutputsOf(TRunState& rs) {
    return {&rs.inelasticEventsFile, &rs.dynamicsFile, &rs.initialConditionsFile};
}

}  // namespace

std::string RunOutputFailedText(const std::string& name) {
    return "Error writing output file: " + name +
           "\rNothing of the run was written: its output files are as they were before it.";
}

bool CreateRunOutputs(TRunState& rs) {
    const TSimulationOptions& o = rs.options;
    const TRunFileNames& f = rs.files;
    rs.initialConditions.clear();
    rs.trajectoryFollowed = false;
    if ((o.OenRobinsonModel || o.ShapiroTombrelloModel) && o.RecordInelastic &&
        !CreateOutputFile(rs, rs.inelasticEventsFile, f.inelasticEvents, "inelastic"))
        return false;
    if (rs.run.SampleMode != 0 &&
        !CreateOutputFile(rs, rs.dynamicsFile, f.dynamics, "dynamical variables"))
        return false;
    // Rewritten by every trajectory: the file takes the last one's records at the end.
    if (o.RecordInitial && rs.run.SampleInterval != 0 &&
        !CreateOutputFile(rs, rs.initialConditionsFile, f.initialConditions, "initial conditions"))
        return false;
    return true;
}

bool RunOutputFailed(const TRunState& rs) {
    return rs.dynamicsFile.failed() || rs.inelasticEventsFile.failed() ||
           rs.initialConditionsFile.failed();
}

void FinishRunOutputs(TRunState& rs) {
    CheckedOutputFile& initial = rs.initialConditionsFile;
    if (initial.isOpen() && !rs.initialConditions.empty()) initial.write(rs.initialConditions);
    // Every byte is written before any file is put in place: one full disk keeps them all.
    for (CheckedOutputFile* file : OutputsOf(rs)) {
        if (file->flush()) continue;
        DiscardRunOutputs(rs);
        rs.host->sink().error(RunOutputFailedText(file->name()));
        Log(rs, "  Nothing of the run was written: its output files are as they were before it.",
            colour::Red);
        return;
    }
    if (!rs.trajectoryFollowed) {
        DiscardRunOutputs(rs);
        return;
    }
    if (rs.initialConditions.empty()) initial.discard();
    for (CheckedOutputFile* file : OutputsOf(rs)) {
        if (!file->isOpen() || file->commit()) continue;
        rs.host->sink().error(
            WriteFailureText("Error writing output file: " + file->name(), file->failureNote()));
    }
}

void DiscardRunOutputs(TRunState& rs) {
    for (CheckedOutputFile* file : OutputsOf(rs)) file->discard();
}

}  // namespace halvern
