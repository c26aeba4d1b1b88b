// The plotter's readers and frames: record and text files, what each reads by its name, the
// frames by time and by count, and what a bad or too large file leaves.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <cmath>

#include "TestFiles.h"
#include "TextLines.h"
#include "convert/ConvertToText.h"
#include "plotter/FrameList.h"
#include "plotter/TrajectoryPlot.h"
#include "plotter/TrajectoryReaders.h"

namespace {

TOslRecord Step(int32_t rw, float ti, float base) {
    TOslRecord r;
    r.rx = base * 1e-10f;
    r.ry = -base * 2e-10f;
    r.rz = base * 0.5e-10f;
    r.px = base * 1e-22f;
    r.py = base * 3e-22f;
    r.pz = -base * 2e-22f;
    r.ti = ti;
    r.ms = 6.3e-26f;
    r.rw = rw;
    r.rn = 1;
    return r;
}

// Three time steps of four particles, 1 fs apart, then a second trajectory from 0 fs again.
std::vector<TOslRecord> Trajectories() {
    std::vector<TOslRecord> records;
    for (float t : {0.0f, 1e-15f, 2e-15f, 0.0f})
        for (int32_t rw = 0; rw < 4; ++rw)
            records.push_back(Step(rw, t, static_cast<float>(rw) + t * 1e15f * 0.25f + 0.1f));
    return records;
}

std::vector<std::pair<int32_t, int32_t>> Ranges(const std::vector<TFrame>& frames) {
    std::vector<std::pair<int32_t, int32_t>> ranges;
    for (const TFrame& f : frames) ranges.emplace_back(f.first, f.last);
    return ranges;
}

class TrajectoryReaders : public brisal_test::ScratchDir {
  protected:
    TrajectoryData load(const std::string& file, DisplayType display = DisplayType::Spatial) {
        TrajectoryData data;
        LoadTrajectory(sink, file, display, data);
        return data;
    }
    RecordingSink sink;
};

TEST_F(TrajectoryReaders, RecordFilesFrameByTimeAndByCount) {
    std::vector<TOslRecord> records;
    // Three times 1e-17 s apart; the last two records differ by less and share the first's key.
    for (float t : {1e-15f, 1.01e-15f, 1.02e-15f, 1.02e-15f, 1.0200004e-15f})
        records.push_back(Step(1, t, 1));
    const TrajectoryData data = load(writeRecords("t.OSL", records));
    EXPECT_TRUE(data.osl);
    EXPECT_EQ(Ranges(BuildFrameList(sink, data, Framing::TimeBased, 1)),
              (std::vector<std::pair<int32_t, int32_t>>{{0, 0}, {1, 1}, {2, 4}}));

    // Constant framing: 12 records in frames of 5 show records 1-5 and 6-10.
    const TrajectoryData twelve = load(writeRecords("c.osl", std::vector<TOslRecord>(12)));
    EXPECT_EQ(Ranges(BuildFrameList(sink, twelve, Framing::Constant, 5)),
              (std::vector<std::pair<int32_t, int32_t>>{{0, 4}, {5, 9}}));
    EXPECT_TRUE(sink.entries().empty());
    EXPECT_TRUE(BuildFrameList(sink, twelve, Framing::Constant, 13).empty());
    EXPECT_TRUE(BuildFrameList(sink, load(writeRecords("e.osl", {})), Framing::TimeBased, 1).empty());
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{kNotEnoughDataText, kEmptyFileText}));
}

TEST_F(TrajectoryReaders, TimeKeysRoundToTheNearestHundredthOfAFemtosecond) {
    const struct {
        float time;
        bool osl;
        int64_t key;
    } cases[] = {
        {1e-15f, true, 100},          {0.99999994e-15f, true, 100}, {1.01e-15f, true, 101},
        {1.0049e-15f, true, 100},     {0.99999994f, false, 100},    {1.01f, false, 101},
        {-2.4e-17f, true, -2},        {1e30f, false, 9000000000000000000},
        {-INFINITY, true, -9000000000000000000},
    };
    for (const auto& c : cases) EXPECT_EQ(FrameTimeKey(c.time, c.osl), c.key) << c.time;
    EXPECT_EQ(FrameTimeKey(NAN, true), FrameTimeKey(-NAN, false));
}

