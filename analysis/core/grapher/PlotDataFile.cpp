#include "grapher/PlotDataFile.h"

#include "ShortString.h"
#include "grapher/ColumnFile.h"

namespace halvern {

namespace {

void ShowTitle(GraphText& item, const std::string& text) {
    if (text.empty()) return;
    item.text = CutTo(text, kGraphTextMax);
    item.visible = true;
}

}  // namespace

void PlotDataFile(GrapherModel& model, const PlotDataRequest& request, MessageSink& sink) {
    if (!FileNameFits(request.fileName)) {
        sink.error(FileNameTooLongText(request.fileName));
        return;
    }
    DataCache& cache = CacheAt(model, IsCacheIndex(request.cacheIndex) ? request.cacheIndex : 1);
    cache.fileName = request.fileName;
    model.settings.xColumn = request.xColumn;
    model.settings.yColumn = request.yColumn;
    if (request.smallSymbols) {
        cache.symbolSize = 1;
        cache.symbolsOn = true;
    }
    if (request.largeSymbols) {
        cache.symbolSize = 2;
        cache.symbolsOn = true;
    }
    cache.penStyle = request.line ? PenStyle::Solid : PenStyle::Clear;
    LoadCache(cache, model.settings.xColumn, model.settings.yColumn, sink);
    FitAxes(model.settings, cache);
    model.mainTitle.x = 60;
    model.mainTitle.y = 0;
    model.mainTitle.text = CutTo(request.title, kGraphTextMax);
    model.mainTitle.visible = true;
    ShowTitle(model.xTitle, request.xTitle);
    ShowTitle(model.yTitle, request.yTitle);
}

}  // namespace halvern
