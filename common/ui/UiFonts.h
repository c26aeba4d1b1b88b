// The kit's two font families, with a style hint so that a metric-compatible fallback is used.
#pragma once

#include <QFont>

namespace halvern {

// pointSize <= 0 keeps the application's size.
QFont CourierNewFont(int pointSize = 0);
QFont MsSansSerifFont(int pointSize = 0);
// A family that falls back to a serif face where it is not installed ("Book Antiqua").
QFont SerifFamilyFont(const QString& family, int pointSize = 0);
QFont BookAntiquaFont(int pointSize = 0);

}  // namespace halvern
