// The analysis program's editor windows: New and Open of the main window and of an editor, the
// results of collate and convert shown in an editor, the 50 MB question, and the editors closed
// before the program ends.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTextBlock>
#include <QtTest>

#include "AnalysisEditorHost.h"
#include "EditForm.h"
#include "ProgramLoop.h"
#include "ResultEditing.h"
#include "UiTestSupport.h"

using namespace brisal;
using namespace brisal_test;
using halvern::RecordingSink;
using halvern::TEditForm;

namespace {

// An editor's command by its menu text.
QAction* EditorCommand(TEditForm& editor, const char* text) {
    for (QAction* action : editor.findChildren<QAction*>())
        if (action->text() == QLatin1String(text)) return action;
    return nullptr;
}

QStringList Captions(const std::vector<TEditForm*>& windows) {
    QStringList captions;
    for (const TEditForm* window : windows) captions << window->windowTitle();
    return captions;
}

// A file's text as a plain-text editor shows it: LF line ends, no empty line after the last.
QString Shown(QByteArray bytes) {
    bytes.replace("\r\n", "\n");
    if (bytes.endsWith('\n')) bytes.chop(1);
    return QString::fromUtf8(bytes);
}

// Closed windows are deleted once the event loop gets to it.
void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class EditorHostingTest : public UiTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void newWindowsAreNumberedAndUntitled() {
        BrisalWindows w = startProgram();
        AnalysisEditorHost& editors = w.main->editors();
        // Two from the main window, one from an editor's own "&New": the count goes on.
        Child<QAction>(*w.main, "New1")->trigger();
        Child<QAction>(*w.main, "New1")->trigger();
        EditorCommand(*editors.windows().back(), "&New")->trigger();
        QCOMPARE(Captions(editors.windows()), QStringList({"NEW0.TXT", "NEW1.TXT", "NEW2.TXT"}));
        for (TEditForm* window : editors.windows()) {
            QVERIFY(window->isVisible());
            QVERIFY(window->file().untitled);
            QVERIFY(!window->file().modified);
            QVERIFY(window->EditWin->plainTextMode());
            QCOMPARE(window->statusText(), QStringLiteral("Plain text"));
        }
        // A closed window's number is not given again.
        editors.windows().front()->close();
        DeleteClosedWindows();
        Child<QAction>(*w.main, "New1")->trigger();
        QCOMPARE(Captions(editors.windows()), QStringList({"NEW1.TXT", "NEW2.TXT", "NEW3.TXT"}));
        QVERIFY(sink.entries().empty());
    }

