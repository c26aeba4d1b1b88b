#include "ReadOnlyEdit.h"

namespace halvern {

QLineEdit* MakeReadOnlyEdit(QWidget* parent, const char* name, int chars, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) +
                          16);
    return edit;
}

}  // namespace halvern