// The text reader on convert's output gives the record reader's records to 6 decimals, and the
// same frames; the momentum display reads columns 4-6.
TEST_F(TrajectoryReaders, TextFilesReadAsTheirRecords) {
    const std::string osl = writeRecords("run.osl", Trajectories());
    for (const char* name : {"run.dat", "run"}) {
        ASSERT_TRUE(ConvertToText(host, osl, path(name)));
        for (DisplayType display : {DisplayType::Spatial, DisplayType::Momenta}) {
            const TrajectoryData records = load(osl, display);
            const TrajectoryData text = load(path(name), display);
            EXPECT_FALSE(text.osl);
            ASSERT_EQ(text.count(), records.count());
            for (int32_t k = 0; k < text.count(); ++k) {
                EXPECT_NEAR(text.x[k], records.x[k], 5e-7);
                EXPECT_NEAR(text.y[k], records.y[k], 5e-7);
                EXPECT_NEAR(text.z[k], records.z[k], 5e-7);
                EXPECT_NEAR(text.time[k], records.time[k] * 1e15, 5e-3);
                EXPECT_EQ(text.particle[k], records.particle[k]);
            }
            EXPECT_EQ(Ranges(BuildFrameList(sink, text, Framing::TimeBased, 1)),
                      Ranges(BuildFrameList(sink, records, Framing::TimeBased, 1)));
        }
    }
    EXPECT_EQ(BuildFrameList(sink, load(osl), Framing::TimeBased, 1).size(), 4u);
    const TrajectoryData momenta = load(osl, DisplayType::Momenta);
    EXPECT_FLOAT_EQ(momenta.y[1], 1.1f * 3);  // py = 1.1 x 3e-22 kg m/s
    EXPECT_TRUE(sink.entries().empty());
    EXPECT_TRUE(IsOslTrajectoryName("a/b.c/run.Osl"));
    EXPECT_FALSE(IsOslTrajectoryName("a/b.osl/run"));
}

TEST_F(TrajectoryReaders, BadTextKeepsTheRecordsBeforeIt) {
    const std::string good = "1 2 3 4 5 6 7.5 1e-26 9 1\r\n";
    const struct {
        std::string text;
        int32_t records;
        bool error;
    } cases[] = {
        {"", 0, false},
        {"\r\n  \t\r\n" + good + "\n\n" + good + "\r", 2, false},  // blank lines are no records
        {good + good + "1 2 3 4 5 6 7.5 1e-26\r\n" + good, 2, true},  // no index
        {good + "1 2 3 4 5 6 7.5 x 9 1\r\n" + good, 1, true},        // the mass is no number
        {good + "1 2 3 4 5 6 7.5 1e-26 9.0\r\n", 1, true},            // the index no integer
        {good + "1 2 3 4 5 6 1e60 1e-26 9 ignored rest", 2, false},   // beyond single precision
    };
    for (const auto& c : cases) {
        TrajectoryData data;
        const ReadOutcome outcome = ReadAsciiTrajectoryText(c.text, DisplayType::Spatial, data);
        EXPECT_EQ(data.count(), c.records) << c.text;
        EXPECT_EQ(outcome == ReadOutcome::ReadError, c.error) << c.text;
    }
    TrajectoryData data;
    ReadAsciiTrajectoryText(good + "-1 .5 3. 4 5 6 1e60 1e-26 -9", DisplayType::Spatial, data);
    EXPECT_EQ(data.x[1], -1.0f);
    EXPECT_EQ(data.y[1], 0.5f);
    EXPECT_EQ(data.time[1], INFINITY);
    EXPECT_EQ(data.particle[1], -9);

    // Through the loader the error is reported and the records before it are framed.
    ASSERT_TRUE(WriteFileReplacing(path("bad.dat"), good + good + "1 2 3\r\n" + good));
    const TrajectoryData loaded = load(path("bad.dat"));
    EXPECT_EQ(loaded.count(), 2);
    EXPECT_EQ(sink.texts(), std::vector<std::string>{kErrorReadingDataText});
    EXPECT_EQ(BuildFrameList(sink, loaded, Framing::TimeBased, 1).size(), 1u);
}

