// Fewer points for the painter with the same picture: a dense cache maps many points onto one
// pixel column, and many symbols onto one place.
#pragma once

#include <cstdint>
#include <vector>

#include "grapher/GraphLayout.h"

namespace halvern {

// Collects a cache's line run by run. With `squeezeColumns` (solid pens), of the points in a row
// that share a pixel column only the first, the lowest, the highest and the last are kept: the
// vertical strokes between them cover exactly what all of them covered. A dash pattern counts
// the length drawn, so other pens keep every point that moves.
class LineRunBuilder {
  public:
    explicit LineRunBuilder(bool squeezeColumns) : squeeze_(squeezeColumns) {}
    void add(const Pixel& p);
    // A point without a pixel: the line breaks there.
    void breakRun();
    std::vector<std::vector<Pixel>> finish();

  private:
    void flushColumn();
    void push(const Pixel& p);

    bool squeeze_;
    bool inColumn_ = false;
    Pixel first_;
    Pixel last_;
    int32_t lowest_ = 0;
    int32_t highest_ = 0;
    std::vector<Pixel> run_;
    std::vector<std::vector<Pixel>> runs_;
};

// The symbols that reach into a picture of this size, each place once, at its last turn: a later
// symbol at the same place covers the earlier one and everything drawn between on it, so the
// picture stays the same. `reach` is how far a symbol extends from its centre.
std::vector<Pixel> VisibleSymbolCentres(const std::vector<Pixel>& centres, int32_t width,
                                        int32_t height, int32_t reach);

}  // namespace halvern
