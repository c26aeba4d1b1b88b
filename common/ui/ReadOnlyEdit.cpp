#include "ReadOnlyEdit.h"

namespace halvern {

QLineEdit* MakeReadOnlyEdit(QWidget* parent, const char* name, int chars, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    MakeReadOnly(edit);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) +
                          16);
    return edit;
}

void MakeReadOnly(QLineEdit* edit) {
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
}

}  // namespace halvern
