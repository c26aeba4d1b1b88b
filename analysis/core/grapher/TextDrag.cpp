#include "grapher/TextDrag.h"

namespace halvern {

namespace {

bool Hit(const GraphText& item, int32_t x, int32_t y) {
    return item.visible && item.x <= x && x <= item.x + kDragReach && item.y <= y &&
           y <= item.y + kDragReach;
}

GraphText* ItemOfKind(GrapherModel& model, int32_t kind) {
    switch (kind) {
        case kMainTitle:
            return &model.mainTitle;
        case kXTitle:
            return &model.xTitle;
        case kYTitle:
            return &model.yTitle;
        default:
            if (kind >= kFirstLabel && kind < kFirstLabel + kLabelCount)
                return &model.labels[static_cast<size_t>(kind - kFirstLabel)];
            return nullptr;
    }
}

// The item where the picture shows it.
GraphText AsDrawn(const GraphText& item, const std::vector<PlacedText>& drawn) {
    GraphText shown = item;
    for (const PlacedText& text : drawn) {
        if (text.kind != item.kind) continue;
        shown.x = text.topLeft.x;
        shown.y = text.topLeft.y;
    }
    return shown;
}

}  // namespace

std::vector<GraphText> PressAt(GrapherModel& model, int32_t x, int32_t y,
                               const std::vector<PlacedText>& drawn) {
    for (const GraphText* title : {&model.mainTitle, &model.xTitle, &model.yTitle}) {
        const GraphText shown = AsDrawn(*title, drawn);
        if (Hit(shown, x, y)) {
            model.dragItem = shown;
            return {shown};
        }
    }
    std::vector<GraphText> hits;
    for (const GraphText& label : model.labels) {
        const GraphText shown = AsDrawn(label, drawn);
        if (Hit(shown, x, y)) {
            hits.push_back(shown);
            model.dragItem = shown;
        }
    }
    return hits;
}

bool ReleaseAt(GrapherModel& model, int32_t x, int32_t y) {
    GraphText* target = ItemOfKind(model, model.dragItem.kind);
    model.dragItem.kind = kNoGraphText;
    if (target == nullptr) return false;
    GraphText placed = model.dragItem;
    placed.kind = target->kind;
    placed.x = x;
    placed.y = y;
    *target = placed;
    return true;
}

}  // namespace halvern
