// The rich-edit control: files in both modes, objects from files (copied, pasted, saved,
// reloaded, printed, opened and embedded again, resized), and the failures it reports.
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "FileBytes.h"
#include "FileSafety.h"
#include "InsertObjectDialog.h"
#include "NewObjects.h"
#include "RichDocAdapter.h"
#include "RichEditEx.h"
#include "RichObjects.h"
#include "Screenshot.h"
#include "ScriptedFileChooser.h"
#include "ScriptedStandardDialogs.h"
#include "SinkTestCase.h"
#include "richtext/RtfReader.h"

using namespace halvern;

namespace {

// The objects of a document, in order.
std::vector<std::shared_ptr<const RichObject>> Objects(const QTextDocument& doc) {
    std::vector<std::shared_ptr<const RichObject>> objects;
    for (const RichParagraph& p : RichDocFromDocument(doc).paragraphs)
        for (const RichItem& item : p.items)
            if (item.object) objects.push_back(item.object);
    return objects;
}

QImage TestImage() {
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image;
}

}  // namespace

class RichEditTest : public SinkTestCase {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

  private slots:
    void goldenFileShowsTextPicturesAndObjects() {
        RichEditEx edit;
        edit.setPlainTextMode(false);
        QVERIFY(edit.loadFile(HALVERN_RTF_TEST_DIR "/golden.rtf", sink));
        QVERIFY(sink.entries().empty());
        const QTextDocument& doc = *edit.document();
        QCOMPARE(doc.blockCount(), 8);
        QCOMPARE(doc.findBlockByNumber(0).text(), QStringLiteral("Caf\u00e9 costs 5\u20ac now"));
        QCOMPARE(doc.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        const QTextBlock bold = doc.findBlockByNumber(1);
        QCOMPARE(bold.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        // "red italic" is the third run of the second line.
        auto it = bold.begin();
        ++it;
        ++it;
        QCOMPARE(it.fragment().text(), QStringLiteral("red italic"));
        QCOMPARE(it.fragment().charFormat().foreground().color(), QColor(255, 0, 0));
        const QTextCharFormat picture = doc.findBlockByNumber(5).begin().fragment().charFormat();
        QVERIFY(PictureOf(picture));
        QCOMPARE(Objects(doc).size(), size_t(1));
        QCOMPARE(Objects(doc).front()->kind, ObjectKind::Foreign);
        // Plain-text mode shows the codes.
        RichEditEx plain;
        QVERIFY(plain.loadFile(HALVERN_RTF_TEST_DIR "/golden.rtf", sink));
        QVERIFY(plain.toPlainText().startsWith(QStringLiteral("{\\rtf1\\ansi")));
    }

    void documentRoundTripThroughTheAdapter() {
        const std::string rtf = Bytes(HALVERN_RTF_TEST_DIR "/golden.rtf");
        const RichDoc read = ReadRtf(rtf).doc;
        QTextDocument doc;
        QTextCursor cursor(&doc);
        InsertRichDoc(cursor, read, true);
        const RichDoc back = RichDocFromDocument(doc);
        QCOMPARE(RichPlainText(back), RichPlainText(read));
        QCOMPARE(back.paragraphs.size(), read.paragraphs.size());
        for (size_t p = 0; p < read.paragraphs.size(); ++p) {
            QCOMPARE(back.paragraphs[p].format, read.paragraphs[p].format);
            QCOMPARE(back.paragraphs[p].items.size(), read.paragraphs[p].items.size());
            for (size_t i = 0; i < read.paragraphs[p].items.size(); ++i) {
                const RichItem& a = read.paragraphs[p].items[i];
                const RichItem& b = back.paragraphs[p].items[i];
                QCOMPARE(b.format.colour, a.format.colour);
                QCOMPARE(b.format.bold, a.format.bold);
                QCOMPARE(b.format.underline, a.format.underline);
                QCOMPARE(b.object.get(), a.object.get());  // shared, not copied
                QCOMPARE(b.picture.get(), a.picture.get());
            }
        }
    }

    void plainSavesKeepTheirEncodingWithCrLf() {
        const QString latin = path("latin.txt");
        QVERIFY(WriteFileReplacing(latin.toStdString(), "caf\xE9\nline 2\n"));
        RichEditEx edit;
        QVERIFY(edit.loadFile(latin.toStdString(), sink));
        QCOMPARE(edit.toPlainText(), QStringLiteral("caf\u00e9\nline 2"));
        edit.append(QStringLiteral("\u00fcber"));
        QVERIFY(edit.saveFile(latin.toStdString(), false, sink));
        QCOMPARE(Bytes(latin), std::string("caf\xE9\r\nline 2\r\n\xFC" "ber\r\n"));
        RichEditEx fresh;
        fresh.setPlainText(QStringLiteral("\u00fcber"));
        QVERIFY(fresh.saveFile(path("new.txt").toStdString(), false, sink));
        QCOMPARE(Bytes(path("new.txt")), std::string("\xC3\xBC" "ber\r\n"));
    }

    // The plain text saved is the document's characters: what was read is written back byte
    // for byte, and what is typed keeps its no-break spaces and line separators.
    void plainSaveKeepsEveryCharacter() {
        const struct {
            const char* name;
            std::string bytes;
        } files[] = {
            {"nbsp.txt", "a\xC2\xA0" "b\xC2\xA0\r\n"},
            {"separators.txt", "a\xE2\x80\xA8" "b\r\nc\xC2\x85\x0C" "d\r\n"},
            {"latin.txt", "\xA0" "caf\xE9\xA0\r\n"},
            {"one-empty-line.txt", "\r\n"},
            {"empty-lines.txt", "x\r\n\r\n\r\n"},
            {"empty.txt", ""},
        };
        for (const auto& f : files) {
            const QString file = path(f.name);
            QVERIFY(WriteFileReplacing(file.toStdString(), f.bytes));
            RichEditEx edit;
            QVERIFY(edit.loadFile(file.toStdString(), sink));
            const QString copy = path("copy.txt");
            QVERIFY(edit.saveFile(copy.toStdString(), false, sink));
            QVERIFY2(Bytes(copy) == f.bytes, f.name);
        }
        RichEditEx typed;
        typed.setPlainText(QStringLiteral("no\u00a0break\u2028line"));
        QVERIFY(typed.saveFile(path("typed.txt").toStdString(), false, sink));
        QCOMPARE(Bytes(path("typed.txt")), std::string("no\xC2\xA0" "break\xE2\x80\xA8" "line\r\n"));
        // Shift+Enter in plain text ends the line.
        RichEditEx keys;
        QTest::keyClicks(&keys, QStringLiteral("ab"));
        QTest::keyClick(&keys, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(&keys, QStringLiteral("c"));
        QCOMPARE(keys.document()->blockCount(), 2);
        QVERIFY(sink.entries().empty());
    }

    // Pictures on the clipboard (PNG, JPEG, bitmaps) paste into rich text as pictures that are
    // saved and read back; plain text takes only text.
    void picturesPasteIntoRichText() {
        QImage image(30, 20, QImage::Format_RGB32);
        image.fill(Qt::darkMagenta);
        const auto encoded = [&](const char* format) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, format);
            return bytes;
        };
        const struct {
            const char* mime;
            QByteArray bytes;  // empty: an image of the application
            PictureFormat kept;
            bool sameBytes;
        } cases[] = {
            {"image/png", encoded("PNG"), PictureFormat::Png, true},
            {"image/jpeg", encoded("JPEG"), PictureFormat::Jpeg, true},
            {"image/bmp", encoded("BMP"), PictureFormat::Png, false},
            {"application/x-qt-image", {}, PictureFormat::Png, false},
        };
        for (const auto& c : cases) {
            auto* data = new QMimeData;
            if (c.bytes.isEmpty())
                data->setImageData(image);
            else
                data->setData(QString::fromLatin1(c.mime), c.bytes);
            QApplication::clipboard()->setMimeData(data);
            RichEditEx plain;
            plain.paste();
            QVERIFY2(plain.document()->isEmpty(), c.mime);
            RichEditEx edit;
            edit.setPlainTextMode(false);
            edit.insertPlainText(QStringLiteral("see "));
            edit.paste();
            const QString saved = path("pasted.rtf");
            QVERIFY(edit.saveFile(saved.toStdString(), true, sink));
            RichEditEx reloaded;
            reloaded.setPlainTextMode(false);
            QVERIFY(reloaded.loadFile(saved.toStdString(), sink));
            const RichDoc doc = RichDocFromDocument(*reloaded.document());
            QVERIFY2(doc.paragraphs[0].items.size() == 2, c.mime);
            const auto picture = doc.paragraphs[0].items[1].picture;
            QVERIFY2(picture && picture->format == c.kept, c.mime);
            QVERIFY2(!c.sameBytes || picture->data == c.bytes.toStdString(), c.mime);
            QCOMPARE(picture->pixelWidth, 30);
            QCOMPARE(picture->width, 450);
            const QImage shown = QImage::fromData(
                QByteArray::fromStdString(picture->data));
            QCOMPARE(shown.size(), image.size());
        }
        QVERIFY(sink.entries().empty());
    }

    void failuresAreReportedAndTheTextStays() {
        RichEditEx edit;
        edit.setPlainTextMode(false);
        edit.setPlainText(QStringLiteral("kept"));
        const std::string missing = path("missing.rtf").toStdString();
        QVERIFY(!edit.loadFile(missing, sink));
        const std::string deep = path("deep.rtf").toStdString();
        QVERIFY(WriteFileReplacing(deep, "{\\rtf1 " + std::string(300, '{')));
        QVERIFY(!edit.loadFile(deep, sink));
        const std::string nowhere = path("no/such/folder/x.rtf").toStdString();
        QVERIFY(!edit.saveFile(nowhere, true, sink));
        QCOMPARE(sink.texts(),
                 (std::vector<std::string>{
                     "Error reading " + missing + ".",
                     "Error reading " + deep + ": its groups are nested more than 256 levels deep.",
                     "Error writing " + nowhere + "."}));
        QCOMPARE(edit.toPlainText(), QStringLiteral("kept"));
    }

    void insertCopyPasteSaveReloadPrint() {
        const QString picture = path("picture.png");
        QVERIFY(TestImage().save(picture));
        const QString data = path("data.dat");
        QVERIFY(WriteFileReplacing(data.toStdString(), std::string("\0\x01\xFF payload", 11)));
        RichEditEx edit;
        edit.setPlainTextMode(false);
        edit.insertPlainText(QStringLiteral("A "));
        edit.insertObject({picture.toStdString(), false, false});
        edit.insertPlainText(QStringLiteral(" and "));
        edit.insertObject({data.toStdString(), false, true});
        edit.insertPlainText(QStringLiteral(" linked "));
        edit.insertObject({data.toStdString(), true, false});
        auto objects = Objects(*edit.document());
        QCOMPARE(objects.size(), size_t(3));
        QCOMPARE(objects[0]->fileName, std::string("picture.png"));
        QCOMPARE(objects[0]->result.pixelWidth, 40);  // the image itself
        QCOMPARE(objects[0]->width, 600);
        QCOMPARE(objects[1]->aspect, ObjectAspect::Icon);
        QCOMPARE(objects[1]->data, std::string("\0\x01\xFF payload", 11));
        QCOMPARE(objects[2]->kind, ObjectKind::Linked);
        QCOMPARE(objects[2]->fileName, data.toStdString());
        QVERIFY(objects[2]->data.empty());

        // Copy everything and paste it behind itself: the objects come twice.
        edit.selectAll();
        edit.copy();
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("text/rtf")));
        edit.moveCursor(QTextCursor::End);
        edit.insertPlainText(QStringLiteral(" | "));
        edit.paste();
        objects = Objects(*edit.document());
        QCOMPARE(objects.size(), size_t(6));
        for (int i = 0; i < 3; ++i) QCOMPARE(*objects[size_t(i + 3)], *objects[size_t(i)]);

