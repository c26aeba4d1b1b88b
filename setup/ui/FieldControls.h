// Numeric edits made from the core's field specifications (bounds, width, default text).
#pragma once

#include "FltEdit.h"
#include "text/FieldSpec.h"

namespace velkor {

halvern::TFloatEdit* MakeFloatEdit(QWidget* parent, const char* name, const RealFieldSpec& spec);
halvern::TIntegerEdit* MakeIntegerEdit(QWidget* parent, const char* name, const IntFieldSpec& spec);

// F1 in the window shows the page of its help context.
void AddHelpKey(QWidget* window, int context);

}  // namespace velkor