// Lines, CR LF pairs and the last line without its end come out the same from memory and from
// a file read in blocks of any size.
TEST_F(TrajectoryReaders, TextLinesSplitTheSameWhateverTheBlock) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"first\r\nsecond\n\rthird\r\r\nlonger fourth line\n\n\rlast",
         {"first", "second", "", "third", "", "longer fourth line", "", "", "last"}},
        {"a\rb c\r", {"a", "b c"}},
        {"\r\n", {""}},
        {"", {}},
    };
    auto linesOf = [](TextLines& lines) {
        std::vector<std::string> got;
        std::string_view line;
        while (lines.next(line)) got.emplace_back(line);
        EXPECT_FALSE(lines.failed());
        return got;
    };
    for (const auto& c : cases) {
        TextLines memory;
        memory.assign(c.text);
        EXPECT_EQ(linesOf(memory), c.lines);
        ASSERT_TRUE(WriteFileReplacing(path("lines.txt"), c.text));
        for (size_t block = 1; block <= c.text.size() + 1; ++block) {
            TextLines file(block);
            ASSERT_TRUE(file.open(path("lines.txt")));
            EXPECT_EQ(linesOf(file), c.lines) << block << " " << c.text;
        }
    }
    TextLines missing;
    EXPECT_FALSE(missing.open(path("none.txt")));
    std::string_view line;
    EXPECT_FALSE(missing.next(line));
    EXPECT_TRUE(missing.failed());
}

TEST_F(TrajectoryReaders, AFileTooLargeIsReportedByName) {
    // A sparse record file of more records than 32-bit numbers can count.
    const std::string huge = path("huge.osl");
    const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(40 * (kMaxTrajectoryRecords + 1))), 0);
    ::close(fd);
    TrajectoryPlot plot;
    plot.fileName = huge;
    LoadPlot(sink, plot);
    EXPECT_EQ(plot.data.count(), 0);
    EXPECT_EQ(sink.texts(),
              (std::vector<std::string>{"Not enough memory to load huge.osl.", kEmptyFileText}));

    // A missing file is a read error and loads nothing.
    sink.clear();
    plot.fileName = path("gone.dat");
    LoadPlot(sink, plot);
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{kErrorReadingDataText, kEmptyFileText}));
}

TEST_F(TrajectoryReaders, LoadingSetsTheViewAndTheFirstFrame) {
    TrajectoryPlot plot;
    plot.fileName = writeRecords("run.osl", Trajectories());
    plot.view.x0 = 7;
    plot.view.zoom.position = 99;
    LoadPlot(sink, plot);
    EXPECT_EQ(plot.view.x0, 200);
    EXPECT_EQ(plot.view.y0, 150);
    EXPECT_EQ(plot.view.zoom.position, 10);
    EXPECT_EQ(plot.view.perspective, Perspective::XZ);
    EXPECT_EQ(PlotCaption(plot), "Trajectory Plot: " + plot.fileName + " (16 records)");
    EXPECT_EQ(plot.animation.frameCount(), 4);
    EXPECT_EQ(plot.animation.current(), 0);
    ASSERT_TRUE(CurrentFrame(plot));
    EXPECT_EQ(CurrentFrame(plot)->last, 3);
    EXPECT_EQ(plot.arrays.particle.size(), 4u);

    plot.settings.framing = Framing::Constant;
    plot.settings.recordsPerFrame = 16;
    LoadPlot(sink, plot);
    EXPECT_EQ(plot.animation.frameCount(), 1);
    EXPECT_EQ(plot.arrays.particle.size(), 16u);
    FreePlot(plot);
    EXPECT_FALSE(CurrentFrame(plot));
    EXPECT_TRUE(sink.entries().empty());
}

}  // namespace
