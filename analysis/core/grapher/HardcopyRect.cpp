#include "grapher/HardcopyRect.h"

#include <cmath>

namespace halvern {

PageRect HardcopyRect(int32_t pictureWidth, int32_t pictureHeight, int32_t pageWidth,
                      int32_t pageHeight, int32_t dpiX, int32_t dpiY) {
    PageRect r{dpiX, dpiY, dpiX, dpiY};
    const double roomWidth = static_cast<double>(pageWidth) - 2.0 * dpiX;
    const double roomHeight = static_cast<double>(pageHeight) - 2.0 * dpiY;
    if (pictureWidth <= 0 || pictureHeight <= 0 || roomWidth <= 0 || roomHeight <= 0) return r;
    const double ratio = static_cast<double>(pictureHeight) / pictureWidth;
    double width = roomWidth;
    double height = std::trunc(roomWidth * ratio);
    if (height > roomHeight) {
        height = roomHeight;
        width = std::trunc(roomHeight / ratio);
    }
    r.right = r.left + static_cast<int32_t>(width);
    r.bottom = r.top + static_cast<int32_t>(height);
    return r;
}

}  // namespace halvern
