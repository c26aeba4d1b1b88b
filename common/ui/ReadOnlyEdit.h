// A read-only edit that shows a result, about `chars` characters wide.
#pragma once

#include <QLineEdit>

namespace halvern {

QLineEdit* MakeReadOnlyEdit(QWidget* parent, const char* name, int chars, const QString& text = {});

}  // namespace halvern
