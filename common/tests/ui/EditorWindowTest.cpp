// The editor window: closing and saving with their mends, the mode switch, find and replace,
// and the windows a host keeps.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "EditForm.h"
#include "EditorWindows.h"
#include "FileBytes.h"
#include "FileSafety.h"
#include "FindDialogs.h"
#include "ScriptedFileChooser.h"
#include "ScriptedStandardDialogs.h"
#include "UiSink.h"
#include "richtext/RtfReader.h"

using namespace halvern;

namespace {

struct CountingHost : EditorHost {
    int news = 0;
    int opens = 0;
    void newEditor() override { ++news; }
    void openEditor() override { ++opens; }
    TEditForm* openFileInEditor(const std::string&) override { return nullptr; }
    TEditForm* openTextInEditor(const std::string&, const std::string&) override {
        return nullptr;
    }
};

void SaveScreenshot(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + QLatin1Char('/') + QLatin1String(name));
}

}  // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

    RecordingSink sink;
    QTemporaryDir dir_;
    ScriptedFileChooser files_;
    ScriptedStandardDialogs dialogs_;
    CountingHost host_;
    EditorWindows windows_{host_, "velkor"};

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    TEditForm* newWindow(const char* caption = "NEW0.TXT", bool plain = true) {
        return windows_.openNew(caption, plain);
    }

  private slots:
    void init() {
        sink.clear();
        SetUiSink(&sink);
        files_.clear();
        SetUiFileChooser(&files_);
        SetUiStandardDialogs(&dialogs_);
    }
    void cleanup() {
        for (TEditForm* window : windows_.windows()) delete window;
        SetUiFileChooser(nullptr);
        SetUiStandardDialogs(nullptr);
        SetUiSink(nullptr);
    }

    void closeCases() {
        // Untouched: no question.
        QPointer<TEditForm> window = newWindow();
        QVERIFY(window->close());
        QVERIFY(sink.entries().empty());
        // One character: the question; No closes without saving.
        window = newWindow();
        QTest::keyClick(window->EditWin, Qt::Key_A);
        sink.scriptAnswers({false});
        QVERIFY(window->close());
        QCOMPARE(sink.texts(), std::vector<std::string>{"Save changes to NEW0.TXT?"});
        QCOMPARE(sink.entries().front().icon, BoxIcon::Warning);
        // Yes, then Cancel in the save dialog: the window and its text stay; the next close asks
        // again.
        window = newWindow();
        QTest::keyClick(window->EditWin, Qt::Key_B);
        sink.scriptAnswers({true, true});
        QVERIFY(!window->close());
        QVERIFY(!window->close());
        QCOMPARE(sink.count(RecordingSink::Kind::YesNo), 3);
        QCOMPARE(window->EditWin->toPlainText(), QStringLiteral("b"));
        QCOMPARE(files_.asked.size(), size_t(2));
        QCOMPARE(files_.asked.front().initialName, std::string("NEW0.TXT"));
        QCOMPARE(files_.asked.front().title, std::string("Save edited file as..."));
        // Yes, then a save that fails: the window stays.
        const std::string nowhere = path("no/such/x.txt").toStdString();
        files_.script({nowhere});
        sink.scriptAnswers({true});
        QVERIFY(!window->close());
        QCOMPARE(sink.texts().back(), "Error writing " + nowhere + ".");
        // Yes, then a name: saved, and the window closes.
        files_.script({path("closed.txt").toStdString()});
        sink.scriptAnswers({true});
        QVERIFY(window->close());
        QCOMPARE(Bytes(path("closed.txt")), std::string("b\r\n"));
    }

    void saveAndSaveAs() {
        TEditForm* window = newWindow("UNTITLED.0");
        window->EditWin->insertPlainText(QStringLiteral("one"));
        // Save As in an untitled window leaves it untitled.
        files_.script({path("as.txt").toStdString()});
        window->SaveAs1Click();
        QCOMPARE(window->windowTitle(), path("as.txt"));
        QVERIFY(window->file().untitled);
        QVERIFY(!window->file().modified);
        // So Save asks again, from the new name.
        files_.script({path("saved.txt").toStdString()});
        window->Save1Click();
        QCOMPARE(files_.asked.back().initialName, path("as.txt").toStdString());
        QVERIFY(!window->file().untitled);
        // Now titled: Save writes without a dialog.
        window->EditWin->insertPlainText(QStringLiteral(" two"));
        window->Save1Click();
        QCOMPARE(files_.asked.size(), size_t(2));
        QCOMPARE(Bytes(path("saved.txt")), std::string("one two\r\n"));
        // A failed Save As keeps the name and the caption, and reports.
        const std::string nowhere = path("missing/y.txt").toStdString();
        files_.script({nowhere});
        window->SaveAs1Click();
        QCOMPARE(window->windowTitle(), path("saved.txt"));
        QVERIFY(window->file().modified == false);
        QCOMPARE(sink.texts(), std::vector<std::string>{"Error writing " + nowhere + "."});
    }

    void richModeSavesRtfAndTheModeSwitchAsks() {
        TEditForm* window = newWindow("UNTITLED.RTF");
        QCOMPARE(window->statusText(), QStringLiteral("Plain text"));
        sink.scriptAnswers({false});
        window->RichText1->trigger();
        QVERIFY(window->EditWin->plainTextMode());
        QVERIFY(window->PlainText1->isChecked());
        QVERIFY(!window->RichText1->isChecked());
        QVERIFY(!window->InsertObject1->isEnabled());
        sink.scriptAnswers({true});
        window->RichText1->trigger();
        QCOMPARE(sink.texts(), (std::vector<std::string>{"Switch editor mode to rich text format?",
                                                         "Switch editor mode to rich text format?"}));
        QCOMPARE(window->statusText(), QStringLiteral("Rich text"));
        QVERIFY(window->RichText1->isChecked());
        QTextCharFormat red;
        red.setForeground(Qt::red);
        window->EditWin->textCursor().insertText(QStringLiteral("red"), red);
        files_.script({path("rich.rtf").toStdString()});
        window->Save1Click();
        const std::string rtf = Bytes(path("rich.rtf"));
        QCOMPARE(rtf.substr(0, 5), std::string("{\\rtf"));
        QVERIFY(rtf.find("\\red255\\green0\\blue0;") != std::string::npos);
    }

    void findGoesOnFromTheEndOfTheHit() {
        TEditForm* window = newWindow();
        window->EditWin->setPlainText(QStringLiteral("cat cat\ncat x\nconcat"));
        window->EditWin->moveCursor(QTextCursor::Start);
        TextFindDialog* find = window->findDialog();
        find->setFindText(QStringLiteral("cat"));
        const auto selection = [&] {
            const QTextCursor c = window->EditWin->textCursor();
            return std::pair(c.selectionStart(), c.selectionEnd());
        };
        QVERIFY(window->findNext(*find));
        QCOMPARE(selection(), std::pair(0, 3));
        QVERIFY(window->findNext(*find));  // the second hit of the same line
        QCOMPARE(selection(), std::pair(4, 7));
        QVERIFY(window->findNext(*find));  // at the next line's start, found once
        QCOMPARE(selection(), std::pair(8, 11));
        find->wholeWordBox()->setChecked(true);
        QVERIFY(!window->findNext(*find));  // "concat" is no whole word
        QCOMPARE(sink.texts(), std::vector<std::string>{"Reached the end of the file."});
        QCOMPARE(sink.entries().front().kind, RecordingSink::Kind::Info);
        window->Find1Click();
        QVERIFY(QTest::qWaitForWindowExposed(find));
        SaveScreenshot(find, "editor-find-dialog.png");
    }

    void replaceKeepsTheBlanks() {
        TEditForm* window = newWindow();
        window->EditWin->setPlainText(QStringLiteral("the cat sat\ncat\ncats"));
        window->EditWin->moveCursor(QTextCursor::Start);
        TextFindDialog* replace = window->replaceDialog();
        replace->setFindText(QStringLiteral("cat"));
        replace->replaceEdit()->setText(QStringLiteral("dog"));
        replace->wholeWordBox()->setChecked(true);
        window->replaceOne(*replace);  // finds the first hit, replaces it, selects the next
        QCOMPARE(window->EditWin->toPlainText(), QStringLiteral("the dog sat\ncat\ncats"));
        QCOMPARE(window->EditWin->textCursor().selectedText(), QStringLiteral("cat"));
        QCOMPARE(window->EditWin->textCursor().selectionStart(), 12);
    }

    // Replace All from the middle of the text replaces every occurrence, before the caret
    // too, as one undo step, and says how many it replaced.
    void replaceAllReplacesTheWholeTextAndCounts() {
        const struct {
            const char* find;
            bool wholeWord;
            const char* after;
            const char* box;
        } cases[] = {
            {"CAT", true, "a dog\ndog, dog.\nthe dog sat concat", "Replaced 4 occurrences."},
            {"concat", false, "a cat\ncat, cat.\nthe cat sat dog", "Replaced 1 occurrence."},
            {"bird", false, "a cat\ncat, cat.\nthe cat sat concat", "Replaced 0 occurrences."},
        };
        const QString text = QStringLiteral("a cat\ncat, cat.\nthe cat sat concat");
        for (const auto& c : cases) {
            sink.clear();
            TEditForm* window = newWindow();
            window->EditWin->setPlainText(text);
            QTextCursor caret = window->EditWin->textCursor();
            caret.setPosition(13);  // after the third "cat"
            window->EditWin->setTextCursor(caret);
            TextFindDialog* replace = window->replaceDialog();
            replace->setFindText(QString::fromLatin1(c.find));
            replace->replaceEdit()->setText(QStringLiteral("dog"));
            replace->wholeWordBox()->setChecked(c.wholeWord);
            window->replaceAll(*replace);
            QCOMPARE(window->EditWin->toPlainText(), QString::fromLatin1(c.after));
            QCOMPARE(sink.texts(), std::vector<std::string>{c.box});
            QCOMPARE(sink.entries().front().kind, RecordingSink::Kind::Info);
            window->EditWin->undo();
            QCOMPARE(window->EditWin->toPlainText(), text);
            delete window;
        }
    }

    // Loading is no undo step: Ctrl+Z right after opening a file leaves its text, unchanged.
    void undoAfterLoadingLeavesTheText() {
        const QString plain = path("loaded.txt");
        QVERIFY(WriteFileReplacing(plain.toStdString(), "first\r\nsecond\r\n"));
        const struct {
            QString path;
            bool plainMode;
        } cases[] = {{QStringLiteral(HALVERN_RTF_TEST_DIR "/golden.rtf"), false}, {plain, true}};
        for (const auto& c : cases) {
            TEditForm* window = windows_.openFile(c.path.toStdString(), c.plainMode);
            QVERIFY(window);
            const QString loaded = window->EditWin->toPlainText();
            QVERIFY(!loaded.isEmpty());
            QTest::keyClick(window->EditWin, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(window->EditWin->toPlainText(), loaded);
            QVERIFY(!window->file().modified);
            QVERIFY(!window->EditWin->document()->isUndoAvailable());
        }
    }

    // Switching a window that shows rich-text codes to rich text shows them formatted; the
    // document counts as changed only if it was, and No leaves the codes.
    void switchingToRichTextShowsRtfFormatted() {
        const QString letter = path("letter.rtf");
        QVERIFY(WriteFileReplacing(letter.toStdString(),
                                   "{\\rtf1\\ansi{\\colortbl ;\\red0\\green0\\blue255;}"
                                   "{\\b bold} {\\cf1 blue}\\par caf\\'e9}"));
        TEditForm* window = windows_.openFile(letter.toStdString(), true);
        QVERIFY(window->EditWin->toPlainText().startsWith(QStringLiteral("{\\rtf1")));
        sink.scriptAnswers({false, true});
        window->RichText1Click();
        QVERIFY(window->EditWin->toPlainText().startsWith(QStringLiteral("{\\rtf1")));
        window->RichText1Click();
        QCOMPARE(window->EditWin->toPlainText(), QStringLiteral("bold blue\ncaf\u00e9"));
        const QTextBlock first = window->EditWin->document()->firstBlock();
        QCOMPARE(first.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(!window->file().modified);
        QCOMPARE(window->statusText(), QStringLiteral("Rich text"));
        // The codes do not come back with an undo.
        QTest::keyClick(window->EditWin, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window->EditWin->toPlainText(), QStringLiteral("bold blue\ncaf\u00e9"));
        // A text of other codes stays as it is.
        TEditForm* plainText = newWindow();
        plainText->EditWin->setPlainText(QStringLiteral("{\\rtx not rich"));
        sink.scriptAnswers({true});
        plainText->RichText1Click();
        QCOMPARE(plainText->EditWin->toPlainText(), QStringLiteral("{\\rtx not rich"));
        QVERIFY(sink.count(RecordingSink::Kind::Error) == 0);
    }

    void editMenuFollowsTheSelection() {
        TEditForm* window = newWindow();
        window->EditWin->setPlainText(QStringLiteral("abc"));
        window->Edit1Click();
        QVERIFY(!window->Cut1->isEnabled() && !window->Copy1->isEnabled() && !window->Delete1->isEnabled());
        window->EditWin->selectAll();
        window->Edit1Click();
        QVERIFY(window->Cut1->isEnabled() && window->Copy1->isEnabled() && window->Delete1->isEnabled());
        // New and Open go to the host.
        const QList<QAction*> file = window->menuBar()->actions().front()->menu()->actions();
        file[0]->trigger();
        file[1]->trigger();
        QCOMPARE(host_.news, 1);
        QCOMPARE(host_.opens, 1);
    }

    void fontWithColourAndPageColour() {
        TEditForm* window = newWindow();
        QFont font(QStringLiteral("DejaVu Serif"), 14);
        dialogs_.fonts.push_back({font, QColor(0, 0, 128)});
        window->Font1Click();
        QCOMPARE(dialogs_.offeredFont.font.family(), QStringLiteral("Courier New"));
        QCOMPARE(window->EditWin->font().pointSize(), 14);
        QCOMPARE(window->EditWin->palette().color(QPalette::Text), QColor(0, 0, 128));
        dialogs_.colours.push_back(QColor(255, 255, 200));
        window->Colour1Click();
        QCOMPARE(window->EditWin->palette().color(QPalette::Base), QColor(255, 255, 200));
        window->WordWrap1Click();
        QVERIFY(window->WordWrap1->isChecked());
        QCOMPARE(window->EditWin->lineWrapMode(), QTextEdit::WidgetWidth);
        // The colour the text is shown in is the colour it is saved in.
        window->EditWin->setPlainText(QStringLiteral("navy"));
        sink.scriptAnswers({true});
        window->RichText1Click();
        files_.script({path("navy.rtf").toStdString()});
        window->Save1Click();
        const RichDoc saved = ReadRtf(Bytes(path("navy.rtf"))).doc;
        QCOMPARE(saved.defaultFont, std::string("DejaVu Serif"));
        const RichCharFormat navy = saved.paragraphs[0].items[0].format;
        QCOMPARE(navy.colour, std::optional<ColourRef>(0x800000));
        QCOMPARE(navy.halfPoints, 28);
    }

    // In rich text the font dialog starts from the selection's font and formats the selection
    // only; the font, size and colour are saved and read back.
    void fontFormatsTheSelectionInRichText() {
        TEditForm* window = newWindow("UNTITLED.RTF", false);
        window->EditWin->insertPlainText(QStringLiteral("plain red plain"));
        QTextCursor select = window->EditWin->textCursor();
        select.setPosition(6);
        select.setPosition(9, QTextCursor::KeepAnchor);
        window->EditWin->setTextCursor(select);
        QFont serif(QStringLiteral("DejaVu Serif"), 16);
        serif.setItalic(true);
        dialogs_.fonts.push_back({serif, QColor(255, 0, 0)});
        window->Font1Click();
        QCOMPARE(dialogs_.offeredFont.font.family(), QStringLiteral("Courier New"));
        QCOMPARE(window->EditWin->font().family(), QStringLiteral("Courier New"));
        // Asked again on the formatted selection, the dialog starts from its font.
        window->Font1Click();
        QCOMPARE(dialogs_.offeredFont.font.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(dialogs_.offeredFont.colour, QColor(255, 0, 0));
        files_.script({path("selection.rtf").toStdString()});
        window->Save1Click();
        const RichDoc saved = ReadRtf(Bytes(path("selection.rtf"))).doc;
        RichCharFormat plain;
        plain.halfPoints = 20;
        RichCharFormat red = plain;
        red.font = "DejaVu Serif";
        red.halfPoints = 32;
        red.italic = true;
        red.colour = 0x0000FF;
        const std::vector<RichItem>& items = saved.paragraphs[0].items;
        QCOMPARE(items.size(), size_t(3));
        QCOMPARE(items[0].text, std::string("plain "));
        QVERIFY(items[0].format == plain);
        QCOMPARE(items[1].text, std::string("red"));
        QVERIFY(items[1].format == red);
        QVERIFY(items[2].format == plain);
    }

    void richTextWithAnObject() {
        const QString picture = path("plot.png");
        QImage image(120, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int x = 0; x < 120; ++x) image.setPixelColor(x, 30 + int(25 * std::sin(x / 10.0)), Qt::blue);
        QVERIFY(image.save(picture));
        const QString data = path("spectrum.dat");
        QVERIFY(WriteFileReplacing(data.toStdString(), "1 2\r\n"));
        TEditForm* window = windows_.openFile(HALVERN_RTF_TEST_DIR "/golden.rtf", false);
        QVERIFY(window);
        QVERIFY(!window->file().modified);
        QVERIFY(!window->file().untitled);
        window->EditWin->moveCursor(QTextCursor::End);
        dialogs_.objects.push_back({picture.toStdString(), false, false});
        window->InsertObject1Click();
        dialogs_.objects.push_back({data.toStdString(), false, true});
        window->InsertObject1Click();
        QVERIFY(window->file().modified);
        window->resize(640, 520);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        SaveScreenshot(window, "editor-rich-text-object.png");
        // Printing to PDF.
        dialogs_.pdfFiles.push_back(path("editor.pdf").toStdString());
        window->Print1Click();
        QVERIFY(Bytes(path("editor.pdf")).size() > 1000);
        QVERIFY(sink.entries().empty());
    }

    // "Create new" embeds a blank object of the kit's types, or a template's copy, and opens
    // it with the desktop's program at once; it is saved and read back with the document.
    void createNewEmbedsANewObjectAndOpensIt() {
        const QString memo = path("Memo.txt");
        QVERIFY(WriteFileReplacing(memo.toStdString(), "template text"));
        const struct {
            ObjectRequest request;
            std::string fileName;
            std::string data;  // "?": any bytes, checked as a picture
        } cases[] = {
            {{"", false, false, true, BlankObject::PlainText}, "New text.txt", ""},
            {{"", false, true, true, BlankObject::RichText}, "New document.rtf", "?"},
            {{"", false, false, true, BlankObject::Picture}, "New picture.png", "?"},
            {{memo.toStdString(), true, false, true}, "Memo.txt", "template text"},
        };
        for (const auto& c : cases) {
            TEditForm* window = newWindow("UNTITLED.RTF", false);
            QStringList opened;
            window->EditWin->openWithDesktop = [&](const QString& file) {
                opened << file;
                return true;
            };
            dialogs_.objects.push_back(c.request);
            window->InsertObject1Click();
            QCOMPARE(opened.size(), 1);
            QVERIFY(opened[0].endsWith(QString::fromStdString("/" + c.fileName)));
            files_.script({path("new object.rtf").toStdString()});
            window->Save1Click();
            const RichDoc saved = ReadRtf(Bytes(path("new object.rtf"))).doc;
            const auto object = saved.paragraphs[0].items.at(0).object;
            QVERIFY(object);
            QCOMPARE(object->kind, ObjectKind::Embedded);
            QCOMPARE(object->fileName, c.fileName);
            QCOMPARE(object->aspect, c.request.asIcon ? ObjectAspect::Icon : ObjectAspect::Content);
            if (c.data != "?") QCOMPARE(object->data, c.data);
            if (c.fileName == "New picture.png")
                QCOMPARE(QImage::fromData(QByteArray::fromStdString(object->data)).size(),
                         QSize(320, 240));
            if (c.fileName == "New document.rtf") QVERIFY(LooksLikeRtf(object->data));
            delete window;
        }
        QVERIFY(sink.entries().empty());
    }

    void aFileThatCannotBeReadLeavesNoWindow() {
        const size_t before = windows_.windows().size();
        const std::string missing = path("missing.txt").toStdString();
        QVERIFY(windows_.openFile(missing, true) == nullptr);
        QCOMPARE(windows_.windows().size(), before);
        QCOMPARE(sink.texts(), std::vector<std::string>{"Error reading " + missing + "."});
    }

    void closeAllStopsAtAWindowThatStays() {
        TEditForm* changed = windows_.openText("NEIGHBOR.TXT", "line 1\nline 2", true);
        QVERIFY(changed->file().modified);
        QVERIFY(changed->file().untitled);
        QCOMPARE(changed->EditWin->toPlainText(), QStringLiteral("line 1\nline 2"));
        newWindow();
        sink.scriptAnswers({true});  // Yes, then Cancel in the save dialog
        QVERIFY(!windows_.closeAll());
        QVERIFY(!windows_.windows().empty());
        sink.scriptAnswers({false});
        QVERIFY(windows_.closeAll());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(windows_.windows().empty());
    }
};

int RunEditorWindowTests(int argc, char** argv) {
    EditorWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EditorWindowTest.moc"
