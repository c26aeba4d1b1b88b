// The main window's New and Open commands of the projectile, run, model and inelastic files on
// the offscreen platform: captions, what the open dialog is asked, the loaded values shown, the
// file OK writes, and files that do not load.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <initializer_list>

#include "DialogTestCase.h"
#include "FileSafety.h"
#include "HelpWindow.h"
#include "InlForm.h"
#include "InputFileCommands.h"
#include "MainForm.h"
#include "MdlForm.h"
#include "PrjForm.h"
#include "RunForm.h"
#include "ShortString.h"

using namespace velkor;
using halvern::RecordingSink;

namespace {

std::string CrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
}

std::string Contents(const std::string& path) {
    std::string bytes;
    halvern::ReadFileBytes(path, bytes);
    return bytes;
}

QString EditText(QDialog& dialog, const char* name) {
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    return edit != nullptr ? edit->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QString ShownHelpPage() {
    const halvern::HelpWindow* help = halvern::ProgramHelpWindow();
    return help != nullptr && help->isVisible() ? help->source().fileName() : QString();
}

void Screenshot(QWidget& window, const QString& file) {
    const QString dir = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(window.grab().save(dir + "/" + file));
}

const char* const kModelLines[] = {
    "2",   "0.95",  "0",   "1.2", "0",    "-0.5",  "1.3885",      "2.845", "1.2",  "2.3", "0",
    "58.6934", "450", "300", "380", "-4.44", "-1.5", "2.5", "0.1 0.2 0.3", "77.5", "1"};

std::string ModelLines(size_t count) {
    std::string text;
    for (size_t k = 0; k < count; ++k) text += std::string(kModelLines[k]) + "\r\n";
    return text;
}

// One kind of input file as its commands show it.
struct Kind {
    InputFile kind;
    const char* name;
    const char* newAction;
    const char* openAction;
    int speedButton;
    const char* newCaption;
    const char* openPrefix;  // empty: the inelastic dialog's own caption
    const char* openTitle;
    const char* pattern;
    const char* extension;
    int listEntry;
};

const Kind kKinds[] = {
    {InputFile::Projectile, "projectile", "NewPrj", "OpenPrj", 2, "Projectile: UNTITLED.PRJ",
     "Projectile: ", "Projectile specification file", "*.PRJ", "PRJ", 0},
    {InputFile::Run, "run", "NewRun", "Open1", 3, "Run Specifications: UNTITLED.RUN",
     "Run specifications: ", "Simulation run specification file", "*.RUN", "RUN", 2},
    {InputFile::Model, "model", "NewMdl", "OpenMdl", 4, "Simulation Model: UNTITLED.MDL",
     "Simulation model: ", "Simulation model specification file", "*.MDL", "MDL", 1},
    {InputFile::Inelastic, "inelastic", "New6", "OpenInelastic", 8,
     "Inelastic Losses: UNTITLED.INL", "Inelastic Losses: ", "Simulation inelastic losses file",
     "*.INL", "INL", 4},
};

}  // namespace

class InputFileCommandsTest : public DialogTestCase {
    Q_OBJECT

  private:
    // The captions of the dialogs shown, in order; each is worked on by `script_` while shown.
    QStringList shown_;
    std::function<void(QDialog&)> script_;

    void answerDialogs(TMainForm& w) {
        shown_.clear();
        script_ = nullptr;
        w.runModal = [this](QDialog& dialog) {
            dialog.setResult(QDialog::Rejected);
            dialog.show();
            shown_ << dialog.windowTitle();
            if (script_) script_(dialog);
            dialog.hide();
            return dialog.result();
        };
    }

    static QAction* action(TMainForm& w, const char* name) {
        return w.findChild<QAction*>(QString::fromLatin1(name));
    }

