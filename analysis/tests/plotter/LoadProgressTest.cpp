// The plotter's load reports at a record process's pace: a status line every 500 counts, the
// events pumped every 2000, whichever pass is counting.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "plotter/LoadProgress.h"

namespace {

using halvern::LoadProgress;
using halvern::RecordingProcessHost;

struct Pass {
    const char* name;
    std::function<void(LoadProgress&, int64_t)> report;
    std::function<std::string(int64_t)> text;
};

TEST(LoadProgress, EveryPassReportsEvery500AndPumpsEvery2000) {
    constexpr int64_t kTotal = 4321;
    const Pass passes[] = {
        {"counted", [](LoadProgress& p, int64_t n) { p.counted(n); },
         [](int64_t n) { return halvern::CountingText(n); }},
        {"read", [](LoadProgress& p, int64_t n) { p.read(n, kTotal); },
         [](int64_t n) { return halvern::ReadingText(n, kTotal); }},
        {"framed", [](LoadProgress& p, int64_t n) { p.framed(n, kTotal); },
         [](int64_t n) { return halvern::FramingText(n, kTotal); }},
    };
    for (const Pass& pass : passes) {
        SCOPED_TRACE(pass.name);
        RecordingProcessHost host;
        LoadProgress progress(host);
        std::vector<std::string> expected;
        for (int64_t n = 0; n <= kTotal; ++n) {
            pass.report(progress, n);
            if (n % 500 != 0) continue;
            expected.push_back("status: " + pass.text(n));
            if (n % 2000 == 0) expected.push_back("pump");
        }
        EXPECT_EQ(host.events, expected);
        EXPECT_EQ(host.pumps, 3);  // 0, 2000, 4000
    }
}

TEST(LoadProgress, TextsNameThePassAndFitTheStatusLine) {
    EXPECT_EQ(halvern::CountingText(1500), "Loading... please wait (1500 lines counted)");
    EXPECT_EQ(halvern::ReadingText(500, 900), "Loading... please wait (500 of 900 records read)");
    EXPECT_EQ(halvern::FramingText(500, 900), "Loading... please wait (500 of 900 records framed)");
    EXPECT_LE(halvern::FramingText(INT64_MAX, INT64_MAX).size(), 60u);
}

}  // namespace
