#include "run/ParallelImpacts.h"

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Colours.h"
#include "OslRecord.h"
#include "dynamics/PartnerLists.h"
#include "miscutil.h"
#include "output/SpillFolder.h"
#include "run/ImpactSetUp.h"
#include "run/RunOutputs.h"
#include "run/RunSimulation.h"
#include "run/RunState.h"
#include "run/Trajectory.h"
#include "run/TrajectoryRecorder.h"
#include "run/TrajectoryWorkers.h"

namespace halvern {

namespace {

constexpr const char* kInitialisationErrorText = "General initialisation error (or aborted by user).";
constexpr auto kPumpInterval = std::chrono::milliseconds(20);
constexpr int kSlotsPerThread = 2;

// A trajectory in flight: its own state, its recorder and its compilation of the output filter,
// and what it takes to follow it again from its start.
struct TSlot {
    TSlot(const SpillFolder* spill, std::size_t memoryLimit, std::size_t fallbackLimit)
        : recorder(spill, memoryLimit, fallbackLimit) {}
    TTrajectoryState state;
    TrajectoryRecorder recorder;
    TOutputFilter filter;
    UniformRandom randomAtSetUp;  // the run's generator before the impact's draws
    std::size_t setUpEvents = 0;  // the recorder's events from the impact's set-up
    bool firstImpact = false;     // set up in the run's own trajectory part
    bool setUpFailed = false;
    bool result = true;
    bool done = false;  // set by the workers under their lock
};

struct TParallelLoop {
    TParallelLoop(TRunState& run, int threads)
        : rs(run),
          limit(static_cast<size_t>(threads * kSlotsPerThread)),
          spill(run.globals->SpillLocation),
          workers(threads) {}

