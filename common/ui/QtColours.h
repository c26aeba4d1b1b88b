// The kit's 0x00BBGGRR colour values as Qt colours.
#pragma once

#include <QColor>

#include "Colours.h"

namespace halvern {

inline QColor ToQColor(ColourRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace halvern
