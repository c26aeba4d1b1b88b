#include "RichEditEx.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QRubberBand>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QUrl>

#include "DisplayText.h"
#include "FileSafety.h"
#include "HandlerGuard.h"
#include "RichDocAdapter.h"
#include "RichObjects.h"
#include "UiSink.h"
#include "editor/EditorRules.h"
#include "editor/ObjectSize.h"
#include "editor/PlainText.h"
#include "richtext/ObjectPacket.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"

namespace halvern {

namespace {

const QString kRtfMime = QStringLiteral("text/rtf");
const QString kRtfMimeAlias = QStringLiteral("application/rtf");
constexpr int kHandlePixels = 6;
constexpr qreal kTwipsPerPixel = 15;

QString WithoutObjectMarks(QString text) {
    text.remove(QChar::ObjectReplacementCharacter);
    return text;
}

// A cursor over the one character at a position (empty past the last character).
QTextCursor CharacterAt(const QTextDocument* doc, int position) {
    QTextCursor cursor(const_cast<QTextDocument*>(doc));
    if (position < 0 || position + 1 >= doc->characterCount()) return cursor;
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    return cursor;
}

bool IsItem(const QTextFormat& format) {
    return PictureOf(format) != nullptr || ObjectOf(format) != nullptr;
}

bool Resizable(const QTextFormat& format) {
    if (const auto picture = PictureOf(format)) return picture->format != PictureFormat::Other;
    if (const auto object = ObjectOf(format)) return object->kind != ObjectKind::Foreign;
    return false;
}

// A file name that is safe as the name of a temporary copy.
QString CopyName(const std::string& fileName) {
    QString name = QFileInfo(DecodeText(FileNameOf(fileName))).fileName();
    return name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")
               ? QStringLiteral("object")
               : name;
}

// The document's characters as they are, lines joined by '\n' (toPlainText() would make
// no-break spaces blanks and line separators line ends).
std::string DocumentText(const QTextDocument& doc) {
    std::string text;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin()) text += '\n';
        text += CoreText(block.text());
    }
    return text;
}

}  // namespace

RichEditEx::RichEditEx(QWidget* parent) : QTextEdit(parent) {
    setObjectName(QStringLiteral("RichEditEx"));
    RegisterRichItemHandler(document());
    setAcceptRichText(false);
    openWithDesktop = [](const QString& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this,
            [this](const QString& path) { RunGuarded(UiSink(), [&] { embeddedCopyChanged(path); }); });
    viewport()->setMouseTracking(true);
}

// Open objects are closed without saving: their copies go with the window.
RichEditEx::~RichEditEx() = default;

void RichEditEx::setPlainTextMode(bool plain) {
    plainTextMode_ = plain;
}

bool RichEditEx::loadFile(const std::string& path, MessageSink& sink) {
    return load(path, sink, !plainTextMode_);
}

bool RichEditEx::loadFileShowingRtf(const std::string& path, MessageSink& sink) {
    return load(path, sink, true);
}

bool RichEditEx::load(const std::string& path, MessageSink& sink, bool rtfFormatted) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        sink.error(OpenFailureText(ReadErrorText(path), path));
        return false;
    }
    EditorContent content;
    std::string reason;
    if (!ReadEditorContent(bytes, rtfFormatted, content, reason)) {
        sink.error(ReadErrorText(path, reason));
        return false;
    }
    if (content.rich) {
        showRichDoc(content.doc);
        plainTextMode_ = false;
        return true;
    }
    setPlainText(QString::fromUtf8(content.plain.utf8.data(),
                                   static_cast<qsizetype>(content.plain.utf8.size())));
    RegisterRichItemHandler(document());
    document()->clearUndoRedoStacks();
    encoding_ = content.plain.encoding;
    oneEmptyLine_ = content.plain.oneEmptyLine;
    moveCursor(QTextCursor::Start);
    return true;
}

// The document replaced by a rich one; what was there before cannot be undone back into it.
void RichEditEx::showRichDoc(const RichDoc& doc) {
    clear();
    RegisterRichItemHandler(document());
    QTextCursor cursor(document());
    InsertRichDoc(cursor, doc, true);
    document()->clearUndoRedoStacks();
    encoding_ = TextEncoding::Utf8;
    oneEmptyLine_ = false;
    moveCursor(QTextCursor::Start);
}

