// Pictures and embedded objects inside a QTextDocument: each stands for one object character
// whose format carries the shared, unchanging picture or object, drawn by one handler that every
// rich-text document registers (printing copies it with the document).
#pragma once

#include <QObject>
#include <QSizeF>
#include <QTextCharFormat>
#include <QTextObjectInterface>
#include <memory>
#include <optional>
#include <string>

#include "richtext/RichDoc.h"

Q_DECLARE_METATYPE(std::shared_ptr<const halvern::RichPicture>)
Q_DECLARE_METATYPE(std::shared_ptr<const halvern::RichObject>)

class QImage;
class QMimeData;
class QTextCursor;
class QTextDocument;

namespace halvern {

enum RichItemFormat : int {
    kPictureObjectType = QTextFormat::UserObject + 17,
    kEmbeddedObjectType = QTextFormat::UserObject + 18,
    kItemPayloadProperty = QTextFormat::UserProperty + 17,
};

// The picture or object a character's format stands for; null for any other character.
std::shared_ptr<const RichPicture> PictureOf(const QTextFormat& format);
std::shared_ptr<const RichObject> ObjectOf(const QTextFormat& format);

QTextCharFormat PictureCharFormat(std::shared_ptr<const RichPicture> picture,
                                  QTextCharFormat base = {});
QTextCharFormat ObjectCharFormat(std::shared_ptr<const RichObject> object,
                                 QTextCharFormat base = {});

// The size an item is shown at on a 96 dpi screen, in pixels (15 twips each).
QSizeF ShownSize(const RichPicture& picture);
QSizeF ShownSize(const RichObject& object);

// Draws pictures, and objects as their picture; what cannot be decoded as a named placeholder.
class RichItemHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
  public:
    using QObject::QObject;
    QSizeF intrinsicSize(QTextDocument* doc, int position, const QTextFormat& format) override;
    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc, int position,
                    const QTextFormat& format) override;
};

// Registers the handler with the document's layout (once); false when the document has none.
bool RegisterRichItemHandler(QTextDocument* doc);
bool HasRichItemHandler(QTextDocument* doc);

// The image as the bytes of a PNG file, the form pictures are kept in.
std::string PngBytes(const QImage& image);

// The picture an object of a file shows: for its content, the file's own image when it is one;
// otherwise, and for the icon, the file type's icon over the file's name.
RichPicture ObjectResultPicture(const std::string& fileName, const std::string& bytes,
                                ObjectAspect aspect);

// A picture on the clipboard: PNG and JPEG as their own bytes, any other image (a bitmap) as
// PNG, shown at its pixel size. None when the data holds no image that decodes.
bool HoldsPicture(const QMimeData& data);
std::optional<RichPicture> ClipboardPicture(const QMimeData& data);

// The document positions of an object's characters (the same object may stand more than once).
std::vector<int> ItemPositions(const QTextDocument& doc, const void* item);

}  // namespace halvern
