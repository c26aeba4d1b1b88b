#include "displacements/ReferenceTable.h"

#include <algorithm>

#include "SingleReal.h"

namespace halvern {

namespace {

ReferenceEntry EntryOf(const TOslRecord& r) {
    return {{r.rx, r.ry, r.rz}, {r.px, r.py, r.pz}};
}

// Beyond the single range the difference is infinite, as the hardware gives it.
float Difference(float later, float reference) {
    return ToSingle(static_cast<long double>(later) - reference);
}

}  // namespace

void ReferenceTable::prepare(int32_t largestIndex, int64_t records) {
    dense_.clear();
    sparse_.clear();
    const int64_t entries = static_cast<int64_t>(std::max(largestIndex, 0)) + 1;
    if (entries <= std::max(kDenseMinimum, 4 * records))
        dense_.assign(static_cast<size_t>(entries), ReferenceEntry{});
    else
        sparse_.reserve(static_cast<size_t>(std::min(records, kDenseMinimum)));
}

void ReferenceTable::store(const TOslRecord& record) {
    if (record.rw < 0) return;
    if (dense()) {
        if (static_cast<size_t>(record.rw) < dense_.size()) dense_[record.rw] = EntryOf(record);
        return;
    }
    sparse_[record.rw] = EntryOf(record);
}

const ReferenceEntry& ReferenceTable::find(int32_t index) const {
    if (dense()) {
        if (index >= 0 && static_cast<size_t>(index) < dense_.size()) return dense_[index];
        return zero_;
    }
    const auto it = sparse_.find(index);
    return it == sparse_.end() ? zero_ : it->second;
}

TOslRecord Displacement(const TOslRecord& later, const ReferenceEntry& reference) {
    TOslRecord d = later;
    d.rx = Difference(later.rx, reference.position[0]);
    d.ry = Difference(later.ry, reference.position[1]);
    d.rz = Difference(later.rz, reference.position[2]);
    d.px = Difference(later.px, reference.momentum[0]);
    d.py = Difference(later.py, reference.momentum[1]);
    d.pz = Difference(later.pz, reference.momentum[2]);
    return d;
}

}  // namespace halvern