    // The main window's Open starts on text files, an editor's on any file; a text file is
    // shown as it is, a rich-text file formatted, and a cancelled dialog opens nothing.
    void openDialogsOfTheMainWindowAndOfAnEditor() {
        BrisalWindows w = startProgram();
        AnalysisEditorHost& editors = w.main->editors();
        const QString notes = path("notes.txt"), letter = path("letter.rtf");
        WriteText(notes, "first line\r\nsecond line\r\n");
        WriteText(letter, "{\\rtf1\\ansi {\\b bold} text}");

        fileDialogs.script({notes.toStdString(), std::nullopt, letter.toStdString()});
        Child<QAction>(*w.main, "Open1")->trigger();
        QCOMPARE(editors.windows().size(), size_t{1});
        TEditForm& first = *editors.windows().front();
        EditorCommand(first, "&Open")->trigger();  // cancelled
        EditorCommand(first, "&Open")->trigger();

        const struct {
            const char* initialName;
            int filterIndex;
        } asked[] = {{"*.??t", 0}, {"*.*", 1}, {"*.*", 1}};
        QCOMPARE(fileDialogs.asked.size(), std::size(asked));
        for (size_t i = 0; i < std::size(asked); ++i) {
            QCOMPARE(fileDialogs.asked[i].initialName, std::string(asked[i].initialName));
            QCOMPARE(fileDialogs.asked[i].filterIndex, asked[i].filterIndex);
            QCOMPARE(fileDialogs.asked[i].filter,
                     std::string("Text files and data files|*.txt;*.dat|Any file|*.*"));
        }

        QCOMPARE(Captions(editors.windows()), QStringList({notes, letter}));
        const struct {
            QString shown;
            bool plain;
        } shown[] = {{Shown(FileBytes(notes)), true}, {QStringLiteral("bold text"), false}};
        for (size_t i = 0; i < 2; ++i) {
            TEditForm& window = *editors.windows()[i];
            QCOMPARE(window.EditWin->toPlainText(), shown[i].shown);
            QVERIFY(!window.file().untitled);
            QVERIFY(!window.file().modified);
            QCOMPARE(window.EditWin->plainTextMode(), shown[i].plain);
            QCOMPARE(window.statusText(),
                     shown[i].plain ? QStringLiteral("Plain text") : QStringLiteral("Rich text"));
        }
        const QTextBlock formatted = editors.windows()[1]->EditWin->document()->firstBlock();
        QCOMPARE(formatted.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(sink.entries().empty());
    }

    // A file that cannot be read is reported by name, and no empty window stays.
    void anUnreadableFileLeavesNoWindow() {
        BrisalWindows w = startProgram();
        const QString gone = path("gone.txt");
        fileDialogs.script({gone.toStdString()});
        Child<QAction>(*w.main, "Open1")->trigger();
        w.main->editFile(gone.toStdString());
        QVERIFY(w.main->editors().windows().empty());
        QCOMPARE(sink.count(RecordingSink::Kind::Error), 2);
        for (const std::string& text : sink.texts())
            QVERIFY2(QString::fromStdString(text).contains(gone), text.c_str());
    }

    void collateResultOpensInAnEditor() {
        BrisalWindows w = startProgram();
        const QString source = path("run.osl"), destination = path("collated.dat");
        WriteRecords(source, {Particle(50), Particle(150, 1), Particle(250, 1)});
        ModalScripts modal;
        modal.add([&](QDialog& d) {
            QVERIFY(Child<QCheckBox>(d, "CheckBox1")->isEnabled());
            QVERIFY(Child<QCheckBox>(d, "CheckBox1")->isChecked());
            SetText(d, "Edit1", source);
            SetText(d, "Edit2", destination);
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Collate1")->trigger();
        QVERIFY(modal.allUsed());
        QVERIFY(sink.entries().empty());

        const std::vector<TEditForm*> windows = w.main->editors().windows();
        QCOMPARE(Captions(windows), QStringList{destination});
        const QByteArray written = FileBytes(destination);
        QVERIFY(!written.isEmpty());
        QCOMPARE(windows[0]->EditWin->toPlainText(), Shown(written));
        QVERIFY(!windows[0]->file().modified);
        QVERIFY(!windows[0]->file().untitled);
    }

    // A result larger than 50 MB is loaded only after the user agrees; No opens nothing.
    void largeResultAnsweredNoOpensNothing() {
        BrisalWindows w = startProgram();
        const QString large = path("large.dat");
        {
            QFile file(large);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(kLargeResultBytes) + 1));  // sparse: cheap to make
        }
        sink.scriptAnswers({false});
        w.main->editFile(large.toStdString());
        QVERIFY(w.main->editors().windows().empty());
        QCOMPARE(sink.count(RecordingSink::Kind::YesNo), 1);
        QCOMPARE(sink.texts(), std::vector<std::string>{LargeResultQuestion(
                                   large.toStdString(), kLargeResultBytes + 1)});
    }

    // Closing the main window closes the editors first, each asking about its changes; one
    // kept open (Yes, then a cancelled save dialog) keeps the program.
    void editorsCloseBeforeTheProgramEnds_data() {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("chooseName");
        QTest::addColumn<bool>("programEnds");
        QTest::newRow("no: not saved") << QList<bool>{false} << false << true;
        QTest::newRow("yes, then cancel") << QList<bool>{true} << false << false;
        QTest::newRow("yes, then a name") << QList<bool>{true} << true << true;
    }
    void editorsCloseBeforeTheProgramEnds() {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, chooseName);
        QFETCH(bool, programEnds);
        BrisalWindows w = startProgram();
        w.main->show();
        QSignalSpy closed(w.main.get(), &TMainForm::closed);
        AnalysisEditorHost& editors = w.main->editors();
        editors.newEditor();  // untouched: closes without a question
        editors.newEditor();
        editors.windows().back()->EditWin->insertPlainText(QStringLiteral("kept"));
        for (bool answer : answers) sink.scriptAnswers({answer});
        const QString saved = path("saved.txt");
        if (chooseName) fileDialogs.script({saved.toStdString()});

        QCOMPARE(w.main->close(), programEnds);
        DeleteClosedWindows();
        QCOMPARE(sink.texts(), std::vector<std::string>{"Save changes to NEW1.TXT?"});
        QCOMPARE(closed.count(), programEnds ? 1 : 0);
        QCOMPARE(w.main->isVisible(), !programEnds);
        if (programEnds) {
            QVERIFY(editors.windows().empty());
        } else {
            QCOMPARE(Captions(editors.windows()), QStringList{"NEW1.TXT"});
            QCOMPARE(editors.windows().front()->EditWin->toPlainText(), QStringLiteral("kept"));
        }
        QCOMPARE(FileBytes(saved).startsWith("kept"), chooseName);
    }

