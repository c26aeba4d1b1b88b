// The set-up program's batch template dialog and its editor windows, offscreen.
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "BatchForm.h"
#include "EditForm.h"
#include "FltEdit.h"
#include "MainForm.h"
#include "MessageSink.h"
#include "NeighbourDialogs.h"
#include "ProgramLoop.h"
#include "ScriptedFileChooser.h"
#include "SetupEditorHost.h"
#include "ToolWindows.h"
#include "UiSink.h"

using namespace velkor;
using halvern::RecordingSink;

namespace {

void SaveScreenshot(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + QLatin1Char('/') + QLatin1String(name));
}

void WriteFile(const std::string& path, const char* text) {
    QFile file(QString::fromStdString(path));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QAction* EditorCommand(halvern::TEditForm& window, const char* text) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QLatin1String(text)) return action;
    return nullptr;
}

void Trigger(QWidget& window, const char* action) {
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

// Answers the main window's modal dialogs: the dialog shows, `script` works on it, and the
// result it closed with is returned.
template <typename Dialog>
std::function<int(QDialog&)> Answer(std::function<void(Dialog&)> script) {
    return [script = std::move(script)](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        script(dynamic_cast<Dialog&>(dialog));
        dialog.hide();
        return dialog.result();
    };
}

struct NewCase {
    const char* how;    // the action, or "editor" for an editor window's own "&New"
    bool switchToRich;  // the Editor menu's format mode first switched to rich text
    const char* caption;
};

}  // namespace

class EditorHostingTest : public QObject {
    Q_OBJECT

    RecordingSink sink_;
    halvern::ScriptedFileChooser files_;
    QTemporaryDir dir_;

  private Q_SLOTS:
    void init() {
        sink_.clear();
        files_.clear();
        halvern::SetUiSink(&sink_);
        halvern::SetUiFileChooser(&files_);
    }
    void cleanup() {
        halvern::SetUiSink(nullptr);
        halvern::SetUiFileChooser(nullptr);
    }

    void batchDialogBrowsesAndGenerates() {
        TBatchForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.BatchEdit->text(), QStringLiteral("*.bdf"));
        QCOMPARE(form.StemEdit->text(), QStringLiteral("*"));
        QCOMPARE(form.CountEdit->text(), QStringLiteral("1"));
        // "Generate" with the pattern keeps the dialog open, without a message.
        form.GenerateClick();
        QVERIFY(form.isVisible());
        QVERIFY(sink_.entries().empty());

