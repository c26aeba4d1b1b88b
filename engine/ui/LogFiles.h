// The log's file commands: "S&ave editor to file" (a name ending in ".RTF", in any case, gives
// rich text, any other plain text) and "&Load file into editor" (a file that begins with
// "{\rtf" is rich text). "&Print log" is PrintTextEdit.
#pragma once

class QWidget;

namespace halvern {

class RichEditEx;

// Each returns true when it did its work; a file that cannot be written or read is reported
// with its name, and a log that could not be loaded keeps its lines.
bool SaveLogToFile(RichEditEx& log, QWidget* parent);
bool LoadFileIntoLog(RichEditEx& log, QWidget* parent);

}  // namespace halvern
