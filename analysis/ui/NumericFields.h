// Numeric fields of the dialogs: made with their name, default text and bounds, read back as
// numbers once the dialog has validated them.
#pragma once

#include <cstdint>

#include "FltEdit.h"

namespace brisal {

halvern::TFloatEdit* RealField(const char* name, const char* text, long double min,
                               long double max);
halvern::TIntegerEdit* IntegerField(const char* name, const char* text, int32_t min, int32_t max);

// The value of a field; a text that is no number throws the conversion error, which the
// handler guard shows (the dialogs validate their fields first, so this is a backstop).
long double RealValue(const halvern::TFloatEdit& edit);
int32_t IntegerValue(const halvern::TIntegerEdit& edit);

}  // namespace brisal