        const std::string folder = dir_.filePath(QStringLiteral("run.v2")).toStdString();
        files_.script({folder + "/jobs.bdf", folder + "/cu100.prj"});
        form.BrowseBatchClick();
        form.BrowseStemClick();
        QCOMPARE(files_.asked[0].title, std::string("Name of Batch Definition File"));
        QCOMPARE(files_.asked[0].defaultSuffix, std::string("bdf"));
        QCOMPARE(
            files_.asked[1].filter,
            std::string("Simulation project files|*.prj;*.trg;*.run;*.imp;*.mdl|Any files|*.*"));
        QCOMPARE(form.StemEdit->text().toStdString(), folder + "/cu100");
        form.CountEdit->setText(QStringLiteral("3"));
        SaveScreenshot(&form, "batch-template-dialog.png");
        form.GenerateClick();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(sink_.count(RecordingSink::Kind::Beep), 1);
        QCOMPARE(form.spec().batchFile, folder + "/jobs.bdf");
        QCOMPARE(form.count(), 3);
        // The record comes back the next time.
        form.show();
        QCOMPARE(form.CountEdit->text(), QStringLiteral("3"));
    }

    // The counter names every new window; a rich one uses up a number without showing it.
    void newEditorsFollowTheCounterAndTheFormatMode() {
        TMainForm w;
        const NewCase cases[] = {{"NewEdit", false, "UNTITLED.0"},
                                 {"editor", false, "UNTITLED.1"},
                                 {"NewEdit", true, "UNTITLED.RTF"},
                                 {"speed", false, "UNTITLED.3"}};
        halvern::TEditForm* last = nullptr;
        for (const NewCase& c : cases) {
            sink_.scriptAnswers({true});
            Trigger(w, c.switchToRich ? "RichText1" : "PlainText1");
            if (std::string_view(c.how) == "editor")
                EditorCommand(*last, "&New")->trigger();
            else if (std::string_view(c.how) == "speed")
                w.findChild<QToolButton*>(QStringLiteral("SpeedButton7"))->click();
            else
                Trigger(w, c.how);
            last = w.editors().windows().back();
            QCOMPARE(last->windowTitle(), QString::fromLatin1(c.caption));
            QCOMPARE(last->file().fileName, std::string(c.caption));
            QVERIFY(last->file().untitled && !last->file().modified);
            QCOMPARE(last->EditWin->plainTextMode(), !c.switchToRich);
            QVERIFY(last->isVisible());
        }
        QCOMPARE(w.editors().windows().size(), size_t(4));
    }

    // The set-up host sets the mode before it loads: rich-text mode reads the codes as formats.
    void openReadsTheFileInTheMenuMode() {
        const std::string path = dir_.filePath(QStringLiteral("note.rtf")).toStdString();
        WriteFile(path, "{\\rtf1\\ansi {\\b bold} text}");
        TMainForm w;
        files_.script({path});
        Trigger(w, "OpenEdit");
        QCOMPARE(files_.asked[0].title, std::string("Open file in editor"));
        QCOMPARE(files_.asked[0].initialName, std::string("*.trg"));
        halvern::TEditForm* plain = w.editors().windows().back();
        QVERIFY(plain->EditWin->toPlainText().startsWith(QStringLiteral("{\\rtf1")));
        QVERIFY(!plain->file().untitled && !plain->file().modified);

        sink_.scriptAnswers({true});
        Trigger(w, "RichText1");
        files_.script({path});
        w.findChild<QToolButton*>(QStringLiteral("SpeedButton6"))->click();
        halvern::TEditForm* rich = w.editors().windows().back();
        QCOMPARE(rich->EditWin->toPlainText(), QStringLiteral("bold text"));
        QCOMPARE(rich->windowTitle().toStdString(), path);
        QCOMPARE(rich->statusText(), QStringLiteral("Rich text"));
        rich->resize(520, 240);
        SaveScreenshot(rich, "setup-editor-rich-text.png");

        // A cancelled open and a file that cannot be read leave no new window.
        sink_.clear();
        files_.script({std::nullopt, path + ".gone"});
        Trigger(w, "OpenEdit");
        Trigger(w, "OpenEdit");
        QCOMPARE(w.editors().windows().size(), size_t(2));
        QCOMPARE(sink_.count(RecordingSink::Kind::Error), 1);
        QVERIFY(sink_.texts().front().find(path + ".gone") != std::string::npos);
    }

    // The main window closes its editors first; one whose save is cancelled keeps it open.
    void closingTheMainWindowClosesItsEditors() {
        QPointer<halvern::TEditForm> orphan;
        {
            TMainForm gone;
            Trigger(gone, "NewEdit");
            orphan = gone.editors().windows().front();
        }
        QVERIFY(orphan.isNull());  // no window outlives the host its New and Open call

        TMainForm w;
        w.show();
        Trigger(w, "NewEdit");
        Trigger(w, "NewEdit");
        QPointer<halvern::TEditForm> changed = w.editors().windows().back();
        QTest::keyClicks(changed->EditWin, QStringLiteral("keep"));
        sink_.scriptAnswers({true});  // save, then the save dialog is cancelled
        QVERIFY(!w.close());
        QVERIFY(w.isVisible() && changed);
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Save changes to UNTITLED.1?"});
        QCOMPARE(changed->EditWin->toPlainText(), QStringLiteral("keep"));

        sink_.scriptAnswers({false});
        QVERIFY(w.close());
        // They free themselves.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(w.editors().windows().empty());
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
        TMainForm w;
        ProgramEndWiring wiring(&w);
        w.show();
        Trigger(w, "NewEdit");
        QPointer<halvern::TEditForm> editor = w.editors().windows().back();
        QTest::keyClicks(editor->EditWin, QStringLiteral("kept"));
        const QString saved = dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + ".txt");
        files_.script({saved.toStdString()});

        QString asked;
        QCOMPARE(CloseProgramAnswering(w, save ? QMessageBox::Yes : QMessageBox::No, &asked), 0);
        QCOMPARE(asked, QStringLiteral("Save changes to UNTITLED.0?"));
        QVERIFY(!w.isVisible() && (editor.isNull() || !editor->isVisible()));
        QCOMPARE(QFile::exists(saved), save);
    }

    void batchTemplateOpensAsAnUnsavedPlainWindow() {
        TMainForm w;
        sink_.scriptAnswers({true});
        Trigger(w, "RichText1");  // the template is plain text all the same
        const std::string batch = dir_.filePath(QStringLiteral("jobs.bdf")).toStdString();
        w.runModal = Answer<TBatchForm>([&](TBatchForm& form) {
            form.BatchEdit->setText(QString::fromStdString(batch));
            form.StemEdit->setText(QStringLiteral("run.v2/cu"));
            form.CountEdit->setText(QStringLiteral("3"));
            form.GenerateClick();
        });
        Trigger(w, "BatchTemplate1");
        QCOMPARE(w.editors().windows().size(), size_t(1));
        halvern::TEditForm* window = w.editors().windows().front();
        QCOMPARE(window->file().fileName, batch);
        QVERIFY(window->file().untitled && window->file().modified);
        QVERIFY(window->EditWin->plainTextMode());
        const QStringList lines = window->EditWin->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines[20], QStringLiteral("Project 3: "));
        QCOMPARE(lines[27], QStringLiteral("run.v2/inivars.osl"));
        QCOMPARE(lines[29], QStringLiteral("run.v2/cu.dat"));

        // Saving offers the name as a batch definition file (the dialog cancelled here).
        files_.clear();
        EditorCommand(*window, "&Save")->trigger();
        QCOMPARE(files_.asked.size(), size_t(1));
        const std::string& filter = files_.asked[0].filter;
        const size_t entry = files_.asked[0].filterIndex;
        QCOMPARE(QString::fromStdString(filter).split(QLatin1Char('|')).at(2 * entry),
                 QStringLiteral("Batch definition file"));
        QCOMPARE(files_.asked[0].initialName, batch);

        w.runModal = Answer<TBatchForm>([](TBatchForm& form) { form.reject(); });
        Trigger(w, "BatchTemplate1");
        QCOMPARE(w.editors().windows().size(), size_t(1));
        window->file().modified = false;
    }

    // Each report opens in a window of the menu's mode, unchanged, once OK has read every file
    // it needs; the two dialogs share the target file.
    void neighbourReportsOpenInEditors() {
        const std::string target = dir_.filePath(QStringLiteral("pair.trg")).toStdString();
        const std::string model = dir_.filePath(QStringLiteral("cu.mdl")).toStdString();
        WriteFile(target, "0 0 0\r\n0 0 2.628\r\n");
        WriteFile(model, "0\r\n1.0\r\n1\r\n0.890869\r\n0\r\n0.480\r\n1.405\r\n2.628\r\n");
        TMainForm w;
        auto ok = [](NeighbourDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        };
        w.runModal = Answer<NeighbourDialog>([&](NeighbourDialog& d) {
            d.Edit1->setText(QString::fromStdString(target));
            ok(d);
        });
        Trigger(w, "Distances1");
        QCOMPARE(w.tools().NPotlDlg->Edit1->text(), QString::fromStdString(target));
        w.tools().NPotlDlg->Edit2->setText(QString::fromStdString(model));
        sink_.scriptAnswers({true});
        Trigger(w, "RichText1");
        w.runModal = Answer<NeighbourDialog>(ok);
        Trigger(w, "NeighbourPotential1");
        const std::vector<halvern::TEditForm*> windows = w.editors().windows();
        QCOMPARE(windows.size(), size_t(2));
        QCOMPARE(windows[0]->windowTitle(), QStringLiteral("NEIGHBOR.TXT"));
        QVERIFY(
            windows[0]->EditWin->toPlainText().endsWith(QStringLiteral("0.0000  1\n2.6280  2")));
        QCOMPARE(windows[1]->windowTitle(), QStringLiteral("POTENTL..RTF"));
        QVERIFY(!windows[1]->EditWin->plainTextMode());
        QVERIFY(windows[1]->EditWin->toPlainText().endsWith(
            QStringLiteral("Total potential (V/2): -0.2400 eV")));
        for (halvern::TEditForm* window : windows) QVERIFY(!window->file().modified);

        // A missing model file: its message, the dialog open with its values, no window.
        w.tools().NPotlDlg->Edit2->setText(QString::fromStdString(model + ".gone"));
        bool stayedOpen = false;
        w.runModal = Answer<NeighbourDialog>([&](NeighbourDialog& d) {
            ok(d);
            stayedOpen = d.isVisible() && d.result() == QDialog::Rejected;
        });
        sink_.clear();
        Trigger(w, "NeighbourPotential1");
        QCOMPARE(sink_.texts(), std::vector<std::string>{"File not found: " + model + ".gone"});
        QVERIFY(stayedOpen);
        QCOMPARE(w.tools().NPotlDlg->Edit1->text(), QString::fromStdString(target));
        QCOMPARE(w.editors().windows().size(), size_t(2));

        // Nobody edited the reports: closing them asks nothing.
        sink_.clear();
        for (halvern::TEditForm* window : windows) QVERIFY(window->close());
        QVERIFY(sink_.entries().empty());
    }

    void batchCountOutsideItsRangeKeepsTheDialog() {
        TBatchForm form;
        form.show();
        form.BatchEdit->setText(QStringLiteral("jobs.bdf"));
        form.CountEdit->setText(QStringLiteral("10000"));
        form.GenerateClick();
        QVERIFY(form.isVisible());
        QCOMPARE(sink_.count(RecordingSink::Kind::Beep), 1);  // the range message's beep
        QCOMPARE(
            sink_.count(RecordingSink::Kind::Error) + sink_.count(RecordingSink::Kind::Warning), 1);
    }
};

QTEST_MAIN(EditorHostingTest)
#include "EditorHostingTest.moc"
