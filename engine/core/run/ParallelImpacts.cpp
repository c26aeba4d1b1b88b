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
#include "run/ImpactSetUp.h"
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

// A trajectory in flight: its own state, its recorder and its compilation of the output filter.
struct TSlot {
    TSlot(const std::string& spillPath, std::size_t memoryLimit)
        : recorder(spillPath, memoryLimit) {}
    TTrajectoryState state;
    TrajectoryRecorder recorder;
    TOutputFilter filter;
    bool setUpFailed = false;
    bool result = true;
    bool done = false;  // set by the workers under their lock
};

struct TParallelLoop {
    TParallelLoop(TRunState& run, int threads)
        : rs(run), limit(static_cast<size_t>(threads * kSlotsPerThread)), workers(threads) {}

    TRunState& rs;
    size_t limit;
    std::vector<std::unique_ptr<TSlot>> slots;
    std::vector<TSlot*> idle;
    std::deque<TSlot*> inflight;  // impact order; the front is the commit point
    bool linesLeft = true;
    bool ending = false;    // no further commit
    bool aborting = false;  // the front is the last trajectory committed
    bool stepping = false;  // Step was used: one trajectory at a time from now on
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
    const std::string spill =
        rs.files.dynamics + "." + IntToText(static_cast<int64_t>(l.slots.size())) + ".tmp";
    auto slot = std::make_unique<TSlot>(spill, rs.globals->PendingMemoryLimit);
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

void WriteChunk(TRunState& rs, PendingStream stream, std::string_view bytes) {
    switch (stream) {
        case PendingStream::Dynamics:
            rs.dynamicsFile.writeRecords(bytes);
            break;
        case PendingStream::Events:
            rs.inelasticEventsFile.write(bytes);
            break;
        case PendingStream::InitialConditions: {
            CheckedOutputFile file;
            if (file.create(rs.files.initialConditions, rs.host)) file.writeRecords(bytes);
            file.close();
            break;
        }
    }
}

// Hands the slot's trajectory to the host, the totals and the files; false when the run ends.
bool Commit(TParallelLoop& l, TSlot& slot) {
    TRunState& rs = l.rs;
    EngineHost& host = *rs.host;
    DirectReport direct(host, rs);
    slot.recorder.replay(
        host, direct, [&rs](PendingStream s, std::string_view bytes) { WriteChunk(rs, s, bytes); },
        l.showParseError);
    if (slot.recorder.pending().failed())
        LogLine(host, "  Error writing output file: " + slot.recorder.pending().spillPath(),
                colour::Red);
    slot.recorder.pending().clear();
    if (slot.filter.run) {
        rs.outputFilter.otherErrorRecords += slot.filter.run->semanticErrorRecords();
        slot.filter.run = std::make_shared<expr::FilterRun>(slot.recorder);
        slot.filter.run->compile(slot.filter.expression);
    }
    if (slot.setUpFailed) {
        host.sink().error(kInitialisationErrorText);
        return false;
    }
    return slot.result;
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
    Submit(l, slot);
}

// The first impact, set up before the outputs were created: its trajectory runs on the window
// thread while the host shows each trajectory, else on a worker.
void StartFirstImpact(TParallelLoop& l) {
    TRunState& rs = l.rs;
    if (!rs.host->showsEachTrajectory()) {
        TSlot& slot = TakeSlot(l);
        PrepareSlot(rs, slot);
        Submit(l, slot);
        return;
    }
    if (!RunFirstTrajectory(rs)) l.ending = true;
    // Its semantic errors were shown as they came; the parse-error dialog is not shown again.
    if (rs.outputFilter.run && rs.outputFilter.run->semanticErrorRecords() > 0)
        l.showParseError = false;
}

bool SerialDue(TParallelLoop& l) {
    return l.stepping || l.rs.host->showsEachTrajectory();
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
    return SetUpSerialImpact(rs, impact) &&
           RunTrajectory(rs.targetExtent, rs.N, rs.run.TimeStep, rs);
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
    return RunTrajectory(rs.targetExtent, rs.N, rs.run.TimeStep, rs);
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