bool RichEditEx::formatRtfCodes(const std::string& name, MessageSink& sink) {
    const std::string text = DocumentText(*document());
    if (!LooksLikeRtf(text)) return false;
    // The codes as the file held them: the reader takes code page bytes, not characters.
    const RtfReadResult read = ReadRtf(EncodePlainText(text, encoding_));
    if (!read.ok) {
        sink.error(ReadErrorText(name, read.error));
        return false;
    }
    showRichDoc(read.doc);
    return true;
}

bool RichEditEx::saveFile(const std::string& path, bool richText, MessageSink& sink) const {
    const std::string bytes =
        richText ? WriteRtf(RichDocFromDocument(*document(), palette().color(QPalette::Text)))
                 : EncodePlainText(DocumentText(*document()), encoding_, oneEmptyLine_);
    const WriteOutcome written = WriteFileReplacing(path, bytes);
    if (written) return true;
    sink.error(written.failureText(WriteErrorText(path)));
    return false;
}

int RichEditEx::insertObject(const ObjectRequest& request) {
    if (!HasRichItemHandler(document()))
        throw RichEditError("Internal Error : Interface not initialized");
    if (plainTextMode_) throw RichEditError("Internal Error : The object could not be inserted");
    // A new object is embedded: the template's or the blank type's bytes under its name.
    const bool link = request.link && !request.createNew;
    NewObjectFile file{FileNameOf(request.path), {}};
    std::string error;
    if (request.createNew) {
        const auto made = MakeNewObject(request.path, request.blank, error);
        if (!made) throw RichEditError(error);
        file = *made;
    } else if (!ReadFileBytes(request.path, file.bytes)) {
        throw RichEditError(ReadErrorText(request.path));
    }
    auto object = std::make_shared<RichObject>();
    object->className = std::string(kKitObjectClass);
    object->kind = link ? ObjectKind::Linked : ObjectKind::Embedded;
    object->aspect = request.asIcon ? ObjectAspect::Icon : ObjectAspect::Content;
    object->fileName =
        link ? CoreText(QFileInfo(DecodeText(request.path)).absoluteFilePath()) : file.fileName;
    if (!link) object->data = file.bytes;
    object->result = ObjectResultPicture(file.fileName, file.bytes, object->aspect);
    object->width = object->result.width;
    object->height = object->result.height;
    QTextCursor cursor = textCursor();
    const int position = cursor.selectionStart();
    cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                      ObjectCharFormat(std::move(object), cursor.charFormat()));
    setTextCursor(cursor);
    return position;
}

bool RichEditEx::activateObjectAt(int position, MessageSink& sink) {
    const auto object = ObjectOf(CharacterAt(document(), position).charFormat());
    if (!object || object->kind == ObjectKind::Foreign) return false;
    QString path = DecodeText(object->fileName);
    if (object->kind == ObjectKind::Embedded) {
        for (const auto& [copy, open] : openCopies_)
            if (open == object) path = copy;
        if (openCopies_.count(path) == 0) {
            if (!copies_) copies_ = std::make_unique<QTemporaryDir>();
            const QString folder = copies_->filePath(QString::number(openCopies_.size()));
            QDir().mkpath(folder);
            path = folder + QLatin1Char('/') + CopyName(object->fileName);
            if (!copies_->isValid() || !WriteFileReplacing(CoreText(path), object->data)) {
                sink.error(WriteErrorText(CoreText(path)));
                return false;
            }
            openCopies_[path] = object;
            watcher_.addPath(path);
        }
    } else if (!QFileInfo::exists(path)) {
        sink.error(ReadErrorText(object->fileName));
        return false;
    }
    if (openWithDesktop && openWithDesktop(path)) return true;
    sink.error("Cannot open " + CoreText(path) + " with the desktop's program.");
    return false;
}