    // The program ends after an editor's question, asked in a real message box, whatever the
    // answer: Yes saves the text under the chosen name first.
    void programEndsAfterTheEditorsQuestion_data() {
        QTest::addColumn<bool>("save");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void programEndsAfterTheEditorsQuestion() {
        QFETCH(bool, save);
        RealMessageBoxes boxes;
        BrisalWindows w = startProgram();
        ProgramEndWiring wiring(w.main.get());
        w.main->show();
        w.main->editors().newEditor();
        QPointer<TEditForm> editor = w.main->editors().windows().back();
        QTest::keyClicks(editor->EditWin, QStringLiteral("kept"));
        const QString saved = path("kept.txt");
        fileDialogs.script({saved.toStdString()});

        QString asked;
        QCOMPARE(CloseProgramAnswering(*w.main, save ? QMessageBox::Yes : QMessageBox::No, &asked),
                 0);
        QCOMPARE(asked, QStringLiteral("Save changes to NEW0.TXT?"));
        QVERIFY(!w.main->isVisible() && (editor.isNull() || !editor->isVisible()));
        QCOMPARE(FileBytes(saved).startsWith("kept"), save);
    }

    // For review: an editor showing a converted result.
    void screenshot() {
        const QString shots = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (shots.isEmpty()) QSKIP("HALVERN_SCREENSHOT_DIR is not set");
        QVERIFY(QDir().mkpath(shots));
        BrisalWindows w = startProgram();
        const QString source = path("RUN7.osl");
        WriteRecords(source, {Particle(50), Particle(150, 1), Particle(250, 2), Particle(20, 3)});
        ModalScripts modal;
        modal.add([&](QDialog& d) {
            SetText(d, "Edit1", source);
            SetText(d, "Edit2", path("RUN7.dat"));
            Child<QCheckBox>(d, "CheckBox1")->setChecked(true);
            Click(d, "BitBtn1");
        });
        Child<QAction>(*w.main, "Convert1")->trigger();
        QCOMPARE(w.main->editors().windows().size(), size_t{1});
        TEditForm& editor = *w.main->editors().windows().front();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(editor.grab().save(shots + "/brisal22-editor.png"));
    }
};

int RunEditorHostingTests(int argc, char** argv) {
    EditorHostingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EditorHostingTest.moc"
