// The grapher's picture leaving the window: a bitmap file and the printer.
#pragma once

#include <QImage>
#include <string>

#include "MessageSink.h"

class QPrinter;

namespace brisal {

// Writes the picture as a Windows bitmap; a failure is reported and the old file stays.
bool SavePictureAsBitmap(halvern::MessageSink& sink, const QImage& picture,
                         const std::string& fileName);

// Prints the picture inside one-inch margins with its aspect kept, as many times as the
// printer does not copy by itself; false when the printer could not be used.
bool PrintPicture(QPrinter& printer, const QImage& picture);

}  // namespace brisal
