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

}  // namespace

std::vector<GraphText> PressAt(GrapherModel& model, int32_t x, int32_t y) {
    for (const GraphText* title : {&model.mainTitle, &model.xTitle, &model.yTitle}) {
        if (Hit(*title, x, y)) {
            model.dragItem = *title;
            return {*title};
        }
    }
    std::vector<GraphText> hits;
    for (const GraphText& label : model.labels) {
        if (Hit(label, x, y)) {
            hits.push_back(label);
            model.dragItem = label;
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