// An open copy was saved: its bytes are embedded again in every place the object stands.
void RichEditEx::embeddedCopyChanged(const QString& path) {
    const auto it = openCopies_.find(path);
    if (it == openCopies_.end()) return;
    // Programs that save by renaming a new file onto the old one end the watch.
    if (!watcher_.files().contains(path) && QFileInfo::exists(path)) watcher_.addPath(path);
    std::string bytes;
    if (!ReadFileBytes(CoreText(path), bytes) || bytes == it->second->data) return;
    auto updated = std::make_shared<RichObject>(*it->second);
    updated->data = bytes;
    const RichPicture result = ObjectResultPicture(updated->fileName, bytes, updated->aspect);
    updated->result = result;
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const int position : ItemPositions(*document(), it->second.get())) {
        QTextCursor character = CharacterAt(document(), position);
        character.insertText(QString(QChar::ObjectReplacementCharacter),
                             ObjectCharFormat(updated, character.charFormat()));
    }
    cursor.endEditBlock();
    it->second = updated;
}

bool RichEditEx::resizeItemAt(int position, int32_t width, int32_t height) {
    QTextCursor character = CharacterAt(document(), position);
    const QTextCharFormat format = character.charFormat();
    if (!Resizable(format)) return false;
    QTextCharFormat resized;
    if (const auto picture = PictureOf(format)) {
        auto copy = std::make_shared<RichPicture>(*picture);
        copy->width = width;
        copy->height = height;
        resized = PictureCharFormat(std::move(copy), format);
    } else {
        auto copy = std::make_shared<RichObject>(*ObjectOf(format));
        copy->width = width;
        copy->height = height;
        resized = ObjectCharFormat(std::move(copy), format);
    }
    character.insertText(QString(QChar::ObjectReplacementCharacter), resized);
    return true;
}

// Qt's own selection data lists only its formats, so the control builds its own: text, HTML
// for other programs, and RTF, which keeps pictures and objects.
QMimeData* RichEditEx::createMimeDataFromSelection() const {
    auto* data = new QMimeData;
    const QTextCursor cursor = textCursor();
    data->setText(WithoutObjectMarks(cursor.selection().toPlainText()));
    if (!plainTextMode_) data->setHtml(cursor.selection().toHtml());
    if (!plainTextMode_) {
        const std::string rtf =
            WriteRtf(RichDocFromSelection(cursor, palette().color(QPalette::Text)));
        const QByteArray bytes(rtf.data(), static_cast<qsizetype>(rtf.size()));
        data->setData(kRtfMime, bytes);
        data->setData(kRtfMimeAlias, bytes);
    }
    return data;
}

bool RichEditEx::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() || source->hasFormat(kRtfMime) || source->hasFormat(kRtfMimeAlias) ||
           (!plainTextMode_ && HoldsPicture(*source));
}

// Rich text takes the kit's RTF first, then a picture, then text; plain text only text.
void RichEditEx::insertFromMimeData(const QMimeData* source) {
    QTextCursor cursor = textCursor();
    const QString format = source->hasFormat(kRtfMime) ? kRtfMime : kRtfMimeAlias;
    if (!plainTextMode_ && source->hasFormat(format)) {
        const QByteArray bytes = source->data(format);
        const RtfReadResult read = ReadRtf(std::string_view(bytes.constData(), bytes.size()));
        if (read.ok) {
            cursor.beginEditBlock();
            cursor.removeSelectedText();
            InsertRichDoc(cursor, read.doc, false);
            cursor.endEditBlock();
            setTextCursor(cursor);
            ensureCursorVisible();
            return;
        }
    }
    if (!plainTextMode_) {
        if (auto picture = ClipboardPicture(*source)) {
            cursor.insertText(
                QString(QChar::ObjectReplacementCharacter),
                PictureCharFormat(std::make_shared<const RichPicture>(std::move(*picture)),
                                  cursor.charFormat()));
            setTextCursor(cursor);
            ensureCursorVisible();
            return;
        }
    }
    if (source->hasText()) {
        cursor.insertText(WithoutObjectMarks(source->text()));
        setTextCursor(cursor);
        ensureCursorVisible();
    }
}

