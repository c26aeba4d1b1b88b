#include "grapher/GraphSetup.h"

#include <cmath>

#include "NumberText.h"
#include "ShortString.h"

namespace halvern {

namespace {

SetupAxis AxisValues(const AxisSettings& axis) {
    SetupAxis v;
    v.minimum = axis.minimum;
    v.maximum = static_cast<long double>(axis.minimum) + axis.span;
    v.length = axis.length;
    v.labelH = axis.labelH;
    v.labelV = axis.labelV;
    v.labelChars = axis.labelChars;
    v.labelScale = axis.labelScale;
    v.labelInterval = axis.labelInterval;
    return v;
}

void StoreAxis(AxisSettings& axis, const SetupAxis& v, int32_t ticks) {
    axis.minimum = ClampToFloat(v.minimum);
    axis.span = ClampToFloat(std::fabs(v.maximum - v.minimum));
    if (axis.span == 0) axis.span = 1;
    axis.length = ClampToFloat(v.length);
    axis.labelH = v.labelH;
    axis.labelV = v.labelV;
    axis.labelChars = v.labelChars;
    axis.labelScale = ClampToFloat(v.labelScale);
    axis.labelInterval = v.labelInterval;
    axis.ticks = ticks;
}

SetupText TextValues(const GraphText& item) { return {item.visible, item.text, item.x, item.y}; }

void StoreText(GraphText& item, const SetupText& v) {
    item.visible = v.visible;
    item.text = CutTo(v.text, kGraphTextMax);
    item.x = v.x;
    item.y = v.y;
}

// The dialog's own text and tick with the grapher's position; a title the picture shows (a
// spectrum's) as it is, so that OK does not put an older one back over it.
SetupText Remembered(const SetupText& memory, const GraphText& item) {
    if (item.visible) return TextValues(item);
    return {memory.visible, memory.text, item.x, item.y};
}

}  // namespace

std::string RealToText13(long double x) { return CutTo(FormatScientific(x, 13), 13); }

std::string CacheStatusCaption(int index, const DataCache& cache) {
    return std::to_string(index) + ". " + cache.fileName + " - " + cache.countText;
}

GraphSetupValues FillGraphSetup(const GrapherModel& model, const GraphSetupMemory& memory) {
    const GrapherSettings& s = model.settings;
    GraphSetupValues v;
    v.x = AxisValues(s.x);
    v.y = AxisValues(s.y);
    v.xTicks = s.x.ticks;
    v.yTicks = s.y.ticks;
    v.tickLength = s.tickLength;
    v.axesWidth = s.axesWidth;
    v.axesColour = s.axesColour;
    v.drawX = s.x.draw;
    v.drawY = s.y.draw;
    v.fourSides = s.fourSides;
    v.clip = s.clip;
    v.mainTitle = TextValues(model.mainTitle);
    v.xTitle = Remembered(memory.xTitle, model.xTitle);
    v.yTitle = Remembered(memory.yTitle, model.yTitle);
    v.shown = memory.shown;
    for (size_t i = 0; i < kLabelCount; ++i) {
        v.labels[i] = TextValues(model.labels[i]);
        v.labels[i].visible = memory.labelsVisible[i];
    }
    return v;
}

void ApplyGraphSetup(GrapherModel& model, const GraphSetupValues& v, GraphSetupMemory& memory) {
    GrapherSettings& s = model.settings;
    StoreAxis(s.x, v.x, v.xTicks);
    StoreAxis(s.y, v.y, v.yTicks);
    s.tickLength = v.tickLength;
    s.axesWidth = v.axesWidth;
    s.axesColour = v.axesColour;
    s.x.draw = v.drawX;
    s.y.draw = v.drawY;
    s.fourSides = v.fourSides;
    s.clip = v.clip;
    StoreText(model.mainTitle, v.mainTitle);
    StoreText(model.xTitle, v.xTitle);
    StoreText(model.yTitle, v.yTitle);
    memory.xTitle = {v.xTitle.visible, CutTo(v.xTitle.text, kGraphTextMax), 0, 0};
    memory.yTitle = {v.yTitle.visible, CutTo(v.yTitle.text, kGraphTextMax), 0, 0};
    memory.shown = v.shown;
    for (size_t i = 0; i < kCacheCount; ++i) model.caches[i].shown = v.shown[i];
    for (size_t i = 0; i < kLabelCount; ++i) {
        StoreText(model.labels[i], v.labels[i]);
        memory.labelsVisible[i] = v.labels[i].visible;
    }
}

}  // namespace halvern
