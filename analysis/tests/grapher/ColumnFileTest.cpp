#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageSink.h"
#include "TestFiles.h"
#include "grapher/ColumnFile.h"
#include "processes/RecordProcesses.h"

using brisal_test::Rec;

using namespace halvern;

namespace {

using Points = std::vector<std::pair<float, float>>;

Points PointsOf(const std::vector<DataPoint>& points) {
    Points out;
    for (const DataPoint& p : points) out.emplace_back(p.x, p.y);
    return out;
}

std::string Lines(int count, const std::string& line) {
    std::string text;
    text.reserve(static_cast<size_t>(count) * (line.size() + 2));
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

struct ColumnCase {
    const char* name;
    std::string text;
    int32_t xColumn;
    int32_t yColumn;
    Points points;
    bool readError;
};

std::vector<ColumnCase> ColumnCases() {
    return {
        {"line numbers as x", "5 10\r\n6 20\r\n7 30\r\n", 0, 2, {{1, 10}, {2, 20}, {3, 30}}, false},
        {"x after y", "1 2 3\r\n", 3, 1, {{3, 1}}, false},
        {"x and y one column", "4 5\n6 7\n", 2, 2, {{5, 5}, {7, 7}}, false},
        {"columns in order, LF and no last line end",
         "1 2 3\n4 5 6",
         1,
         3,
         {{1, 3}, {4, 6}},
         false},
        // The short first line takes its y from the next line, whose rest is then dropped; no
        // point starts past the end of the data.
        {"short line", "1 2\n3 4 5\n6 7 8\n", 1, 3, {{1, 3}, {6, 8}}, false},
        {"a last line short of its y reads 0", "1 2\n5\n", 1, 2, {{1, 2}, {5, 0}}, false},
        {"blank lines are no data",
         "\r\n1 2\r\n \t\r\n\r\n3 4\r\n\r\n",
         0,
         2,
         {{1, 2}, {2, 4}},
         false},
        {"tabs and extra columns", "1\t2\t9 9\n", 1, 2, {{1, 2}}, false},
        {"a bad field reads 0 and the rest stays",
         "1 2\nx 4\n5 6\n",
         1,
         2,
         {{1, 2}, {0, 4}, {5, 6}},
         true},
        {"too large for a 32-bit real",
         "1 4e38\n2 -1e39\n3 3e38\n",
         1,
         2,
         {{1, 0}, {2, 0}, {3, 3e38f}},
         true},
        {"out of every range", "1 1e5000\n", 1, 2, {{1, 0}}, true},
        {"Ctrl-Z ends the data",
         "1 2\n\x1a"
         "3 4\n",
         1,
         2,
         {{1, 2}},
         false},
        {"empty file", "", 1, 2, {}, false},
        {"only blank lines", "\r\n  \r\n\r\n", 1, 2, {}, false},
        {"Ctrl-Z after the last value of a line", "1 2 \x1a 9\n3 4\n", 1, 2, {{1, 2}}, false},
        {"Ctrl-Z inside a short line", "1\x1a\n2 3\n", 1, 2, {{1, 0}}, false},
    };
}

TEST(ColumnFileTest, ColumnsShortLinesBlankLinesAndBadFields) {
    for (const ColumnCase& c : ColumnCases()) {
        SCOPED_TRACE(c.name);
        const ColumnData data = ReadColumnData(c.text, c.xColumn, c.yColumn);
        EXPECT_EQ(PointsOf(data.points), c.points);
        EXPECT_EQ(data.readError, c.readError);
        EXPECT_FALSE(data.tooManyLines);
    }
}

TEST(ColumnFileTest, LineLimitCountsDataLines) {
    const std::string accepted = Lines(kMaxDataLines + 1, "1 2");
    const ColumnData ok = ReadColumnData(accepted, 1, 2);
    EXPECT_FALSE(ok.tooManyLines);
    EXPECT_EQ(ok.points.size(), 100001u);

    const ColumnData refused = ReadColumnData(accepted + "1 2\r\n", 1, 2);
    EXPECT_TRUE(refused.tooManyLines);
    EXPECT_TRUE(refused.points.empty());

    // Blank lines between the data do not count towards the limit.
    const ColumnData spaced = ReadColumnData(Lines(kMaxDataLines + 1, "1 2\r\n"), 1, 2);
    EXPECT_FALSE(spaced.tooManyLines);
    EXPECT_EQ(spaced.points.size(), 100001u);
}

class LoadCacheTest : public brisal_test::ScratchDir {
  protected:
    DataCache cacheOf(const std::string& name, const std::string& text) {
        DataCache cache;
        cache.fileName = path(name);
        EXPECT_TRUE(WriteFileReplacing(cache.fileName, text));
        return cache;
    }
    RecordingSink sink;
};

TEST_F(LoadCacheTest, CountTextAndFailures) {
    DataCache cache = cacheOf("a.dat", "1 2\n3 4\n");
    EXPECT_TRUE(LoadCache(cache, 1, 2, sink));
    EXPECT_EQ(cache.countText, "2");
    EXPECT_TRUE(sink.entries().empty());

    // A bad field keeps the points and reports the file once.
    DataCache bad = cacheOf("b.dat", "1 2\n3 abc\n5 6\n");
    EXPECT_FALSE(LoadCache(bad, 1, 2, sink));
    EXPECT_EQ(bad.points.size(), 3u);
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error reading file: " + bad.fileName + "."});
    sink.clear();

    DataCache many = cacheOf("m.dat", Lines(kMaxDataLines + 2, "1"));
    many.points = {{1, 1}};
    EXPECT_FALSE(LoadCache(many, 0, 1, sink));
    EXPECT_TRUE(many.points.empty());
    EXPECT_EQ(many.countText, "0");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{kTooManyDataText});
    sink.clear();

    DataCache missing;
    missing.fileName = path("none.dat");
    EXPECT_FALSE(LoadCache(missing, 1, 2, sink));
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"Error reading file: " + missing.fileName + "."});
    sink.clear();

    // A folder is no data file; columns outside their ranges address nothing.
    DataCache folder;
    folder.fileName = path("");
    EXPECT_FALSE(LoadCache(folder, 1, 2, sink));
    for (auto [x, y] : {std::pair{-1, 2}, {100, 2}, {1, 0}, {1, 101}}) {
        DataCache c = cacheOf("c.dat", "1 2\n");
        EXPECT_FALSE(LoadCache(c, x, y, sink));
        EXPECT_TRUE(c.points.empty());
    }
    EXPECT_EQ(sink.entries().size(), 5u);
}

