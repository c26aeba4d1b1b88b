#include "grapher/PenPreview.h"

namespace halvern {

DisplayList PenPreview(int32_t width, int32_t height, const PenSpec& pen, bool symbols,
                       int32_t symbolSize, bool squares) {
    DisplayList list;
    list.width = width;
    list.height = height;
    const int32_t middle = height / 2;
    if (pen.style != PenStyle::Clear) list.lines.push_back({pen, {{{0, middle}, {width, middle}}}});
    if (symbols) {
        CacheSymbols marks{{pen.colour, pen.width, PenStyle::Solid}, symbolSize, squares, {}};
        for (int32_t k = 1; k <= 5; ++k) marks.centres.push_back({width / k, middle});
        list.symbols.push_back(std::move(marks));
    }
    return list;
}

}  // namespace halvern
