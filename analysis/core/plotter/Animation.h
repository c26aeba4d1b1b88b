// The plotter's animation as a state machine: the window shows the current frame whenever a
// command says so and, while playing() holds, waits one timer interval and calls tick(). No
// command waits; a reload stops the play first.
#pragma once

#include <cstdint>
#include <string>

namespace halvern {

inline constexpr char kPauseHint[] = "Pause";
inline constexpr char kResumeHint[] = "Play from current frame";

class Animation {
  public:
    // After a load: the first frame is current and nothing plays; pause stays as it was.
    void reset(int32_t frameCount);

    int32_t frameCount() const { return frames_; }
    int32_t current() const { return frames_ > 0 ? current_ : -1; }  // 0-based
    bool playing() const { return mode_ != Mode::Idle; }
    bool paused() const { return paused_; }
    // The pause button's hint.
    const char* pauseHint() const { return paused_ ? kResumeHint : kPauseHint; }

    // Each returns true when the current frame is to be drawn.
    // "Play forward" from the first frame; nothing without a second frame.
    bool playForward();
    // "Play backwards" from the last frame to the first; a single frame is shown once.
    bool playBackward();
    // "Loop": play forward again and again until paused or stopped.
    bool loop();
    // "Pause": pausing ends the play; resuming plays forward from the current frame, shown
    // again, when it has a successor.
    bool togglePause();
    // "Stop play".
    void stop() { mode_ = Mode::Idle; }
    // The timer's interval has passed: the next frame, or the end of the play.
    bool tick();
    // "Frame forward" / "Frame back": a quarter of the frames when there are more than 3, else 1,
    // up to the last or first frame.
    bool frameForward();
    bool frameBack();
    // "Display specified frame": frame n (from 1); nothing for a number outside the frames.
    bool showFrame(int32_t n);
    // The step of the frame buttons.
    int32_t frameStep() const { return frames_ > 3 ? frames_ / 4 : 1; }

  private:
    enum class Mode { Idle, Forward, Backward, Loop };
    bool start(Mode mode, int32_t from);

    Mode mode_ = Mode::Idle;
    int32_t frames_ = 0;
    int32_t current_ = 0;
    bool paused_ = false;
};

// The frame number edit after "Display specified frame" n: the button before it offers n - 1
// (when n > 1), the one after it n + 1 (when n is below the number of frames); else n stays.
int32_t NextFrameNumber(int32_t n, int32_t frameCount, bool forward);

}  // namespace halvern
