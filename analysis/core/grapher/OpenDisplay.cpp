#include "grapher/OpenDisplay.h"

#include "FileSafety.h"
#include "NumberText.h"
#include "ShortString.h"
#include "grapher/ColumnFile.h"
#include "miscutil.h"

namespace halvern {

int32_t CacheIndexOrDefault(const std::string& text, MessageSink& sink) {
    int32_t index = 0;
    if (ParseInt32(text, index) && IsCacheIndex(index)) return index;
    ShowError(sink, "Invalid cache index - resetting to default (1).");
    return 1;
}

bool DataFileFound(const std::string& name) { return !HasWildcards(name) && FileExists(name); }

std::string DataFileNotFoundText(const std::string& name) {
    return "Data file not found: " + name + ".";
}

bool ApplyOpenDisplay(GrapherModel& model, const OpenDisplayValues& values, MessageSink& sink) {
    if (values.loadFile && !FileNameFits(values.fileName)) {
        sink.error(FileNameTooLongText(values.fileName));
        return false;
    }
    if (values.loadFile && !DataFileFound(values.fileName)) {
        sink.error(DataFileNotFoundText(values.fileName));
        return false;
    }
    const int32_t index = IsCacheIndex(values.cacheIndex) ? values.cacheIndex : 1;
    DataCache& cache = CacheAt(model, index);
    cache.penStyle = values.penStyle;
    cache.symbolShape = static_cast<int32_t>(values.shape);
    cache.symbolSize = values.symbolSize;
    cache.penWidth = values.penWidth;
    cache.penColour = values.penColour;
    cache.symbolsOn = values.symbolsOn;
    model.settings.xColumn = values.xColumn;
    model.settings.yColumn = values.yColumn;
    cache.yOffset = -values.yOffset;
    if (values.loadFile) {
        cache.fileName = values.fileName;
        LoadCache(cache, model.settings.xColumn, model.settings.yColumn, sink);
    }
    if (values.fitAxes) FitAxes(model.settings, cache);
    return true;
}

void EmptyCaches(GrapherModel& model, const EmptyDataTicks& ticks) {
    for (int i = 0; i < kCacheCount; ++i)
        if (ticks[static_cast<size_t>(i)]) FreeCache(model.caches[static_cast<size_t>(i)]);
}

}  // namespace halvern
