// TRichEditEx: the rich-edit control of the editor windows and the engine log. A QTextEdit in
// plain-text or rich-text mode that reads and writes its files through the kit's RTF reader and
// writer and holds pictures and objects: inserted from a file, embedded or linked, shown as
// their content or an icon, resized by their corner, opened with the desktop's program (an
// embedded one through a temporary copy that is embedded again when it changes), and kept
// through copy, paste, saving and printing.
#pragma once

#include <QFileSystemWatcher>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "MessageSink.h"
#include "StandardDialogs.h"
#include "editor/ObjectSize.h"
#include "richtext/RichDoc.h"
#include "richtext/TextCodec.h"

class QRubberBand;

namespace halvern {

// The control's failures that end a command (ERichEditEx), shown by the handler guard.
class RichEditError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class RichEditEx : public QTextEdit {
    Q_OBJECT
  public:
    explicit RichEditEx(QWidget* parent = nullptr);
    ~RichEditEx() override;

    const QString& containerName() const { return containerName_; }
    void setContainerName(const QString& name) { containerName_ = name; }
    const QString& objectMenuPrefix() const { return objectMenuPrefix_; }
    void setObjectMenuPrefix(const QString& prefix) { objectMenuPrefix_ = prefix; }

    bool plainTextMode() const { return plainTextMode_; }
    // The text itself is not converted.
    void setPlainTextMode(bool plain);
    // The encoding plain-text saves use: the one the text was read with.
    TextEncoding encoding() const { return encoding_; }

    // Replaces the text by the file's. In rich-text mode a file that begins with "{\rtf" is read
    // as rich text; otherwise its text is taken unchanged. A file that cannot be read is
    // reported with its name and the control keeps its text. Loading is no undo step.
    bool loadFile(const std::string& path, MessageSink& sink);
    // As loadFile, but a rich-text file is shown formatted in any mode, and the control is
    // then in rich-text mode.
    bool loadFileShowingRtf(const std::string& path, MessageSink& sink);
    // A text that is rich-text codes shown formatted (the switch to rich-text mode): false, and
    // the codes kept, when it is none; a text that cannot be read is reported under `name`.
    bool formatRtfCodes(const std::string& name, MessageSink& sink);
    // Rich text as RTF, with the colour text is shown in; plain text as the document's
    // characters in lines ended by CR LF (objects dropped). The file is replaced only once the
    // whole text is written; a failure is reported with its name.
    bool saveFile(const std::string& path, bool richText, MessageSink& sink) const;

    // Inserts an object from a file, or a new one, at the caret and gives its position; the
    // control's failures raise RichEditError with its own texts, and an unreadable file names
    // the file.
    int insertObject(const ObjectRequest& request);
    // Opens the object at a document position with the desktop's program; false when there is
    // none, or it could not be opened (reported).
    bool activateObjectAt(int position, MessageSink& sink);
    // Gives the item (picture or object) at a position a new shown size in twips.
    bool resizeItemAt(int position, int32_t width, int32_t height);

    // How a file is opened with the desktop's program; tests replace it.
    std::function<bool(const QString& path)> openWithDesktop;

  protected:
    QMimeData* createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool load(const std::string& path, MessageSink& sink, bool rtfFormatted);
    void showRichDoc(const RichDoc& doc);
    // The item at a document position whose corner handle lies under a viewport point, or -1.
    int handleAt(const QPoint& point) const;
    QRect itemRect(int position) const;
    int itemAtPoint(const QPoint& point) const;
    // The item's size in twips with the corner dragged to a viewport point.
    TwipSize draggedSize(const QPoint& point) const;
    void embeddedCopyChanged(const QString& path);

    QString containerName_ = QStringLiteral("Document");
    QString objectMenuPrefix_ = QStringLiteral("Object");
    bool plainTextMode_ = true;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool oneEmptyLine_ = false;  // read from a file of one empty line

    // Open embedded objects: their temporary copies, watched for changes.
    std::unique_ptr<QTemporaryDir> copies_;
    QFileSystemWatcher watcher_;
    std::map<QString, std::shared_ptr<const RichObject>> openCopies_;

    // A corner being dragged.
    int dragPosition_ = -1;
    QPoint dragStart_;
    QRect dragRect_;
    QRubberBand* rubberBand_ = nullptr;
};

}  // namespace halvern