// A plain text has lines, not line breaks inside them: Shift+Enter ends the line too.
void RichEditEx::keyPressEvent(QKeyEvent* event) {
    const bool lineEnd = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (plainTextMode_ && lineEnd && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text(), event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QTextEdit::keyPressEvent(event);
}

QRect RichEditEx::itemRect(int position) const {
    const QTextBlock block = document()->findBlock(position);
    const QTextLayout* layout = block.layout();
    if (layout == nullptr || layout->lineCount() == 0) return {};
    const int inBlock = position - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid()) return {};
    QSizeF size;
    const QTextCharFormat format = CharacterAt(document(), position).charFormat();
    if (const auto picture = PictureOf(format)) size = ShownSize(*picture);
    if (const auto object = ObjectOf(format)) size = ShownSize(*object);
    const QPointF origin = layout->position();
    const qreal baseline = origin.y() + line.y() + line.ascent();
    const QRectF rect(origin.x() + line.cursorToX(inBlock), baseline - size.height(), size.width(),
                      size.height());
    return rect.toAlignedRect().translated(-horizontalScrollBar()->value(),
                                           -verticalScrollBar()->value());
}

int RichEditEx::itemAtPoint(const QPoint& point) const {
    const int near = cursorForPosition(point).position();
    for (const int position : {near, near - 1}) {
        if (position < 0) continue;
        const QTextCharFormat format =
            CharacterAt(document(), position).charFormat();
        if (IsItem(format) && itemRect(position).adjusted(-2, -2, 2, 2).contains(point))
            return position;
    }
    return -1;
}

int RichEditEx::handleAt(const QPoint& point) const {
    if (plainTextMode_) return -1;
    const int near = cursorForPosition(point).position();
    for (const int position : {near, near - 1}) {
        if (position < 0) continue;
        if (!Resizable(CharacterAt(document(), position).charFormat()))
            continue;
        const QRect rect = itemRect(position);
        const QRect handle(rect.bottomRight() - QPoint(kHandlePixels, kHandlePixels),
                           QSize(2 * kHandlePixels, 2 * kHandlePixels));
        if (handle.contains(point)) return position;
    }
    return -1;
}

TwipSize RichEditEx::draggedSize(const QPoint& point) const {
    const QPoint delta = point - dragStart_;
    return DraggedSize({static_cast<int32_t>(dragRect_.width() * kTwipsPerPixel),
                        static_cast<int32_t>(dragRect_.height() * kTwipsPerPixel)},
                       delta.x() * kTwipsPerPixel, delta.y() * kTwipsPerPixel);
}

void RichEditEx::mouseDoubleClickEvent(QMouseEvent* event) {
    const int position = plainTextMode_ ? -1 : itemAtPoint(event->position().toPoint());
    if (position >= 0 && ObjectOf(CharacterAt(document(), position).charFormat())) {
        RunGuarded(UiSink(), [&] { activateObjectAt(position, UiSink()); });
        event->accept();
        return;
    }
    QTextEdit::mouseDoubleClickEvent(event);
}

void RichEditEx::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && !isReadOnly()) {
        const int position = handleAt(point);
        if (position >= 0) {
            dragPosition_ = position;
            dragStart_ = point;
            dragRect_ = itemRect(position);
            if (!rubberBand_) rubberBand_ = new QRubberBand(QRubberBand::Rectangle, viewport());
            rubberBand_->setGeometry(dragRect_);
            rubberBand_->show();
            event->accept();
            return;
        }
    }
    QTextEdit::mousePressEvent(event);
}

void RichEditEx::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (dragPosition_ >= 0) {
        const TwipSize size = draggedSize(point);
        rubberBand_->setGeometry(QRect(dragRect_.topLeft(), QSize(int(size.width / kTwipsPerPixel),
                                                                  int(size.height / kTwipsPerPixel))));
        event->accept();
        return;
    }
    if (event->buttons() == Qt::NoButton)
        viewport()->setCursor(handleAt(point) >= 0 ? Qt::SizeFDiagCursor : Qt::IBeamCursor);
    QTextEdit::mouseMoveEvent(event);
}

void RichEditEx::mouseReleaseEvent(QMouseEvent* event) {
    if (dragPosition_ >= 0) {
        const TwipSize size = draggedSize(event->position().toPoint());
        const int position = dragPosition_;
        dragPosition_ = -1;
        rubberBand_->hide();
        resizeItemAt(position, size.width, size.height);
        event->accept();
        return;
    }
    QTextEdit::mouseReleaseEvent(event);
}

}  // namespace halvern
