// The expression parsers' error dialog: the report in a fixed-pitch font with its caret line.
#pragma once

#include <memory>
#include <string>

#include "ParseErrorLayout.h"

class QDialog;
class QFontMetrics;

namespace halvern {

// The extent of "A".."Z" then "a".."z": width div 52, and the height.
CharSize AverageCharSize(const QFontMetrics& metrics);

// The dialog, laid out and centred on the screen, not yet shown (CR in the text starts a line).
std::unique_ptr<QDialog> MakeParseErrorDialog(const std::string& title, const std::string& text);

// Shows the dialog modally, then frees it.
void ShowParseError(const std::string& title, const std::string& text);

}  // namespace halvern
