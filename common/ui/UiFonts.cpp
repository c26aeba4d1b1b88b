#include "UiFonts.h"

#include <QApplication>

namespace halvern {

namespace {

QFont FamilyFont(const QString& family, QFont::StyleHint hint, int pointSize) {
    QFont font = QApplication::font();
    font.setFamily(family);
    font.setStyleHint(hint);
    if (pointSize > 0) font.setPointSize(pointSize);
    return font;
}

}  // namespace

QFont CourierNewFont(int pointSize) {
    QFont font = FamilyFont(QStringLiteral("Courier New"), QFont::TypeWriter, pointSize);
    font.setFixedPitch(true);
    return font;
}

QFont MsSansSerifFont(int pointSize) {
    return FamilyFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif, pointSize);
}

QFont SerifFamilyFont(const QString& family, int pointSize) {
    return FamilyFont(family, QFont::Serif, pointSize);
}

QFont BookAntiquaFont(int pointSize) {
    return SerifFamilyFont(QStringLiteral("Book Antiqua"), pointSize);
}

}  // namespace halvern