    TRunState& rs;
    size_t limit;
    SpillFolder spill;
    std::vector<std::unique_ptr<TSlot>> slots;
    std::vector<TSlot*> idle;
    std::deque<TSlot*> inflight;  // impact order; the front is the commit point
    bool linesLeft = true;
    bool ending = false;    // no further commit
    bool aborting = false;  // the front is the last trajectory committed
    bool stepping = false;  // Step was used: one trajectory at a time from now on
    // The records of a trajectory run ahead could not be kept: one at a time from now on.
    bool oneAtATime = false;
    bool spillFailureLogged = false;
    bool showParseError = true;
    // Declared last: destroyed first, so that no worker outlives the slots.
    TrajectoryWorkers workers;
};

TSlot& TakeSlot(TParallelLoop& l) {
    if (!l.idle.empty()) {
        TSlot* slot = l.idle.back();
        l.idle.pop_back();
        return *slot;
    }
    TRunState& rs = l.rs;
    auto slot =
        std::make_unique<TSlot>(l.spill.ok() ? &l.spill : nullptr, rs.globals->PendingMemoryLimit,
                                rs.globals->PendingFallbackLimit);
    slot->state = static_cast<const TTrajectoryState&>(rs);
    AimGraphFrame(slot->state, rs.options, rs.N);
    if (rs.outputFilter.run) {
        slot->filter.expression = rs.outputFilter.expression;
        slot->filter.run = std::make_shared<expr::FilterRun>(slot->recorder);
        slot->filter.run->compile(slot->filter.expression);
    }
    l.slots.push_back(std::move(slot));
    return *l.slots.back();
}

// The slot reports to its recorder and writes into its pending output.
void PrepareSlot(const TRunState& rs, TSlot& slot) {
    TTrajectoryState& tj = slot.state;
    TrajectoryRecorder& rec = slot.recorder;
    rec.reset();
    slot.setUpFailed = false;
    slot.result = true;
    slot.done = false;
    tj.channel = &rec;
    tj.report = &rec;
    tj.records = TRecordTargets{nullptr,
                                nullptr,
                                slot.filter.run ? &slot.filter : nullptr,
                                &rec.pending(),
                                rs.dynamicsFile.isOpen(),
                                rs.inelasticEventsFile.isOpen()};
    tj.RunCount = rs.RunCount;
}

// The set-up of SetUpImpact and RunSerialImpact for a later impact, reported to the slot.
bool SetUpSlot(TRunState& rs, TSlot& slot, const TImpactLine& impact) {
    PrepareSlot(rs, slot);
    TTrajectoryState& tj = slot.state;
    TrajectoryRecorder& rec = slot.recorder;
    tj.ImpactX = impact.x;
    tj.ImpactY = impact.y;
    tj.ImpactHeight = impact.height;
    rec.newImpact();
    LogLine(rec, "  Run count: " + IntToText(rs.RunCount), colour::Magenta);
    if (!CheckImpactLine(impact, rs.files.impact, rec)) return false;
    ResetTarget(rs, tj, rs.random);
    tj.targetExtent = ComputeTargetExtent(tj.particles, rs.N, rs.run.CutOff);
    return true;
}

// The slot's records into the run's files; the initial conditions replace the kept ones only
// when the whole output was read back. False when it could not be.
bool CopyRecords(TRunState& rs, TSlot& slot) {
    std::string initial;
    bool hasInitial = false;
    const bool whole = slot.recorder.replayOutput([&](PendingStream s, std::string_view bytes) {
        switch (s) {
            case PendingStream::Dynamics:
                rs.dynamicsFile.writeRecords(bytes);
                break;
            case PendingStream::Events:
                rs.inelasticEventsFile.write(bytes);
                break;
            case PendingStream::InitialConditions:
                if (!hasInitial) initial.clear();
                hasInitial = true;
                initial += bytes;
                break;
        }
    });
    if (whole && hasInitial) rs.initialConditions.swap(initial);
    return whole;
}

void LogSpillFailure(TParallelLoop& l, const std::string& text) {
    if (l.spillFailureLogged) return;
    l.spillFailureLogged = true;
    const std::string where = l.spill.ok() ? l.spill.path() : l.rs.globals->SpillLocation;
    LogLine(*l.rs.host, "  " + text + (where.empty() ? "" : " (" + where + ")"), colour::Blue);
}

// The slot's trajectory followed again from its start on the window thread, straight into the
// run's files, its host and its totals, as a run on one thread follows it; the set-up's lines
// that the recorder kept come first. False when the run ends.
bool FollowAgain(TParallelLoop& l, TSlot& slot) {
    TRunState& rs = l.rs;
    EngineHost& host = *rs.host;
    l.oneAtATime = true;
    LogSpillFailure(l,
                    "Records of trajectories run ahead cannot be kept: one trajectory at a "
                    "time from now on");
    DirectReport direct(host, rs);
    slot.recorder.replayEvents(host, direct, l.showParseError, 0, slot.setUpEvents);
    TTrajectoryState& tj = slot.state;
    if (slot.firstImpact) {
        // The run's own part still holds the first impact as it was set up.
        const int32_t run = tj.RunCount;
        tj = static_cast<const TTrajectoryState&>(rs);
        tj.RunCount = run;
        AimGraphFrame(tj, rs.options, rs.N);
    } else {
        UniformRandom random = slot.randomAtSetUp;
        ResetTarget(rs, tj, random);
        tj.targetExtent = ComputeTargetExtent(tj.particles, rs.N, rs.run.CutOff);
        SetInitialVelocities(rs, tj, random, rs.projectile.Energy);
    }
    tj.channel = &host;
    tj.report = &direct;
    tj.records = RunFileTargets(rs);
    const bool result = RunTrajectory(rs, tj, nullptr, rs.run.TimeStep);
    tj.report = nullptr;
    return result;
}

// The run stops at this trajectory (an abort was confirmed) and its records could not all be
// kept: what was kept goes to the files, and the box says the output is incomplete.
void ReportIncompleteOutput(TRunState& rs, const TSlot& slot) {
    const std::string name =
        rs.dynamicsFile.isOpen() ? rs.files.dynamics : rs.files.inelasticEvents;
    rs.host->sink().error(name + " is incomplete: records of run " +
                          IntToText(slot.state.RunCount) +
                          " could not be kept, for want of room in memory or on disk.");
    LogLine(*rs.host, "  Output incomplete: " + name, colour::Red);
}

// Hands the slot's trajectory to the host, the totals and the files; false when the run ends.
// Records that could not be kept (no room for them, a spill file that does not read back) are
// not written: the trajectory is followed again instead, unless the run is being aborted.
bool Commit(TParallelLoop& l, TSlot& slot) {
    TRunState& rs = l.rs;
    EngineHost& host = *rs.host;
    DirectReport direct(host, rs);
    PendingOutput& pending = slot.recorder.pending();
    bool go = slot.result;
    if (slot.setUpFailed) {
        slot.recorder.replayEvents(host, direct, l.showParseError);
        host.sink().error(kInitialisationErrorText);
        go = false;
    } else if (pending.overflowed() && !l.aborting) {
        go = FollowAgain(l, slot);
        rs.trajectoryFollowed = true;
    } else {
        const CheckedOutputFile::Mark dynamics = rs.dynamicsFile.mark();
        const CheckedOutputFile::Mark events = rs.inelasticEventsFile.mark();
        const bool whole = CopyRecords(rs, slot);
        rs.trajectoryFollowed = true;
        if (!whole && !l.aborting && rs.dynamicsFile.rollBack(dynamics) &&
            rs.inelasticEventsFile.rollBack(events)) {
            go = FollowAgain(l, slot);
        } else {
            if (pending.spillFailed())
                LogSpillFailure(l, "Spill files cannot be written: records kept in memory");
            slot.recorder.replayEvents(host, direct, l.showParseError);
            slot.recorder.replayLastFrame(host);
            if (!whole) ReportIncompleteOutput(rs, slot);
            if (slot.filter.run)
                rs.outputFilter.otherErrorRecords += slot.filter.run->semanticErrorRecords();
        }
    }
    pending.clear();
    if (slot.filter.run) {
        slot.filter.run = std::make_shared<expr::FilterRun>(slot.recorder);
        slot.filter.run->compile(slot.filter.expression);
    }
    return go && !RunOutputFailed(rs);
}

// The window's Abort and Step during a parallel run reach the trajectory at the commit point:
// the abort question is asked here, and a confirmed abort ends the run after that trajectory.
void ForwardWindowFlags(TParallelLoop& l) {
    if (l.inflight.empty() || l.aborting) return;
    TSlot& head = *l.inflight.front();
    EngineHost& host = *l.rs.host;
    EngineFlags& flags = host.flags();
    if (flags.AbortRequested) {
        flags.AbortRequested = 0;
        if (host.sink().askYesNo(kAbortQuestionText)) {
            head.recorder.confirmAbort();
            for (TSlot* later : l.inflight)
                if (later != &head) later->recorder.cancel();
            l.aborting = true;
            flags.StopTrajectory = 1;  // as a serial run leaves it: the batch asks about the rest
            return;
        }
        flags.StopTrajectory = 0;
    }
    if (flags.StopTrajectory) {
        flags.StopTrajectory = 0;
        head.recorder.requestStop();
        l.stepping = true;
    }
}

// Waits for the trajectory at the commit point, pumping the window's events, and commits it.
bool CommitFront(TParallelLoop& l) {
    TSlot& head = *l.inflight.front();
    EngineHost& host = *l.rs.host;
    while (!l.workers.waitUntilDone(head.done, kPumpInterval)) {
        host.pumpEvents();
        ForwardWindowFlags(l);
    }
    const bool go = Commit(l, head);
    l.inflight.pop_front();
    l.idle.push_back(&head);
    if (!go || l.aborting) {
        l.ending = true;
        return false;
    }
    host.pumpEvents();
    ForwardWindowFlags(l);
    return !l.ending;
}

bool Drain(TParallelLoop& l) {
    while (!l.inflight.empty())
        if (!CommitFront(l)) return false;
    return true;
}

// The box method's grid question of SetUpImpact, asked with nothing in flight: a Yes changes the
// options the trajectories read.
bool AskBoxQuestion(TParallelLoop& l, const TSlot& slot) {
    TRunState& rs = l.rs;
    if (rs.options.BruteForceSearch != 0 || !ExtentLeavesCellGrid(slot.state.targetExtent))
        return true;
    if (!Drain(l)) return false;
    if (rs.host->sink().askYesNo(kBoxTooSmallText, BoxIcon::Warning))
        WriteBackOption(rs, &TSimulationOptions::BruteForceSearch, 1);
    return true;
}

void Submit(TParallelLoop& l, TSlot& slot) {
    l.inflight.push_back(&slot);
    const TRunShared& run = l.rs;
    const double dt = l.rs.run.TimeStep;
    l.workers.submit(
        [&run, &slot, dt] {
            if (!slot.recorder.cancelled()) slot.result = RunTrajectory(run, slot.state, nullptr, dt);
        },
        slot.done);
}

void StartSlot(TParallelLoop& l, const TImpactLine& impact) {
    TRunState& rs = l.rs;
    TSlot& slot = TakeSlot(l);
    slot.randomAtSetUp = rs.random;
    slot.firstImpact = false;
    if (!SetUpSlot(rs, slot, impact)) {
        slot.setUpFailed = true;
        slot.done = true;
        l.linesLeft = false;
        l.inflight.push_back(&slot);
        return;
    }
    if (!AskBoxQuestion(l, slot)) {
        l.idle.push_back(&slot);
        return;
    }
    SetInitialVelocities(rs, slot.state, rs.random, rs.projectile.Energy);
    slot.setUpEvents = slot.recorder.eventCount();
    Submit(l, slot);
}

// The first impact, set up before the outputs were created: its trajectory runs on the window
// thread while the host shows each trajectory, else on a worker.
void StartFirstImpact(TParallelLoop& l) {
    TRunState& rs = l.rs;
    if (!rs.host->showsEachTrajectory()) {
        TSlot& slot = TakeSlot(l);
        PrepareSlot(rs, slot);
        slot.firstImpact = true;
        slot.setUpEvents = 0;
        Submit(l, slot);
        return;
    }
    if (!RunFirstTrajectory(rs)) l.ending = true;
    // Its semantic errors were shown as they came; the parse-error dialog is not shown again.
    if (rs.outputFilter.run && rs.outputFilter.run->semanticErrorRecords() > 0)
        l.showParseError = false;
}

bool SerialDue(TParallelLoop& l) {
    return l.stepping || l.oneAtATime || l.rs.host->showsEachTrajectory();
}

void RunInParallel(TRunState& rs, int threads) {
    TParallelLoop l(rs, threads);
    if (rs.RunCount == 1) StartFirstImpact(l);
    TImpactLine impact;
    while (!l.ending) {
        while (!l.ending && !l.aborting && l.linesLeft && l.inflight.size() < l.limit) {
            if (!NextImpactLine(rs.impactFile, impact)) {
                l.linesLeft = false;
                break;
            }
            ++rs.RunCount;
            if (!SerialDue(l))
                StartSlot(l, impact);
            else if (Drain(l) && !RunSerialImpact(rs, impact))
                l.ending = true;
        }
        if (l.ending || l.inflight.empty()) break;
        CommitFront(l);
    }
    for (TSlot* slot : l.inflight) slot->recorder.cancel();
}

}  // namespace

bool SetUpSerialImpact(TRunState& rs, const TImpactLine& impact) {
    EngineHost& host = *rs.host;
    host.newImpact();
    Log(rs, "  Run count: " + IntToText(rs.RunCount), colour::Magenta);
    rs.ImpactX = impact.x;
    rs.ImpactY = impact.y;
    rs.ImpactHeight = impact.height;
    if (!CheckImpactLine(impact, rs.files.impact, host) ||
        !SetUpImpact(rs.projectile.Z, rs.N, rs.files.target, rs.targetExtent, rs.files.model,
                     rs.projectile.Mass, rs) ||
        !SetInitialVelocities(rs.N, rs.projectile.Energy, rs)) {
        host.sink().error(kInitialisationErrorText);
        return false;
    }
    return true;
}

bool RunSerialImpact(TRunState& rs, const TImpactLine& impact) {
    return SetUpSerialImpact(rs, impact) && RunFirstTrajectory(rs);
}

bool SetUpFirstImpact(TRunState& rs) {
    TImpactLine impact;
    if (!NextImpactLine(rs.impactFile, impact)) return true;
    rs.RunCount = 1;
    if (!SetUpSerialImpact(rs, impact)) return false;
    WarnOfHighTerminationEnergy(rs, rs);
    return true;
}

bool RunFirstTrajectory(TRunState& rs) {
    rs.trajectoryFollowed = true;
    // A failed write to an output ends the run: nothing of it will be put in place.
    return RunTrajectory(rs.targetExtent, rs.N, rs.run.TimeStep, rs) && !RunOutputFailed(rs);
}

void RunImpacts(TRunState& rs) {
    const std::optional<int>& configured = rs.globals->Threads;
    const int threads = RunThreadCount(configured ? &*configured : nullptr);
    if (threads > 1 && !rs.options.ShapiroTombrelloModel) {
        RunInParallel(rs, threads);
        return;
    }
    if (rs.RunCount == 1 && !RunFirstTrajectory(rs)) return;
    TImpactLine impact;
    // Blank lines after the last impact line are no impact (the reals would read as zeros and
    // put the projectile on atom 1).
    while (NextImpactLine(rs.impactFile, impact)) {
        ++rs.RunCount;
        if (!RunSerialImpact(rs, impact)) break;
    }
}

}  // namespace halvern
