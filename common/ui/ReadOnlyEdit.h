// A read-only edit that shows a result or a chosen name, about `chars` characters wide.
#pragma once

#include <QLineEdit>

namespace halvern {

QLineEdit* MakeReadOnlyEdit(QWidget* parent, const char* name, int chars, const QString& text = {});

// Read-only, with the window's background instead of an edit's, so that it does not look as if
// it could be typed in; its text can still be selected and copied.
void MakeReadOnly(QLineEdit* edit);

}  // namespace halvern
