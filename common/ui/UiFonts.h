// The kit's two font families, with a style hint so that a metric-compatible fallback is used.
#pragma once

#include <QFont>

namespace halvern {

// pointSize <= 0 keeps the application's size.
QFont CourierNewFont(int pointSize = 0);
QFont MsSansSerifFont(int pointSize = 0);

}  // namespace halvern