    static void clickOk(QDialog& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                          Qt::LeftButton);
    }

  private slots:
    // Speed button, caption, a filled value, and OK answered in the save dialog writes the file.
    void newCommandsShowTheUntitledDialogAndOkWrites() {
        const struct {
            const Kind& kind;
            const char* edit;
            const char* value;
            std::string written;  // a part of the file, one line or more, with its CR LF
        } rows[] = {
            {kKinds[0], "FloatEdit2", "2.5", "     2.500   18 39.94800   0 Ar\r\n"},
            {kKinds[1], "FloatEdit1", "45.00", "\r\n0\r\n45.00\r\n0.00\r\n"},
            {kKinds[2], "FloatEdit9", "77.5", "\r\n77.5\r\n0\r\n"},
            {kKinds[3], "FloatEdit1", "100000", "\r\n100000   // threshold in m/s\r\n"},
        };
        TMainForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        answerDialogs(w);
        for (const auto& row : rows) {
            sink_.clear();
            chooser_.clear();
            shown_.clear();
            const std::string target = file(row.kind.name) + "." + row.kind.extension;
            chooser_.script({target});
            script_ = [&](QDialog& dialog) {
                auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(row.edit));
                QVERIFY2(edit != nullptr, row.edit);
                edit->setText(QString::fromLatin1(row.value));
                clickOk(dialog);
                QCOMPARE(dialog.result(), int(QDialog::Accepted));
            };
            // The main window's own button: the orientation windows have buttons of this name.
            auto* button = w.findChild<QToolBar*>(QStringLiteral("SpeedBar"))
                               ->findChild<QToolButton*>(
                                   QStringLiteral("SpeedButton%1").arg(row.kind.speedButton));
            QVERIFY2(button != nullptr && button->isEnabled(), row.kind.name);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(shown_, QStringList{QString::fromLatin1(row.kind.newCaption)});
            QCOMPARE(chooser_.asked.size(), size_t{1});
            QCOMPARE(chooser_.asked[0].initialName,
                     "UNTITLED." + std::string(row.kind.extension));
            const std::string text = Contents(target);
            QVERIFY2(text.find(row.written) != std::string::npos, text.c_str());
        }
        // The model dialog shows its composite potential once made by the main window.
        QVERIFY(w.inputFiles().MdlForm->BitBtn4->isEnabled());
    }

    // Open asks the shared open dialog, shows the loaded values under the file's name; New after
    // it keeps them and only renames the dialog.
    void openShowsTheLoadedValuesAndNewKeepsThem() {
        using Check = std::function<void(TMainForm&)>;
        const struct {
            const Kind& kind;
            std::string contents;
            Check check;
        } rows[] = {
            {kKinds[0], "     2.500    2  4.00260   5 He\r\n",
             [](TMainForm& w) {
                 TPrjForm& d = *w.inputFiles().PrjForm;
                 QCOMPARE(d.ComboBox1->currentText(), QStringLiteral("He"));
                 QCOMPARE(EditText(d, "IntegerEdit1"), QStringLiteral("2"));
                 QCOMPARE(EditText(d, "FlagEdit"), QStringLiteral("5"));
             }},
            {kKinds[1],
             CrLf({"3", "65535", "8", "45.00", "359.99", "05.0e-17", "20", "400.0   20.0", "4.5",
                   "60", "[rw = 0] {projectile}"}),
             [](TMainForm& w) {
                 TRunForm& d = *w.inputFiles().RunForm;
                 QVERIFY(d.CheckBox1->isChecked() && d.CheckBox2->isChecked());
                 QCOMPARE(EditText(d, "IntegerEdit1"), QStringLiteral("65535"));
                 QCOMPARE(EditText(d, "FloatEdit2"), QStringLiteral("359.99"));
                 QCOMPARE(EditText(d, "FloatEdit5"), QStringLiteral("20"));
                 QCOMPARE(d.Memo1->toPlainText(), QStringLiteral("[rw = 0] {projectile}"));
                 QVERIFY(d.Memo1->isEnabled());
             }},
            {kKinds[2], ModelLines(21),
             [](TMainForm& w) {
                 TMdlForm& d = *w.inputFiles().MdlForm;
                 QVERIFY(d.PtButtons[2]->isChecked() && d.TtButtons[0]->isChecked());
                 QCOMPARE(EditText(d, "FloatEdit3"), QStringLiteral("-0.5"));
                 QCOMPARE(EditText(d, "FloatEdit9"), QStringLiteral("77.5"));
                 QCOMPARE(EditText(d, "FloatEdit13"), QStringLiteral("-4.44"));
                 QVERIFY(d.CheckBox3->isChecked());
             }},
            {kKinds[3],
             CrLf({"// LSS data", "2", "29 0.0512 1", "18 0.03 0.5", "100000", "// OR", "1",
                   "522 0.00112 1", "2", "0.25", "// ST", "1", "841 1.2 15.5 3 0.8"}),
             [](TMainForm& w) {
                 TInlForm& d = *w.inputFiles().InlForm;
                 QCOMPARE(d.Tables[0].grid->rowCount(), 2);
                 QCOMPARE(d.Tables[0].grid->item(1, 0)->text(), QStringLiteral("18"));
                 QCOMPARE(EditText(d, "FloatEdit1"), QStringLiteral("100000"));
                 QCOMPARE(EditText(d, "FloatEdit3"), QStringLiteral("0.25"));
                 QCOMPARE(d.Tables[2].grid->item(0, 4)->text(), QStringLiteral("3"));
             }},
        };
        TMainForm w;
        answerDialogs(w);
        for (const auto& row : rows) {
            sink_.clear();
            chooser_.clear();
            shown_.clear();
            const std::string path = file(row.kind.name) + "-open." + row.kind.extension;
            QVERIFY(halvern::WriteFileReplacing(path, row.contents));
            chooser_.script({path});
            QDialog& dialog = w.inputFiles().dialog(row.kind.kind);
            script_ = [&](QDialog& d) {
                row.check(w);
                Screenshot(d, QStringLiteral("velkor22-%1-dialog-opened.png")
                                  .arg(QLatin1String(row.kind.name)));
            };
            action(w, row.kind.openAction)->trigger();
            QCOMPARE(shown_.size(), 1);
            QVERIFY2(NamesFile(shown_[0], QString::fromLatin1(row.kind.openPrefix), path),
                     qPrintable(shown_[0]));
            // The caption fits the dialog, so that the title bar does not cut the file's name.
            QVERIFY(QFontMetrics(QApplication::font()).horizontalAdvance(shown_[0]) <
                    std::max(dialog.width(), dialog.sizeHint().width()));
            QVERIFY2(sink_.entries().empty(), row.kind.name);
            QCOMPARE(chooser_.asked.size(), size_t{1});
            const halvern::FileDialogSpec& asked = chooser_.asked[0];
            QCOMPARE(asked.title, std::string(row.kind.openTitle));
            QCOMPARE(asked.initialName, std::string(row.kind.pattern));
            QCOMPARE(asked.defaultSuffix, std::string(row.kind.extension));
            QCOMPARE(asked.filterIndex, row.kind.listEntry);
            QCOMPARE(asked.filter, std::string(kInputFilesOpenFilter));

            // New after Open: the loaded values stay, the name is the untitled one again.
            script_ = [&](QDialog&) { row.check(w); };
            shown_.clear();
            action(w, row.kind.newAction)->trigger();
            QCOMPARE(shown_, QStringList{QString::fromLatin1(row.kind.newCaption)});
            QVERIFY(!dialog.isVisible());
        }
        const std::string filter = kInputFilesOpenFilter;
        for (const char* both : {"*.PRJ *.prj", "*.MDL *.mdl", "*.RUN *.run", "*.INL *.inl"})
            QVERIFY2(filter.find(both) != std::string::npos, both);
    }

    // A file that does not load leaves its dialog closed and its record as it was; the run and
    // model loaders give their own box first.
    void filesThatDoNotLoadKeepTheRecords() {
        const struct {
            const Kind& kind;
            std::string contents;
            bool loaderBox;
        } rows[] = {
            {kKinds[0], "     2.500    2\r\n", false},
            {kKinds[1], CrLf({"3", "65535", "8", "45.00"}), true},
            {kKinds[2], ModelLines(12), true},
            {kKinds[3], CrLf({"// LSS data", "2", "29 0.0512 1"}), false},
            {kKinds[0], "", false},
            {kKinds[1], CrLf({"9", "001", "0"}), true},  // no such sampling mode
        };
        TMainForm w;
        answerDialogs(w);
        InputFileCommands& commands = w.inputFiles();
        int n = 0;
        for (const auto& row : rows) {
            sink_.clear();
            chooser_.clear();
            shown_.clear();
            const std::string path =
                file(row.kind.name) + "-bad" + std::to_string(n++) + "." + row.kind.extension;
            QVERIFY(halvern::WriteFileReplacing(path, row.contents));
            chooser_.script({path});
            action(w, row.kind.openAction)->trigger();
            QVERIFY2(shown_.isEmpty(), row.kind.name);
            std::vector<std::string> expected;
            if (row.loaderBox) expected.push_back("Error reading file: " + path + ".");
            expected.push_back("Error reading " + path + ".");
            QCOMPARE(sink_.texts(), expected);
            QVERIFY(commands.Projectile == TProjectileSpec{});
            QVERIFY(commands.Run == TRunSpec{});
            QVERIFY(commands.Model == TModelSpec{});
            QVERIFY(commands.Inelastic == TInelasticSpec{});
        }
        QCOMPARE(commands.PrjForm->FileName, std::string("UNTITLED.PRJ"));
        QCOMPARE(commands.InlForm->FileName, std::string("UNTITLED.INL"));
    }

    // A cancelled Open changes nothing; a name too long for the dialogs is refused unread.
    void cancelledAndOverlongOpens() {
        TMainForm w;
        answerDialogs(w);
        const std::string path = file("long.run");
        QVERIFY(halvern::WriteFileReplacing(path, "not read\r\n"));
        const std::string overlong = std::string(300, 'x') + ".RUN";
        for (const char* name : {"OpenPrj", "Open1", "OpenMdl", "OpenInelastic"}) {
            action(w, name)->trigger();
            QVERIFY2(shown_.isEmpty(), name);
        }
        QVERIFY(sink_.entries().empty());
        chooser_.script({overlong});
        action(w, "Open1")->trigger();
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{halvern::FileNameTooLongText(overlong, 255)});
        QVERIFY(shown_.isEmpty());
        QVERIFY(w.inputFiles().Run == TRunSpec{});
    }

    // F1 on each command's menu entry shows the page of the dialog it opens.
    void helpKeyOnTheMenuEntriesShowsTheDialogsPage() {
        const std::pair<const Kind&, const char*> pages[] = {{kKinds[0], "200.html"},
                                                             {kKinds[1], "300.html"},
                                                             {kKinds[2], "400.html"},
                                                             {kKinds[3], "710.html"}};
        TMainForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        answerDialogs(w);
        for (const auto& [kind, page] : pages)
            for (const char* name : {kind.newAction, kind.openAction}) {
                QAction* command = action(w, name);
                auto* menu = qobject_cast<QMenu*>(command->parent());
                QVERIFY(menu != nullptr);
                menu->popup(w.geometry().center());
                menu->setActiveAction(command);
                QTest::keyClick(menu, Qt::Key_F1);
                menu->hide();
                QCOMPARE(ShownHelpPage(), QString::fromLatin1(page));
                halvern::ProgramHelpWindow()->close();
            }
        QVERIFY(shown_.isEmpty() && sink_.entries().empty());
    }

    // Files of older versions open after their notice, with the defaults of what they lack.
    void olderVersionsOpenAfterTheirNotice() {
        const std::string version1 =
            "File seems to have a version 1 format:\rUsing default values for version 2 "
            "parameters.";
        TMainForm w;
        answerDialogs(w);
        const std::string model = file("v1.mdl");
        QVERIFY(halvern::WriteFileReplacing(model, ModelLines(19)));
        const std::string run = file("v1.run");
        QVERIFY(halvern::WriteFileReplacing(
            run, CrLf({"1", "001", "0", "90.00", "0.00", "07.0e-17", "10", "300.0   10.0", "3.7",
                       "50"})));
        chooser_.script({model, run});
        action(w, "OpenMdl")->trigger();
        action(w, "Open1")->trigger();
        QCOMPARE(shown_.size(), qsizetype{2});
        QCOMPARE(sink_.texts(), (std::vector<std::string>{version1, version1}));
        for (const RecordingSink::Entry& entry : sink_.entries()) {
            QCOMPARE(entry.help.program, std::string("velkor"));
            QCOMPARE(entry.help.context, 5000);
        }
        QCOMPARE(w.inputFiles().Model.Temperature.str(), std::string("300"));
        QCOMPARE(w.inputFiles().Model.TestProjectileOnly, 0);
        QCOMPARE(w.inputFiles().Run.Expression.str(), std::string(kDefaultFilterExpression));
    }
};

QTEST_MAIN(InputFileCommandsTest)
#include "InputFileCommandsTest.moc"
