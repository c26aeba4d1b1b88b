#include "RichObjects.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMimeData>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <unordered_map>

#include "DisplayText.h"

namespace halvern {

namespace {

constexpr qreal kTwipsPerPixel = 15;  // at 96 dpi
constexpr qreal kScreenDpi = 96;
const QSizeF kPlaceholderSize(96, 64);

// Decoded pictures, kept while their picture lives.
struct DecodedPicture {
    std::weak_ptr<const RichPicture> owner;
    QImage image;
};

QImage DecodedImage(const std::shared_ptr<const RichPicture>& picture) {
    static std::unordered_map<const RichPicture*, DecodedPicture> cache;
    if (picture->format == PictureFormat::Other) return {};
    auto it = cache.find(picture.get());
    if (it != cache.end() && !it->second.owner.expired()) return it->second.image;
    if (cache.size() > 64) cache.clear();
    QImage image = QImage::fromData(
        QByteArrayView(picture->data.data(), static_cast<qsizetype>(picture->data.size())));
    cache[picture.get()] = {picture, image};
    return image;
}

QSizeF TwipsSize(int32_t width, int32_t height) {
    return QSizeF(width / kTwipsPerPixel, height / kTwipsPerPixel);
}

// The picture an item shows, sharing the item's life.
std::shared_ptr<const RichPicture> ShownPicture(const QTextFormat& format) {
    if (auto picture = PictureOf(format)) return picture;
    if (auto object = ObjectOf(format))
        return std::shared_ptr<const RichPicture>(object, &object->result);
    return nullptr;
}

void DrawPlaceholder(QPainter* painter, const QRectF& rect, const QString& name) {
    painter->save();
    painter->setPen(QPen(Qt::darkGray, 0, Qt::DashLine));
    painter->setBrush(QColor(235, 235, 235));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->setPen(Qt::darkGray);
    QFont font;  // the application's, small: the name must fit the picture's frame
    font.setPointSizeF(7);
    painter->setFont(font);
    const QString shown = QFontMetrics(font).elidedText(name, Qt::ElideRight, int(rect.width()) - 4);
    painter->drawText(rect, Qt::AlignCenter, shown);
    painter->restore();
}

QString PlaceholderName(const QTextFormat& format) {
    if (auto object = ObjectOf(format))
        return DecodeText(object->className.empty() ? "Object" : object->className);
    const auto picture = PictureOf(format);
    return DecodeText(picture && !picture->kindName.empty() ? picture->kindName : "Picture");
}

// A page with a folded corner, for files whose type has no icon here.
QPixmap PlainFileIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkGray, 1.5));
    p.setBrush(Qt::white);
    const QPointF page[] = {{6, 2}, {20, 2}, {26, 8}, {26, 30}, {6, 30}};
    p.drawPolygon(page, 5);
    p.drawLine(QPointF(20, 2), QPointF(20, 8));
    p.drawLine(QPointF(20, 8), QPointF(26, 8));
    for (int y = 13; y <= 25; y += 4) p.drawLine(QPointF(10, y), QPointF(22, y));
    return pixmap;
}

// The picture formats taken from the clipboard, the ones kept as they are first.
constexpr const char* kPictureMimes[] = {"image/png", "image/jpeg", "image/bmp", "image/x-bmp"};

RichPicture PictureOfImage(const QImage& image, PictureFormat format, std::string bytes) {
    RichPicture picture;
    picture.format = format;
    picture.data = std::move(bytes);
    picture.pixelWidth = image.width();
    picture.pixelHeight = image.height();
    picture.width = static_cast<int32_t>(image.width() * kTwipsPerPixel);
    picture.height = static_cast<int32_t>(image.height() * kTwipsPerPixel);
    return picture;
}

QImage IconImage(const std::string& fileName) {
    const QString name = DecodeText(fileName);
    QPixmap icon = QFileIconProvider().icon(QFileInfo(name)).pixmap(32, 32);
    if (icon.isNull()) icon = PlainFileIcon();
    const QString label = QFileInfo(name).fileName();
    const QFont font;
    const QFontMetrics metrics(font);
    const int width = std::max(64, metrics.horizontalAdvance(label) + 8);
    QImage image(width, 40 + metrics.height(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawPixmap((width - 32) / 2, 4, icon);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 38, width, metrics.height()), Qt::AlignHCenter, label);
    return image;
}

}  // namespace

std::string PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

std::shared_ptr<const RichPicture> PictureOf(const QTextFormat& format) {
    if (format.objectType() != kPictureObjectType) return nullptr;
    return format.property(kItemPayloadProperty).value<std::shared_ptr<const RichPicture>>();
}

std::shared_ptr<const RichObject> ObjectOf(const QTextFormat& format) {
    if (format.objectType() != kEmbeddedObjectType) return nullptr;
    return format.property(kItemPayloadProperty).value<std::shared_ptr<const RichObject>>();
}

