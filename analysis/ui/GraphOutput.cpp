#include "GraphOutput.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QPrinter>
#include <string_view>

#include "FileSafety.h"
#include "grapher/HardcopyRect.h"
#include "processes/ProcessFiles.h"

namespace brisal {

bool SavePictureAsBitmap(halvern::MessageSink& sink, const QImage& picture,
                         const std::string& fileName) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP")) {
        sink.error(halvern::ErrorWritingText(fileName));
        return false;
    }
    const halvern::WriteOutcome written = halvern::WriteFileReplacing(
        fileName, std::string_view(bytes.constData(), size_t(bytes.size())));
    if (!written) sink.error(written.failureText(halvern::ErrorWritingText(fileName)));
    return bool(written);
}

bool PrintPicture(QPrinter& printer, const QImage& picture) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const halvern::PageRect r =
        halvern::HardcopyRect(picture.width(), picture.height(), printer.width(),
                              printer.height(), printer.logicalDpiX(), printer.logicalDpiY());
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(printer.copyCount(), 1);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0) printer.newPage();
        if (!r.empty())
            painter.drawImage(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), picture);
    }
    return painter.end();
}

}  // namespace brisal
