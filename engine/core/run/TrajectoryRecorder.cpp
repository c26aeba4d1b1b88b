#include "run/TrajectoryRecorder.h"

#include <algorithm>

namespace halvern {

TrajectoryRecorder::TrajectoryRecorder(const SpillFolder* spill, std::size_t memoryLimit,
                                       std::size_t fallbackLimit)
    : pending_(spill, memoryLimit, fallbackLimit) {}

void TrajectoryRecorder::reset() {
    events_.clear();
    pending_.clear();
    lastFrame_.reset();
    flags_ = EngineFlags{};
    abort_.store(false);
    stop_.store(false);
    cancelled_.store(false);
    abortTaken_ = false;
}

TrajectoryRecorder::Event& TrajectoryRecorder::add(Kind kind) {
    events_.push_back(Event{kind, {}, {}, 0, 0, {}});
    return events_.back();
}

void TrajectoryRecorder::logLine(const std::string& line, ColourRef colour) {
    Event& e = add(Kind::Line);
    e.text = line;
    e.colour = colour;
}

void TrajectoryRecorder::stepCount(int32_t steps) {
    if (!events_.empty() && events_.back().kind == Kind::StepCount) {
        events_.back().count = steps;
        return;
    }
    add(Kind::StepCount).count = steps;
}

void TrajectoryRecorder::newImpact() {
    add(Kind::NewImpact);
}

void TrajectoryRecorder::pumpEvents() {
    if (abort_.load() && !abortTaken_) {
        abortTaken_ = true;
        flags_.AbortRequested = 1;
    }
    if (stop_.exchange(false) || cancelled_.load() || pending_.overflowed())
        flags_.StopTrajectory = 1;
}

void TrajectoryRecorder::error(const std::string& text) {
    add(Kind::Error).text = text;
}

void TrajectoryRecorder::warning(const std::string& text) {
    add(Kind::Warning).text = text;
}

void TrajectoryRecorder::info(const std::string& text) {
    add(Kind::Info).text = text;
}

void TrajectoryRecorder::beep() {
    add(Kind::Beep);
}

void TrajectoryRecorder::parseError(const std::string& title, const std::string& text) {
    Event& e = add(Kind::ParseError);
    e.title = title;
    e.text = text;
}

void TrajectoryRecorder::partnersLine(int32_t trajectoryLargest) {
    add(Kind::Partners).count = trajectoryLargest;
}

void TrajectoryRecorder::balanceLines(const TBalance& balance) {
    add(Kind::Balance).balance = balance;
}

void TrajectoryRecorder::lossLines(const TLosses& losses) {
    add(Kind::Losses).balance.losses = losses;
}

bool TrajectoryRecorder::replayOutput(const PendingOutput::ChunkWriter& writeChunk) {
    return pending_.replay(pending_.chunkCount(), writeChunk);
}

void TrajectoryRecorder::replayEvents(EngineHost& host, TrajectoryReport& report,
                                      bool& showParseError, std::size_t first, std::size_t end) {
    MessageSink& sink = host.sink();
    end = std::min(end, events_.size());
    for (std::size_t k = first; k < end; ++k) {
        const Event& e = events_[k];
        switch (e.kind) {
            case Kind::Line:
                host.logLine(e.text, e.colour);
                break;
            case Kind::StepCount:
                host.stepCount(e.count);
                break;
            case Kind::NewImpact:
                host.newImpact();
                break;
            case Kind::Error:
                sink.error(e.text);
                break;
            case Kind::Warning:
                sink.warning(e.text);
                break;
            case Kind::Info:
                sink.info(e.text);
                break;
            case Kind::Beep:
                sink.beep();
                break;
            case Kind::ParseError:
                if (showParseError) sink.parseError(e.title, e.text);
                showParseError = false;
                break;
            case Kind::Partners:
                report.partnersLine(e.count);
                break;
            case Kind::Balance:
                report.balanceLines(e.balance);
                break;
            case Kind::Losses:
                report.lossLines(e.balance.losses);
                break;
        }
    }
}

void TrajectoryRecorder::replayLastFrame(EngineHost& host) const {
    if (lastFrame_) host.graphFrame(*lastFrame_);
}

}  // namespace halvern
