#include "grapher/PixelRuns.h"

#include <algorithm>

namespace halvern {

void LineRunBuilder::push(const Pixel& p) {
    if (run_.empty() || !(run_.back() == p)) run_.push_back(p);
}

void LineRunBuilder::flushColumn() {
    if (!inColumn_) return;
    push(first_);
    push({first_.x, lowest_});
    push({first_.x, highest_});
    push(last_);
    inColumn_ = false;
}

void LineRunBuilder::add(const Pixel& p) {
    if (!squeeze_) {
        push(p);
        return;
    }
    if (inColumn_ && p.x == first_.x) {
        last_ = p;
        lowest_ = std::min(lowest_, p.y);
        highest_ = std::max(highest_, p.y);
        return;
    }
    flushColumn();
    inColumn_ = true;
    first_ = last_ = p;
    lowest_ = highest_ = p.y;
}

void LineRunBuilder::breakRun() {
    flushColumn();
    if (!run_.empty()) runs_.push_back(std::move(run_));
    run_.clear();
}

std::vector<std::vector<Pixel>> LineRunBuilder::finish() {
    breakRun();
    return std::move(runs_);
}

std::vector<Pixel> VisibleSymbolCentres(const std::vector<Pixel>& centres, int32_t width,
                                        int32_t height, int32_t reach) {
    reach = std::max(reach, 0);
    const int64_t columns = static_cast<int64_t>(std::max(width, 0)) + 2 * reach + 1;
    const int64_t rows = static_cast<int64_t>(std::max(height, 0)) + 2 * reach + 1;
    std::vector<bool> taken(static_cast<size_t>(columns * rows), false);
    std::vector<Pixel> kept;
    for (auto c = centres.rbegin(); c != centres.rend(); ++c) {
        const int64_t col = static_cast<int64_t>(c->x) + reach;
        const int64_t row = static_cast<int64_t>(c->y) + reach;
        if (col < 0 || col >= columns || row < 0 || row >= rows) continue;
        const size_t cell = static_cast<size_t>(row * columns + col);
        if (taken[cell]) continue;
        taken[cell] = true;
        kept.push_back(*c);
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}

}  // namespace halvern
