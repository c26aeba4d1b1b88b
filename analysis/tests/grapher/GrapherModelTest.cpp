#include <gtest/gtest.h>

#include <cfloat>
#include <string>

#include "MessageSink.h"
#include "TestFiles.h"
#include "grapher/GraphSetup.h"
#include "grapher/GrapherModel.h"
#include "grapher/OpenDisplay.h"
#include "grapher/PlotDataFile.h"

using namespace halvern;

namespace {

GrapherModel Defaults() {
    GrapherModel model;
    SetGraphDefaults(model, true, 408, 197);
    return model;
}

TEST(GrapherModelTest, DefaultsKeepMinimaAndDataUnlessInitial) {
    GrapherModel model = Defaults();
    EXPECT_EQ(model.mainTitle.x, 204);
    EXPECT_EQ(model.labels[9].y, 197 - 150 - 50);
    EXPECT_EQ(model.labels[9].kind, 20);
    EXPECT_EQ(model.settings.y.labelH, 35);
    EXPECT_EQ(model.settings.x.labelH, 15);
    EXPECT_EQ(model.settings.font.name, "Book Antiqua");

    model.settings.x.minimum = 3;
    model.settings.x.span = 7;
    model.caches[4].points = {{1, 2}};
    model.caches[4].fileName = "a.dat";
    model.caches[4].penStyle = PenStyle::Dot;
    model.caches[4].shown = false;
    SetGraphDefaults(model, false, 500, 300);
    EXPECT_EQ(model.settings.x.minimum, 3);
    EXPECT_EQ(model.settings.x.span, 100);
    EXPECT_EQ(model.caches[4].points.size(), 1u);
    EXPECT_EQ(model.caches[4].fileName, "a.dat");
    EXPECT_EQ(model.caches[4].penStyle, PenStyle::Solid);
    EXPECT_TRUE(model.caches[4].shown);
    EXPECT_EQ(model.xTitle.x, 480);

    SetGraphDefaults(model, true, 500, 300);
    EXPECT_TRUE(model.caches[4].points.empty());
    EXPECT_EQ(model.caches[4].fileName, "*.dat");
}

TEST(GrapherModelTest, FitAxes) {
    struct Case {
        const char* name;
        std::vector<DataPoint> points;
        float xMin, xSpan, yMin, ySpan;
    };
    const Case cases[] = {
        {"empty", {}, 0, 100, 0, 100},
        {"every x equal", {{4, 1}, {4, 3}}, 4, 100, 1, 2},
        {"spread", {{-2, 5}, {6, -1}, {1, 0}}, -2, 8, -1, 6},
        {"span beyond the 32-bit range is held at its largest", {{-FLT_MAX, 0}, {FLT_MAX, 1}},
         -FLT_MAX, FLT_MAX, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GrapherSettings s;
        s.x.minimum = s.y.minimum = 9;
        DataCache cache;
        cache.points = c.points;
        FitAxes(s, cache);
        EXPECT_EQ(s.x.minimum, c.xMin);
        EXPECT_EQ(s.x.span, c.xSpan);
        EXPECT_EQ(s.y.minimum, c.yMin);
        EXPECT_EQ(s.y.span, c.ySpan);
    }
}

class GrapherFilesTest : public brisal_test::ScratchDir {
  protected:
    std::string dataFile(const std::string& name, const std::string& text) {
        const std::string file = path(name);
        EXPECT_TRUE(WriteFileReplacing(file, text));
        return file;
    }
    RecordingSink sink;
};

TEST_F(GrapherFilesTest, PlotDataFileReplacesCacheOneOnly) {
    GrapherModel model = Defaults();
    model.caches[0].symbolShape = 0;
    model.caches[1].points = {{7, 7}};
    model.caches[1].fileName = "other.dat";
    const std::string title(60, 't');
    model.xTitle.text = "altitude (deg)";
    model.xTitle.visible = true;
    PlotDataFile(model,
                 {dataFile("s.dat", "0 1\n5 3\n"), title, true, false, true, 2, 1, 1, "ke/ep",
                  std::string(60, 'c')},
                 sink);

    const DataCache& c = model.caches[0];
    EXPECT_EQ(c.points.size(), 2u);
    EXPECT_EQ(c.penStyle, PenStyle::Solid);
    EXPECT_TRUE(c.symbolsOn);
    EXPECT_EQ(c.symbolSize, 1);
    EXPECT_EQ(c.symbolShape, 0);
    EXPECT_EQ(model.caches[1].fileName, "other.dat");
    EXPECT_EQ(model.caches[1].points.size(), 1u);
    EXPECT_EQ(model.settings.x.span, 5);
    EXPECT_EQ(model.settings.y.minimum, 1);
    EXPECT_EQ(model.mainTitle.x, 60);
    EXPECT_EQ(model.mainTitle.y, 0);
    EXPECT_EQ(model.mainTitle.text, std::string(50, 't'));
    EXPECT_TRUE(model.mainTitle.visible);
    // The axes name the plot's own variables.
    EXPECT_EQ(model.xTitle.text, "ke/ep");
    EXPECT_EQ(model.yTitle.text, std::string(50, 'c'));
    EXPECT_TRUE(model.xTitle.visible && model.yTitle.visible);

    // A request without axis titles leaves them as they are.
    PlotDataRequest request{path("s.dat"), "t", false, true, true, 2, 1, 11, "", ""};
    PlotDataFile(model, request, sink);
    EXPECT_EQ(c.penStyle, PenStyle::Clear);
    EXPECT_EQ(c.symbolSize, 2);  // large symbols win
    EXPECT_EQ(model.xTitle.text, "ke/ep");
    EXPECT_TRUE(sink.entries().empty());
}

TEST_F(GrapherFilesTest, OpenDisplayStoresStyleAndChecksTheFile) {
    GrapherModel model = Defaults();
    OpenDisplayValues v;
    v.cacheIndex = 3;
    v.fileName = dataFile("d.dat", "1 10 100\n2 20 200\n");
    v.xColumn = 3;
    v.yColumn = 2;
    v.penStyle = PenStyle::Dash;
    v.penColour = colour::Red;
    v.penWidth = 2;
    v.symbolsOn = true;
    v.symbolSize = 4;
    v.shape = SymbolShape::Circles;
    v.yOffset = 25;
    ASSERT_TRUE(ApplyOpenDisplay(model, v, sink));
    const DataCache& c = model.caches[2];
    EXPECT_EQ(c.points.size(), 2u);
    EXPECT_EQ(c.points[1].x, 200);
    EXPECT_EQ(c.penStyle, PenStyle::Dash);
    EXPECT_EQ(c.penColour, colour::Red);
    EXPECT_EQ(c.symbolShape, 1);
    EXPECT_EQ(c.yOffset, -25);
    EXPECT_EQ(model.settings.x.minimum, 100);
    EXPECT_EQ(model.settings.xColumn, 3);

    // A pattern or a missing file is refused before anything is stored.
    for (const std::string& name : {path("*.dat"), path("none.dat")}) {
        OpenDisplayValues refused = v;
        refused.cacheIndex = 4;
        refused.fileName = name;
        EXPECT_FALSE(ApplyOpenDisplay(model, refused, sink));
        EXPECT_EQ(model.caches[3].penStyle, PenStyle::Solid);
    }
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"Data file not found: " + path("*.dat") + ".",
                                                     "Data file not found: " + path("none.dat") + "."}));

    // Without loading, only the style changes; the axes fit the data already held.
    v.loadFile = false;
    v.fileName = path("none.dat");
    v.penStyle = PenStyle::Dot;
    model.settings.x.minimum = -5;
    ASSERT_TRUE(ApplyOpenDisplay(model, v, sink));
    EXPECT_EQ(c.penStyle, PenStyle::Dot);
    EXPECT_EQ(c.points.size(), 2u);
    EXPECT_EQ(model.settings.x.minimum, 100);
}

