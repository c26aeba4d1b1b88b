#include "plotter/Animation.h"

#include <algorithm>

namespace halvern {

void Animation::reset(int32_t frameCount) {
    mode_ = Mode::Idle;
    frames_ = std::max(frameCount, 0);
    current_ = 0;
}

bool Animation::start(Mode mode, int32_t from) {
    mode_ = mode;
    paused_ = false;
    current_ = from;
    return true;
}

bool Animation::playForward() {
    return frames_ >= 2 && start(Mode::Forward, 0);
}

bool Animation::playBackward() {
    return frames_ >= 1 && start(Mode::Backward, frames_ - 1);
}

bool Animation::loop() {
    return frames_ >= 2 && start(Mode::Loop, 0);
}

bool Animation::togglePause() {
    paused_ = !paused_;
    if (paused_) {
        mode_ = Mode::Idle;
        return false;
    }
    return frames_ > 0 && current_ + 1 < frames_ && start(Mode::Forward, current_);
}

bool Animation::tick() {
    switch (mode_) {
        case Mode::Idle:
            return false;
        case Mode::Forward:
        case Mode::Loop:
            if (current_ + 1 < frames_) {
                ++current_;
                return true;
            }
            if (mode_ == Mode::Loop) {
                current_ = 0;
                return true;
            }
            break;
        case Mode::Backward:
            if (current_ > 0) {
                --current_;
                return true;
            }
            break;
    }
    mode_ = Mode::Idle;
    return false;
}

bool Animation::frameForward() {
    if (frames_ == 0) return false;
    current_ = std::min(current_ + frameStep(), frames_ - 1);
    return true;
}

bool Animation::frameBack() {
    if (frames_ == 0) return false;
    current_ = std::max(current_ - frameStep(), 0);
    return true;
}

bool Animation::showFrame(int32_t n) {
    if (n < 1 || n > frames_) return false;
    current_ = n - 1;
    return true;
}

int32_t NextFrameNumber(int32_t n, int32_t frameCount, bool forward) {
    if (forward) return n < frameCount ? n + 1 : n;
    return n > 1 ? n - 1 : n;
}

}  // namespace halvern
