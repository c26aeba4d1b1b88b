// Where a printed picture goes on the page: one-inch margins, the picture's aspect kept.
#pragma once

#include <cstdint>

namespace halvern {

struct PageRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
};

// The picture spans the page's width inside the margins, with its height from its aspect ratio;
// a picture too tall for that is scaled down to the height inside the margins. Sizes in device
// pixels; an empty rectangle when the picture or the room for it is empty.
PageRect HardcopyRect(int32_t pictureWidth, int32_t pictureHeight, int32_t pageWidth,
                      int32_t pageHeight, int32_t dpiX, int32_t dpiY);

}  // namespace halvern