TEST(GrapherModelTest, CacheIndexTextAndEmptyData) {
    RecordingSink sink;
    EXPECT_EQ(CacheIndexOrDefault("7", sink), 7);
    EXPECT_TRUE(sink.entries().empty());
    for (const char* bad : {"0", "11", "-3", "x", ""}) EXPECT_EQ(CacheIndexOrDefault(bad, sink), 1);
    EXPECT_EQ(sink.texts(),
              std::vector<std::string>(5, "Invalid cache index - resetting to default (1)."));

    GrapherModel model = Defaults();
    for (DataCache& c : model.caches) c.points = {{1, 1}};
    EmptyDataTicks ticks{};
    ticks[1] = ticks[9] = true;
    EmptyCaches(model, ticks);
    EXPECT_TRUE(model.caches[1].points.empty());
    EXPECT_TRUE(model.caches[9].points.empty());
    EXPECT_EQ(model.caches[0].points.size(), 1u);
}

TEST(GrapherModelTest, SetUpFillsAndStores) {
    GrapherModel model = Defaults();
    model.caches[2].fileName = "spec.dat";
    model.caches[2].countText = "21";
    EXPECT_EQ(CacheStatusCaption(3, model.caches[2]), "3. spec.dat - 21");
    EXPECT_EQ(RealToText13(123.456L), " 1.2346E+0002");

    GraphSetupMemory memory;
    GraphSetupValues v = FillGraphSetup(model, memory);
    EXPECT_EQ(v.x.maximum, 100);
    EXPECT_EQ(v.xTitle.text, "X-title");
    EXPECT_FALSE(v.xTitle.visible);
    EXPECT_EQ(v.xTitle.x, 388);
    EXPECT_TRUE(v.shown[9]);
    EXPECT_FALSE(v.labels[0].visible);
    EXPECT_EQ(v.labels[0].text, "Label 1");

    struct RangeCase {
        long double minimum, maximum;
        float storedMinimum, storedSpan;
    };
    for (const RangeCase& c : {RangeCase{5, 2, 5, 3}, RangeCase{4, 4, 4, 1},
                               RangeCase{1e-50L, 2e-50L, 0, 1}, RangeCase{-1e50L, 1e50L, -FLT_MAX, FLT_MAX}}) {
        v.x.minimum = c.minimum;
        v.x.maximum = c.maximum;
        ApplyGraphSetup(model, v, memory);
        EXPECT_EQ(model.settings.x.minimum, c.storedMinimum);
        EXPECT_EQ(model.settings.x.span, c.storedSpan);
    }

    v.xTitle = {true, std::string(60, 'x'), 30, 40};
    v.shown[3] = false;
    v.labels[2] = {true, "peak", 100, 50};
    v.xTicks = 0;
    ApplyGraphSetup(model, v, memory);
    EXPECT_EQ(model.xTitle.text, std::string(50, 'x'));
    EXPECT_TRUE(model.xTitle.visible);
    EXPECT_EQ(model.xTitle.x, 30);
    EXPECT_FALSE(model.caches[3].shown);
    EXPECT_TRUE(model.labels[2].visible);
    EXPECT_EQ(model.settings.x.ticks, 0);

    // The dialog's own fields come back from its memory, positions from the grapher.
    model.xTitle.visible = false;
    model.xTitle.x = 7;
    model.labels[2].visible = false;
    const GraphSetupValues again = FillGraphSetup(model, memory);
    EXPECT_TRUE(again.xTitle.visible);
    EXPECT_EQ(again.xTitle.x, 7);
    EXPECT_FALSE(again.shown[3]);
    EXPECT_TRUE(again.labels[2].visible);
}

}  // namespace