QTextCharFormat PictureCharFormat(std::shared_ptr<const RichPicture> picture,
                                  QTextCharFormat base) {
    base.setObjectType(kPictureObjectType);
    base.setProperty(kItemPayloadProperty, QVariant::fromValue(std::move(picture)));
    return base;
}

QTextCharFormat ObjectCharFormat(std::shared_ptr<const RichObject> object, QTextCharFormat base) {
    base.setObjectType(kEmbeddedObjectType);
    base.setProperty(kItemPayloadProperty, QVariant::fromValue(std::move(object)));
    return base;
}

QSizeF ShownSize(const RichPicture& picture) {
    if (picture.width > 0 && picture.height > 0) return TwipsSize(picture.width, picture.height);
    if (picture.pixelWidth > 0 && picture.pixelHeight > 0)
        return QSizeF(picture.pixelWidth, picture.pixelHeight);
    return kPlaceholderSize;
}

QSizeF ShownSize(const RichObject& object) {
    if (object.width > 0 && object.height > 0) return TwipsSize(object.width, object.height);
    return ShownSize(object.result);
}

QSizeF RichItemHandler::intrinsicSize(QTextDocument* doc, int, const QTextFormat& format) {
    QSizeF size = kPlaceholderSize;
    if (auto object = ObjectOf(format)) {
        size = ShownSize(*object);
    } else if (auto picture = PictureOf(format)) {
        size = ShownSize(*picture);
        if (picture->width <= 0 || picture->height <= 0) {
            const QImage image = DecodedImage(picture);
            if (!image.isNull()) size = image.size();
        }
    }
    // Sizes are screen pixels; a printer lays the page out at its own resolution.
    const QPaintDevice* device = doc ? doc->documentLayout()->paintDevice() : nullptr;
    if (device != nullptr)
        size = QSizeF(size.width() * device->logicalDpiX() / kScreenDpi,
                      size.height() * device->logicalDpiY() / kScreenDpi);
    return size;
}

void RichItemHandler::drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                                 const QTextFormat& format) {
    const auto picture = ShownPicture(format);
    const QImage image = picture ? DecodedImage(picture) : QImage();
    if (image.isNull()) {
        DrawPlaceholder(painter, rect, PlaceholderName(format));
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect, image);
    painter->restore();
}

bool RegisterRichItemHandler(QTextDocument* doc) {
    if (doc == nullptr || doc->documentLayout() == nullptr) return false;
    if (HasRichItemHandler(doc)) return true;
    auto* handler = new RichItemHandler(doc);
    handler->setObjectName(QStringLiteral("RichItemHandler"));
    doc->documentLayout()->registerHandler(kPictureObjectType, handler);
    doc->documentLayout()->registerHandler(kEmbeddedObjectType, handler);
    return true;
}

bool HasRichItemHandler(QTextDocument* doc) {
    return doc != nullptr && doc->documentLayout() != nullptr &&
           doc->documentLayout()->handlerForObject(kEmbeddedObjectType) != nullptr;
}

RichPicture ObjectResultPicture(const std::string& fileName, const std::string& bytes,
                                ObjectAspect aspect) {
    QImage image;
    if (aspect == ObjectAspect::Content)
        image = QImage::fromData(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (image.isNull()) image = IconImage(fileName);
    return PictureOfImage(image, PictureFormat::Png, PngBytes(image));
}

bool HoldsPicture(const QMimeData& data) {
    if (data.hasImage()) return true;
    for (const char* mime : kPictureMimes)
        if (data.hasFormat(QLatin1String(mime))) return true;
    return false;
}

std::optional<RichPicture> ClipboardPicture(const QMimeData& data) {
    for (const char* mime : kPictureMimes) {
        const QByteArray bytes = data.data(QLatin1String(mime));
        const QImage image = QImage::fromData(bytes);
        if (image.isNull()) continue;
        const QLatin1String name(mime);
        if (name == QLatin1String("image/png"))
            return PictureOfImage(image, PictureFormat::Png, bytes.toStdString());
        if (name == QLatin1String("image/jpeg"))
            return PictureOfImage(image, PictureFormat::Jpeg, bytes.toStdString());
        return PictureOfImage(image, PictureFormat::Png, PngBytes(image));
    }
    const QImage image = qvariant_cast<QImage>(data.imageData());
    if (image.isNull()) return std::nullopt;
    return PictureOfImage(image, PictureFormat::Png, PngBytes(image));
}

std::vector<int> ItemPositions(const QTextDocument& doc, const void* item) {
    std::vector<int> positions;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const void* here = PictureOf(format) ? static_cast<const void*>(PictureOf(format).get())
                                                 : static_cast<const void*>(ObjectOf(format).get());
            if (here != item || here == nullptr) continue;
            const QString text = fragment.text();
            for (int i = 0; i < text.size(); ++i)
                if (text[i] == QChar::ObjectReplacementCharacter)
                    positions.push_back(fragment.position() + i);
        }
    return positions;
}

}  // namespace halvern
