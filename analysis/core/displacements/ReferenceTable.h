// The reference records of the displacements: the positions and momenta of file 1 by particle
// index. A dense table while the largest index is moderate for the file's size, a hash map
// beyond, so a corrupt index cannot drive the allocation.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "OslRecord.h"

namespace halvern {

struct ReferenceEntry {
    float position[3] = {0, 0, 0};
    float momentum[3] = {0, 0, 0};
};

class ReferenceTable {
  public:
    // The dense table holds indexes 0..largest when largest + 1 is at most the larger of this
    // and four times the file's record count.
    static constexpr int64_t kDenseMinimum = int64_t{1} << 20;

    // Sizes the table for file 1: its largest non-negative index and its record count.
    void prepare(int32_t largestIndex, int64_t records);
    // A later record of the same index replaces an earlier one; a negative index has no entry.
    void store(const TOslRecord& record);
    // The entry of an index; zeros for one without a record.
    const ReferenceEntry& find(int32_t index) const;
    bool dense() const { return !dense_.empty(); }

  private:
    std::vector<ReferenceEntry> dense_;
    std::unordered_map<int32_t, ReferenceEntry> sparse_;
    ReferenceEntry zero_;
};

// The record of file 2 with its positions and momenta less those of the reference, each
// difference taken in extended precision and stored in single; time, mass, index and run stay.
TOslRecord Displacement(const TOslRecord& later, const ReferenceEntry& reference);

}  // namespace halvern
