// What the engine's core needs of its window: log lines, progress, graph frames, the event pump
// at the core's fixed points, and message boxes. The main window implements it; tests record it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Colours.h"
#include "MessageSink.h"

namespace halvern {

// Coordinates handed to the graph window at every partner-list rebuild and trajectory end:
// positions (m) or, in the velocity plot, velocities (m/s) of particles 0..N.
struct TGraphFrame {
    const double* x = nullptr;
    const double* y = nullptr;
    const double* z = nullptr;
    int32_t N = 0;  // index of the last particle
    float t = 0;    // time since the start of the trajectory, s
};

// The two flags through which the window's Abort and Step commands reach a running simulation;
// set by the window's handlers while the core pumps events.
struct EngineFlags {
    uint8_t AbortRequested = 0;
    uint8_t StopTrajectory = 0;
};

class EngineHost {
  public:
    virtual ~EngineHost() = default;
    // One log line (at most 100 characters) in a 0x00BBGGRR colour.
    virtual void logLine(const std::string& line, ColourRef colour) = 0;
    virtual void stepCount(int32_t steps) = 0;
    // Drawn synchronously; the frame's arrays are valid only during the call.
    virtual void graphFrame(const TGraphFrame& frame) = 0;
    virtual void newImpact() = 0;
    // Lets the window handle its events once (Abort, Step, close).
    virtual void pumpEvents() = 0;
    // The application's idle handler (memory display).
    virtual void idle() = 0;
    virtual MessageSink& sink() = 0;
    virtual EngineFlags& flags() = 0;
    // True while the window shows each trajectory as it runs (the graph window is open): the
    // run then follows its trajectories one at a time.
    virtual bool showsEachTrajectory() { return false; }
};

// Cuts a log line to the 100 characters a log line holds and hands it to the host.
void LogLine(EngineHost& host, const std::string& line, ColourRef colour);

// A host for tests: records everything; `onPump` runs at every event pump, so a test can press
// Abort or Step at the core's fixed points.
class RecordingHost : public EngineHost {
  public:
    struct Line {
        std::string text;
        ColourRef colour;
    };

    void logLine(const std::string& line, ColourRef colour) override;
    void stepCount(int32_t steps) override { stepCounts.push_back(steps); }
    void graphFrame(const TGraphFrame& frame) override;
    void newImpact() override { ++impacts; }
    void pumpEvents() override;
    void idle() override { ++idleCalls; }
    MessageSink& sink() override { return messages; }
    EngineFlags& flags() override { return engineFlags; }
    bool showsEachTrajectory() override { return showingEachTrajectory; }

    std::vector<std::string> texts() const;
    // Index of the first line equal to text, or -1.
    int find(const std::string& text) const;

    std::vector<Line> lines;
    std::vector<int32_t> stepCounts;
    int frames = 0;
    int32_t lastFrameN = -1;
    float lastFrameTime = 0;
    int impacts = 0;
    int pumps = 0;
    int idleCalls = 0;
    RecordingSink messages;
    EngineFlags engineFlags;
    std::function<void(RecordingHost&)> onPump;
    bool showingEachTrajectory = false;
};

}  // namespace halvern
