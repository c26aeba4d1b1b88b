// The host and report of a trajectory that runs on a worker thread ahead of the commit point:
// it keeps the trajectory's log lines, messages, report lines and records in the order they came
// and hands them to the run's host when the trajectory's turn comes, as if it had run then.
// The window's Abort and Step reach it through atomic requests that its pump turns into flags.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/EngineHost.h"
#include "output/PendingOutput.h"
#include "run/RunTotals.h"

namespace halvern {

class TrajectoryRecorder : public EngineHost, public MessageSink, public TrajectoryReport {
  public:
    TrajectoryRecorder(const SpillFolder* spill, std::size_t memoryLimit,
                       std::size_t fallbackLimit);

    // Empty, with no request pending: ready for the next trajectory.
    void reset();

    // EngineHost: lines and messages are kept; pumps show nothing (the graph window is shut
    // while trajectories run ahead); the last step count is kept, and the last frame (the
    // trajectory's final state, whose arrays stay in the trajectory's state until its commit).
    // A pump ends the trajectory once its output has overflowed: it will be followed again.
    void logLine(const std::string& line, ColourRef colour) override;
    void stepCount(int32_t steps) override;
    void graphFrame(const TGraphFrame& frame) override { lastFrame_ = frame; }
    void newImpact() override;
    void pumpEvents() override;
    void idle() override {}
    MessageSink& sink() override { return *this; }
    EngineFlags& flags() override { return flags_; }

    // MessageSink. The only question a trajectory asks is the abort question, which the window
    // thread has asked already: it is answered Yes and not shown again.
    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    void info(const std::string& text) override;
    bool askYesNo(const std::string&, BoxIcon) override { return true; }
    bool askOkCancel(const std::string&, BoxIcon) override { return true; }
    void beep() override;
    void parseError(const std::string& title, const std::string& text) override;

    // TrajectoryReport.
    void partnersLine(int32_t trajectoryLargest) override;
    void balanceLines(const TBalance& balance) override;
    void lossLines(const TLosses& losses) override;

    // From the window thread: a confirmed abort (the trajectory stops at its next rebuild with
    // the abort line), a Step (it ends at its next check) or a cancellation (it is not wanted).
    void confirmAbort() { abort_.store(true); }
    void requestStop() { stop_.store(true); }
    void cancel() { cancelled_.store(true); }
    bool cancelled() const { return cancelled_.load(); }

    PendingOutput& pending() { return pending_; }

    // Hands the kept records to the chunk writer; false when they could not all be read back.
    bool replayOutput(const PendingOutput::ChunkWriter& writeChunk);
    // Hands the kept events from `first` on to the host and the report, in the order they came.
    // A parse error is shown only while `showParseError` is true, which it then clears.
    void replayEvents(EngineHost& host, TrajectoryReport& report, bool& showParseError,
                      std::size_t first = 0, std::size_t end = SIZE_MAX);

    // Hands the trajectory's last frame to the host, when it sent one.
    void replayLastFrame(EngineHost& host) const;

    std::size_t eventCount() const { return events_.size(); }

  private:
    enum class Kind {
        Line,
        StepCount,
        NewImpact,
        Error,
        Warning,
        Info,
        Beep,
        ParseError,
        Partners,
        Balance,
        Losses
    };
    struct Event {
        Kind kind;
        std::string text;
        std::string title;
        ColourRef colour = 0;
        int32_t count = 0;
        TBalance balance;
    };
    Event& add(Kind kind);

    std::vector<Event> events_;
    PendingOutput pending_;
    EngineFlags flags_;
    std::optional<TGraphFrame> lastFrame_;
    std::atomic<bool> abort_{false};
    std::atomic<bool> stop_{false};
    std::atomic<bool> cancelled_{false};
    bool abortTaken_ = false;
};

}  // namespace halvern
