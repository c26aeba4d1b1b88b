// An editor window on the view made for large text: read in pieces with its commands waiting,
// then typed into, undone, searched, replaced, saved, printed and formatted through the window;
// the commands that do not apply say so; a file that cannot be read leaves no window.
#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "EditForm.h"
#include "FileBytes.h"
#include "FileSafety.h"
#include "FindDialogs.h"
#include "LargeTextView.h"
#include "Screenshot.h"
#include "ScriptedFileChooser.h"
#include "ScriptedStandardDialogs.h"
#include "UiSink.h"

using namespace halvern;

namespace {

QAction* Command(TEditForm& window, const char* text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QLatin1String(text)) return action;
    return nullptr;
}

// Numbered lines, some with a word to find.
std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + (i % 100 == 0 ? " hit" : " line") + "\t\xC2\xA0" "end\r\n";
    return text;
}

}  // namespace

class LargeTextViewTest : public QObject {
    Q_OBJECT

    RecordingSink sink;

    QTemporaryDir dir_;
    ScriptedFileChooser files_;
    ScriptedStandardDialogs dialogs_;

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A window reading the file into its view, shown; null when it could not be opened.
    TEditForm* openLarge(const QString& file) {
        auto* window = new TEditForm(nullptr, "velkor");
        window->setFileName(file.toStdString());
        if (!window->loadLargeFile(file.toStdString())) {
            delete window;
            return nullptr;
        }
        window->FormShow();
        return window;
    }

  private slots:
    void init() {
        sink.clear();
        SetUiSink(&sink);
        SetUiFileChooser(&files_);
        SetUiStandardDialogs(&dialogs_);
    }
    void cleanup() {
        SetUiSink(nullptr);
        SetUiFileChooser(nullptr);
        SetUiStandardDialogs(nullptr);
    }

    void readsInPiecesThenEditsAndSaves() {
        const QString file = path("result.dat");
        const std::string bytes = NumberedLines(2000);
        QVERIFY(WriteFileReplacing(file.toStdString(), bytes));
        TEditForm* window = openLarge(file);
        QVERIFY(window);
        LargeTextView* view = window->LargeView;
        QCOMPARE(window->centralWidget(), view);
        // Until the text is read, the commands that need it wait.
        QVERIFY(view->isLoading());
        QVERIFY(!Command(*window, "&Save")->isEnabled());
        QVERIFY(!Command(*window, "&Find")->isEnabled());
        QSignalSpy loaded(view, &LargeTextView::loaded);
        QVERIFY(loaded.wait(5000));
        QCOMPARE(loaded.front().front().toBool(), true);
        QVERIFY(Command(*window, "&Save")->isEnabled());
        QVERIFY(!window->findChild<QProgressBar*>(QStringLiteral("LoadProgress"))->isVisible());
        QCOMPARE(view->text()->lineCount(), size_t(2000));
        QVERIFY(!window->file().modified);

        // Typing, a new line and Backspace; Ctrl+Z takes the typing back in one step.
        view->setFocus();
        QTest::keyClick(view, Qt::Key_End);
        QTest::keyClicks(view, QStringLiteral("xy"));
        QTest::sendKeyEvent(QTest::Click, view, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                            Qt::NoModifier);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(window->file().modified);
        QCOMPARE(view->text()->line(0), std::u16string(u"1 line\t\u00A0endxy"));
        QCOMPARE(view->text()->lineCount(), size_t(2001));
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(view->text()->lineCount(), size_t(2000));
        // Moving down a page and selecting to the end of the line.
        QTest::keyClick(view, Qt::Key_PageDown);
        QVERIFY(view->caret().line > 0);
        QVERIFY(view->firstVisibleLine() <= view->caret().line);
        QTest::keyClick(view, Qt::Key_Home);
        QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
        QVERIFY(view->hasSelection());

        // Saved as lines ended by CR LF, its characters as they are.
        files_.script({path("saved.dat").toStdString()});
        window->SaveAs1Click();
        std::string expected = bytes;
        expected.insert(expected.find("\r\n"), "xy");
        QCOMPARE(Bytes(path("saved.dat")), expected);
        QVERIFY(!window->file().modified);
        QVERIFY(sink.entries().empty());
        SaveWindowScreenshot(window, QStringLiteral("editor-large-text.png"));
        delete window;
    }

