// The plotter's animation: what each command shows and where the play goes, as scripts of
// commands with the frames shown after each.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plotter/Animation.h"

namespace halvern {
namespace {

// Runs the commands: "play", "back", "loop", "pause", "stop", "tick", "fwd", "rew", "show<n>".
// Each step notes the frame shown ("-" when none) and "*" while playing.
std::string Played(int32_t frames, const std::vector<std::string>& commands, Animation* out = nullptr) {
    Animation a;
    a.reset(frames);
    std::string shown;
    for (const std::string& c : commands) {
        bool draw = false;
        if (c == "play") draw = a.playForward();
        else if (c == "back") draw = a.playBackward();
        else if (c == "loop") draw = a.loop();
        else if (c == "pause") draw = a.togglePause();
        else if (c == "stop") a.stop();
        else if (c == "tick") draw = a.tick();
        else if (c == "fwd") draw = a.frameForward();
        else if (c == "rew") draw = a.frameBack();
        else if (c.rfind("show", 0) == 0) draw = a.showFrame(std::stoi(c.substr(4)));
        shown += draw ? std::to_string(a.current() + 1) : "-";
        shown += a.playing() ? "* " : " ";
    }
    if (out) *out = a;
    return shown;
}

TEST(Animation, CommandScripts) {
    const struct {
        int32_t frames;
        std::vector<std::string> commands;
        std::string shown;
    } cases[] = {
        // Play forward to the end: one interval after the last frame the play ends.
        {3, {"play", "tick", "tick", "tick", "tick"}, "1* 2* 3* - - "},
        {3, {"back", "tick", "tick", "tick"}, "3* 2* 1* - "},
        {3, {"loop", "tick", "tick", "tick", "tick", "stop", "tick"}, "1* 2* 3* 1* 2* - - "},
        // One frame: no forward play or loop; backwards shows it once.
        {1, {"play", "loop", "back", "tick"}, "- - 1* - "},
        {0, {"play", "back", "fwd", "rew", "pause", "pause"}, "- - - - - - "},
        // Pause ends the play; resuming plays on from the frame shown, drawn again.
        {4, {"play", "tick", "pause", "tick", "pause", "tick", "tick", "tick"},
         "1* 2* - - 2* 3* 4* - "},
        // Resuming on the last frame only resumes.
        {2, {"back", "pause", "fwd", "pause"}, "2* - 2 - "},
        // Frame steps: a quarter of 10 frames is 2; never past the ends.
        {10, {"fwd", "fwd", "fwd", "fwd", "fwd", "rew", "rew", "rew", "rew", "rew"},
         "3 5 7 9 10 8 6 4 2 1 "},
        {3, {"fwd", "fwd", "fwd", "rew"}, "2 3 3 2 "},
        // A step or a chosen frame during play moves the play on from there.
        {10, {"play", "fwd", "tick", "show8", "tick", "show11", "show0"}, "1* 3* 4* 8* 9* -* -* "},
        // A second play starts again from the first frame.
        {5, {"play", "tick", "tick", "play", "tick"}, "1* 2* 3* 1* 2* "},
    };
    for (const auto& c : cases) EXPECT_EQ(Played(c.frames, c.commands), c.shown) << c.shown;
}

TEST(Animation, PauseHintAndReset) {
    Animation a;
    Played(5, {"play", "tick", "pause"}, &a);
    EXPECT_TRUE(a.paused());
    EXPECT_STREQ(a.pauseHint(), "Play from current frame");
    // A reload stops the play and shows the first frame; play clears the pause.
    a.reset(3);
    EXPECT_FALSE(a.playing());
    EXPECT_EQ(a.current(), 0);
    EXPECT_TRUE(a.playForward());
    EXPECT_STREQ(a.pauseHint(), "Pause");
    a.reset(0);
    EXPECT_EQ(a.current(), -1);
    EXPECT_FALSE(a.tick());

    EXPECT_EQ(NextFrameNumber(5, 10, true), 6);
    EXPECT_EQ(NextFrameNumber(10, 10, true), 10);
    EXPECT_EQ(NextFrameNumber(5, 10, false), 4);
    EXPECT_EQ(NextFrameNumber(1, 10, false), 1);
}

}  // namespace
}  // namespace halvern