// A file streamed in blocks of any size reads as its text does in memory, lines, CR LF pairs and
// numbers split between blocks included.
TEST_F(LoadCacheTest, AFileReadsAsItsTextWhateverTheBlock) {
    std::vector<ColumnCase> cases = ColumnCases();
    std::string many;
    for (int i = 0; i < 3000; ++i)
        many += std::to_string(i) + (i % 7 ? " " : "\r\n") + std::to_string(i * 0.25) + "\r\n";
    cases.push_back({"long", many, 1, 2, {}, false});
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = path("blocks.dat");
        ASSERT_TRUE(WriteFileReplacing(file, c.text));
        const ColumnData memory = ReadColumnData(c.text, c.xColumn, c.yColumn);
        for (size_t block : {size_t{1}, size_t{2}, size_t{3}, size_t{7}, size_t{64} << 10}) {
            const ColumnData streamed = ReadColumnFile(file, c.xColumn, c.yColumn, block);
            EXPECT_EQ(PointsOf(streamed.points), PointsOf(memory.points)) << block;
            EXPECT_EQ(streamed.readError, memory.readError) << block;
            EXPECT_FALSE(streamed.failed);
        }
    }
    EXPECT_TRUE(ReadColumnFile(path("none.dat"), 1, 2).failed);
}

// An empty file (or one of blank lines) loads as no points with count "0", and the axes
// fitted to it span 100 from 0, whatever held them before.
TEST_F(LoadCacheTest, EmptyFileFitsDefaultAxes) {
    for (const char* text : {"", "\r\n \r\n"}) {
        SCOPED_TRACE(text);
        DataCache cache = cacheOf("e.dat", text);
        cache.points = {{3, 4}};
        cache.countText = "1";
        EXPECT_TRUE(LoadCache(cache, 1, 2, sink));
        EXPECT_TRUE(cache.points.empty());
        EXPECT_EQ(cache.countText, "0");
        GrapherSettings s;
        s.x = {7, 3};
        s.y = {-2, 5};
        FitAxes(s, cache);
        EXPECT_EQ(s.x.minimum, 0);
        EXPECT_EQ(s.x.span, 100);
        EXPECT_EQ(s.y.minimum, 0);
        EXPECT_EQ(s.y.span, 100);
    }
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(LoadCacheTest, SpectrumFileParsesIntoItsChannels) {
    const std::string source = writeRecords("s.osl", {Rec(0), Rec(5), Rec(5), Rec(10)});
    ASSERT_TRUE(MakeSpectrum(host, source, path("s.dat"), "rx", 3, 10, 0));
    DataCache cache;
    cache.fileName = path("s.dat");
    ASSERT_TRUE(LoadCache(cache, 1, 2, sink));
    EXPECT_EQ(PointsOf(cache.points), (Points{{0, 1}, {5, 2}, {10, 1}}));
    EXPECT_EQ(cache.countText, "3");
}

}  // namespace