        const QString saved = path("objects.rtf");
        QVERIFY(edit.saveFile(saved.toStdString(), true, sink));
        RichEditEx reloaded;
        reloaded.setPlainTextMode(false);
        QVERIFY(reloaded.loadFile(saved.toStdString(), sink));
        QCOMPARE(reloaded.toPlainText(), edit.toPlainText());
        const auto again = Objects(*reloaded.document());
        QCOMPARE(again.size(), size_t(6));
        for (size_t i = 0; i < again.size(); ++i) QCOMPARE(*again[i], *objects[i]);

        // The plain text drops the objects.
        QVERIFY(edit.saveFile(path("objects.txt").toStdString(), false, sink));
        QCOMPARE(Bytes(path("objects.txt")), std::string("A  and  linked  | A  and  linked \r\n"));

        ScriptedStandardDialogs dialogs;
        dialogs.pdfFiles.push_back(path("objects.pdf").toStdString());
        SetUiStandardDialogs(&dialogs);
        PrintTextEdit(reloaded, nullptr);
        SetUiStandardDialogs(nullptr);
        const std::string pdf = Bytes(path("objects.pdf"));
        QVERIFY(pdf.size() > 1000);
        QCOMPARE(pdf.substr(0, 5), std::string("%PDF-"));
        QVERIFY(sink.entries().empty());
    }

    void insertRefusals() {
        RichEditEx edit;
        const std::string data = path("refused.dat").toStdString();
        QVERIFY(WriteFileReplacing(data, "x"));
        const auto refusal = [&](const ObjectRequest& request) {
            try {
                edit.insertObject(request);
            } catch (const RichEditError& e) {
                return std::string(e.what());
            }
            return std::string();
        };
        QCOMPARE(refusal({data, false, false}), std::string("Internal Error : The object could not be inserted"));
        edit.setPlainTextMode(false);
        const std::string missing = path("nothing.dat").toStdString();
        QCOMPARE(refusal({missing, false, false}), "Error reading " + missing + ".");
        QVERIFY(edit.toPlainText().isEmpty());
        // A document that nobody set up for objects cannot take one.
        edit.setDocument(new QTextDocument(&edit));
        QCOMPARE(refusal({data, false, false}), std::string("Internal Error : Interface not initialized"));
    }

    // "Create new" starts the dialog: the templates folder's files (the XDG templates folder,
    // else ~/Templates), then the kit's blank types; a file may instead be embedded or linked.
    void insertDialogOffersNewObjectsAndFiles() {
        const QByteArray home = qgetenv("HOME");
        const QByteArray config = qgetenv("XDG_CONFIG_HOME");
        QTemporaryDir fakeHome;
        QVERIFY(QDir(fakeHome.path()).mkpath(QStringLiteral("Templates")));
        QVERIFY(QDir(fakeHome.path()).mkpath(QStringLiteral("config")));
        QVERIFY(QDir(fakeHome.path()).mkpath(QStringLiteral("xdg templates")));
        const QString xdgLetter = fakeHome.filePath(QStringLiteral("xdg templates/Memo.odt"));
        QVERIFY(WriteFileReplacing(xdgLetter.toStdString(), "memo"));
        QVERIFY(WriteFileReplacing(fakeHome.filePath(QStringLiteral("Templates/Letter.txt")).toStdString(),
                                   "Dear"));
        qputenv("HOME", fakeHome.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", fakeHome.filePath(QStringLiteral("config")).toLocal8Bit());
        const auto listed = [] {
            QStringList names;
            for (const NewObjectType& type : NewObjectTypes()) names << type.name;
            return names;
        };
        // No user-dirs.dirs: xdg-user-dir answers the home folder, so ~/Templates it is.
        QCOMPARE(listed(), (QStringList{"Letter.txt", "Plain text", "Rich text", "PNG picture"}));
        QVERIFY(WriteFileReplacing(
            fakeHome.filePath(QStringLiteral("config/user-dirs.dirs")).toStdString(),
            "XDG_TEMPLATES_DIR=\"$HOME/xdg templates\"\n"));
        QCOMPARE(listed(), (QStringList{"Memo.odt", "Plain text", "Rich text", "PNG picture"}));

        ScriptedFileChooser files;
        SetUiFileChooser(&files);
        InsertObjectDialog dialog("velkor", 30);
        QVERIFY(dialog.createNewChoice()->isChecked());
        QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QVERIFY(ok->isEnabled());
        QVERIFY(!dialog.fileEdit()->isEnabled());
        ObjectRequest request = dialog.request();
        QVERIFY(request.createNew);
        QCOMPARE(request.path, xdgLetter.toStdString());
        dialog.typeList()->setCurrentRow(3);
        request = dialog.request();
        QVERIFY(request.createNew && request.path.empty());
        QCOMPARE(request.blank, BlankObject::Picture);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        SaveWindowScreenshot(&dialog, QStringLiteral("editor-insert-object-dialog.png"));

        // From a file: OK waits for a name; Link and the icon apply.
        dialog.fromFileChoice()->click();
        QVERIFY(!dialog.typeList()->isEnabled());
        QVERIFY(!ok->isEnabled());
        const std::string chosen = path("chosen file.dat").toStdString();
        files.script({chosen});
        QPushButton* browse = nullptr;
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("&Browse...")) browse = b;
        QVERIFY(browse);
        browse->click();
        QVERIFY(ok->isEnabled());
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) box->setChecked(true);
        request = dialog.request();
        QCOMPARE(request.path, chosen);
        QVERIFY(request.link && request.asIcon && !request.createNew);
        SetUiFileChooser(nullptr);
        qputenv("HOME", home);
        if (config.isNull()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", config);
    }

    void embeddedObjectOpensThroughACopyThatIsEmbeddedAgain() {
        const QString data = path("notes.txt");
        QVERIFY(WriteFileReplacing(data.toStdString(), "first"));
        RichEditEx edit;
        edit.setPlainTextMode(false);
        QStringList opened;
        edit.openWithDesktop = [&](const QString& file) {
            opened << file;
            return true;
        };
        edit.insertObject({data.toStdString(), false, false});
        QVERIFY(edit.activateObjectAt(0, sink));
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0] != data);
        QVERIFY(opened[0].endsWith(QStringLiteral("/notes.txt")));
        QCOMPARE(Bytes(opened[0]), std::string("first"));
        QVERIFY(WriteFileReplacing(opened[0].toStdString(), "changed by its program"));
        QTRY_COMPARE(Objects(*edit.document()).front()->data, std::string("changed by its program"));
        QCOMPARE(Bytes(data), std::string("first"));  // the source file is not touched
        // Opening it again uses the same copy.
        QVERIFY(edit.activateObjectAt(0, sink));
        QCOMPARE(opened[1], opened[0]);
        const QString copy = opened[0];
        {
            RichEditEx closing;
            closing.setPlainTextMode(false);
            closing.openWithDesktop = [&](const QString& file) {
                opened << file;
                return true;
            };
            closing.insertObject({data.toStdString(), false, false});
            QVERIFY(closing.activateObjectAt(0, sink));
            QVERIFY(QFile::exists(opened.back()));
        }
        QVERIFY(!QFile::exists(opened.back()));  // closed without saving: the copy is gone
        QVERIFY(sink.entries().empty());
    }

    void linkedObjectOpensItsFile() {
        const QString data = path("linked.txt");
        QVERIFY(WriteFileReplacing(data.toStdString(), "x"));
        RichEditEx edit;
        edit.setPlainTextMode(false);
        QString opened;
        edit.openWithDesktop = [&](const QString& file) {
            opened = file;
            return false;
        };
        edit.insertObject({data.toStdString(), true, false});
        QVERIFY(!edit.activateObjectAt(0, sink));
        QCOMPARE(opened, data);
        QCOMPARE(sink.texts(), std::vector<std::string>{"Cannot open " + data.toStdString() +
                                                        " with the desktop's program."});
        QFile::remove(data);
        QVERIFY(!edit.activateObjectAt(0, sink));
        QCOMPARE(sink.texts().back(), "Error reading " + data.toStdString() + ".");
    }

    void resizingByTheCorner() {
        const QString picture = path("corner.png");
        QVERIFY(TestImage().save(picture));
        RichEditEx edit;
        edit.setPlainTextMode(false);
        edit.resize(400, 300);
        edit.insertObject({picture.toStdString(), false, false});
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        QVERIFY(edit.resizeItemAt(0, 1200, 600));
        QCOMPARE(Objects(*edit.document()).front()->width, 1200);
        // Dragging the corner 40 pixels to the right doubles the 80 x 40 picture.
        QCoreApplication::processEvents();
        const QTextLayout* layout = edit.document()->firstBlock().layout();
        const QTextLine line = layout->lineAt(0);
        const QPoint corner = (layout->position() + QPointF(line.cursorToX(1), line.y() + line.ascent()))
                                  .toPoint() - QPoint(1, 1);
        QTest::mousePress(edit.viewport(), Qt::LeftButton, {}, corner);
        QTest::mouseMove(edit.viewport(), corner + QPoint(40, 0));
        QTest::mouseRelease(edit.viewport(), Qt::LeftButton, {}, corner + QPoint(80, 0));
        const auto object = Objects(*edit.document()).front();
        QCOMPARE(object->width, 2400);
        QCOMPARE(object->height, 1200);
    }
};

int RunRichEditTests(int argc, char** argv) {
    RichEditTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RichEditTest.moc"