    // Up and Down keep the caret's column across a shorter line; a click lands on the character
    // under it, in the line under it.
    void caretKeepsItsColumnAndTheMouseFindsItsCharacter() {
        const QString file = path("columns.txt");
        QVERIFY(WriteFileReplacing(file.toStdString(), "abcdefgh\r\nab\r\nabcdefgh\r\n"));
        TEditForm* window = openLarge(file);
        QVERIFY(window);
        LargeTextView* view = window->LargeView;
        QVERIFY(QSignalSpy(view, &LargeTextView::loaded).wait(5000));
        view->setFocus();
        view->setSelection({0, 6}, {0, 6});
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->caret().column, size_t(2));
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->caret().line, size_t(2));
        QCOMPARE(view->caret().column, size_t(6));

        const QFontMetrics metrics(view->font());
        const int y = metrics.lineSpacing() * 2 + metrics.lineSpacing() / 2;
        const int x = 4 + metrics.horizontalAdvance(QStringLiteral("abc")) + 1;  // 4: the margin
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(x, y));
        QCOMPARE(view->caret().line, size_t(2));
        QCOMPARE(view->caret().column, size_t(3));
        delete window;
    }

    // Find goes on to the end and says so; Replace replaces the hit it stands on; Replace All
    // counts; the commands that cannot apply say so; font, colour and printing work.
    void windowCommandsWorkOnTheView() {
        const QString file = path("hits.dat");
        QVERIFY(WriteFileReplacing(file.toStdString(), NumberedLines(300)));
        TEditForm* window = openLarge(file);
        LargeTextView* view = window->LargeView;
        QTRY_VERIFY(!view->isLoading());
        TextFindDialog* find = window->findDialog();
        find->setFindText(QStringLiteral("HIT"));
        for (size_t line : {99u, 199u, 299u}) {
            QVERIFY(window->findNext(*find));
            QCOMPARE(view->caret(), (TextPos{line, 7}));
        }
        QVERIFY(!window->findNext(*find));
        TextFindDialog* replace = window->replaceDialog();
        replace->setFindText(QStringLiteral("line"));
        replace->replaceEdit()->setText(QStringLiteral("row"));
        view->setSelection({0, 0}, {0, 0});
        window->replaceOne(*replace);  // finds the first, replaces it, selects the next
        QCOMPARE(view->text()->line(0), std::u16string(u"1 row\t\u00A0end"));
        QCOMPARE(view->selectedText(), std::u16string(u"line"));
        window->replaceAll(*replace);
        QCOMPARE(view->text()->line(1), std::u16string(u"2 row\t\u00A0end"));
        QCOMPARE(sink.texts(),
                 (std::vector<std::string>{kReachedEndText, "Replaced 296 occurrences."}));
        sink.clear();

        window->RichText1Click();
        window->WordWrap1Click();
        QCOMPARE(sink.texts(), (std::vector<std::string>{kLargeTextNotRich, kLargeTextNoWordWrap}));
        QVERIFY(window->EditWin->plainTextMode());
        QCOMPARE(window->statusText(), QStringLiteral("Plain text"));

        dialogs_.fonts.push_back({QFont(QStringLiteral("DejaVu Sans Mono"), 13), QColor(0, 0, 128)});
        window->Font1Click();
        QCOMPARE(view->font().pointSize(), 13);
        QCOMPARE(view->palette().color(QPalette::Text), QColor(0, 0, 128));
        dialogs_.colours.push_back(QColor(255, 255, 220));
        window->Colour1Click();
        QCOMPARE(view->palette().color(QPalette::Base), QColor(255, 255, 220));

        dialogs_.pdfFiles.push_back(path("large.pdf").toStdString());
        window->Print1Click();
        QCOMPARE(Bytes(path("large.pdf")).substr(0, 5), std::string("%PDF-"));
        QCOMPARE(sink.count(RecordingSink::Kind::Error), 0);
        delete window;
    }

    // Closing while the text is read asks nothing and stops the reading; a file that cannot
    // be opened is reported and leaves no window.
    void closingWhileReadingAndFilesThatCannotBeRead() {
        const QString file = path("closing.dat");
        QVERIFY(WriteFileReplacing(file.toStdString(), NumberedLines(100)));
        QPointer<TEditForm> window = openLarge(file);
        QVERIFY(window->LargeView->isLoading());
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QVERIFY(sink.entries().empty());

        const QString fifo = path("fifo");
        QCOMPARE(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
        QVERIFY(openLarge(fifo) == nullptr);
        QCOMPARE(sink.texts(), std::vector<std::string>{"Error reading " + fifo.toStdString() +
                                                        ": it is not a regular file."});
    }
};

int RunLargeTextViewTests(int argc, char** argv) {
    LargeTextViewTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "LargeTextViewTest.moc"
