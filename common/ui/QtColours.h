// The kit's 0x00BBGGRR colour values as Qt colours.
#pragma once

#include <QColor>

#include "Colours.h"

namespace halvern {

inline QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

inline ColourRef ToColourRef(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<ColourRef>(rgb.red()) | static_cast<ColourRef>(rgb.green()) << 8 |
           static_cast<ColourRef>(rgb.blue()) << 16;
}

}  // namespace halvern
