// The set-up program's main window and lattice dialogs on the offscreen platform. Dialogs are
// answered through the window's runModal and askSaveFileName hooks; messages go to a recording.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "CubicForm.h"
#include "FileSafety.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "HexForm.h"
#include "MainForm.h"
#include "MessageSink.h"
#include "ProgramEnd.h"
#include "RockSaltForm.h"
#include "UiSink.h"

using namespace velkor;
using halvern::RecordingSink;

namespace {

QStringList ActionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* a : actions)
        if (!a->isSeparator()) texts << a->text();
    return texts;
}

QMenu* SubMenu(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a->menu();
    return nullptr;
}

QAction* Action(QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// Opens the dialog without blocking, lets `script` work on it like a user, and returns the
// result it was closed with.
std::function<int(QDialog&)> Answer(std::function<void(QDialog&)> script) {
    return [script = std::move(script)](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        if (script) script(dialog);
        dialog.hide();
        return dialog.result();
    };
}

void ClickOk(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
}

void SetText(QDialog& dialog, const char* name, const QString& text) {
    auto* edit = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    QVERIFY(edit != nullptr);
    edit->setText(text);
}

// The three dimension edits, in the dialog's order, starting at IntegerEdit<first>.
void SetBox(QDialog& dialog, int first, const QString& x, const QString& y, const QString& l) {
    const QString texts[] = {x, y, l};
    for (int k = 0; k < 3; ++k)
        SetText(dialog, qPrintable(QStringLiteral("IntegerEdit%1").arg(first + k)), texts[k]);
}

// The main window's own speed buttons (its dialogs have buttons of these names too).
QToolButton* SpeedButton(QWidget& window, int number) {
    return window.findChild<QToolBar*>(QStringLiteral("SpeedBar"))
        ->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(number));
}

QString ShownHelpPage() {
    const halvern::HelpWindow* help = halvern::ProgramHelpWindow();
    return help != nullptr && help->isVisible() ? help->source().fileName() : QString();
}

QString Text(QDialog& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

QString LabelText(QDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

std::vector<std::string> FileLines(const QString& path) {
    std::string bytes;
    halvern::ReadFileBytes(path.toStdString(), bytes);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    RecordingSink sink_;
    QTemporaryDir folder_;
    std::vector<SaveRequest> saveRequests_;

    // The save dialog answered with a file of the test folder (or cancelled with an empty name).
    std::function<std::optional<QString>(const SaveRequest&)> SaveAs(const QString& name) {
        return [this, name](const SaveRequest& request) -> std::optional<QString> {
            saveRequests_.push_back(request);
            if (name.isEmpty()) return std::nullopt;
            return folder_.filePath(name);
        };
    }

    // Triggers a command with its save dialog answered by `saveAs` (an empty name cancels) and
    // its dialog by `script`.
    void command(TMainForm& w, const char* name, const QString& saveAs,
                 std::function<void(QDialog&)> script) {
        w.runModal = Answer(std::move(script));
        w.askSaveFileName = SaveAs(saveAs);
        Action(w, name)->trigger();
    }

  private slots:
    void init() {
        sink_.clear();
        saveRequests_.clear();
        halvern::SetUiSink(&sink_);
    }
    void cleanup() { halvern::SetUiSink(nullptr); }

    void startsWithTitleMenusAndSpeedButtons() {
        TMainForm w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Velkor 2.2"));
        QCOMPARE(ActionTexts(w.menuBar()->actions()),
                 QStringList({"&Target", "&Projectile", "&Run", "&Model", "&Impact", "I&nelastic",
                              "&Editor", "&Utilities", "&Help"}));
        QMenu* target = w.menuBar()->actions().at(0)->menu();
        QCOMPARE(ActionTexts(target->actions()),
                 QStringList({"&New", "&Display/Orient", "Neighbour &distances",
                              "Neighbour &potential", "&Convert version 2.1 file"}));
        QMenu* newMenu = SubMenu(target, "&New");
        QCOMPARE(ActionTexts(newMenu->actions()),
                 QStringList({"&Face-centred cubic", "&Body-centred cubic", "&Hexagonal (hcp)",
                              "&Diamond", "&Rocksalt (NaCl)", "&Sphalerite (ZnS)"}));
        QCOMPARE(ActionTexts(SubMenu(newMenu, "&Face-centred cubic")->actions()),
                 QStringList({"(100) surface", "(110) surface", "(111) surface"}));
        QCOMPARE(ActionTexts(SubMenu(newMenu, "&Sphalerite (ZnS)")->actions()),
                 QStringList({"(100) surface", "(110) surface"}));
        QMenu* editor = w.menuBar()->actions().at(6)->menu();
        QCOMPARE(ActionTexts(SubMenu(editor, "&Format mode")->actions()),
                 QStringList({"&Plain text", "&Rich text (RTF)"}));
        QCOMPARE(ActionTexts(w.menuBar()->actions().at(7)->menu()->actions()),
                 QStringList({"&Batch project template", "&Velocity reckoner",
                              "&Scattering relations", "&Crystal axes", "&Pair potential, Apsis"}));
        QCOMPARE(ActionTexts(w.menuBar()->actions().at(8)->menu()->actions()),
                 QStringList({"&Introduction", "&About Velkor"}));

        auto* bar = w.findChild<QToolBar*>(QStringLiteral("SpeedBar"));
        QStringList hints;
        for (const QAction* a : bar->actions()) hints << a->toolTip();
        QCOMPARE(hints,
                 QStringList({"Display/Orient Target", "New Projectile File", "New Run File",
                              "New Model File", "New Impact File", "Open Existing File in Editor",
                              "Open New File in Editor", "New Inelastic file"}));
    }

    // The display changes only when the allocated total changes.
    void memoryDisplayFollowsTheAllocatedTotal() {
        TMainForm w;
        auto* status = w.findChild<QLabel*>(QStringLiteral("StatusText"));
        uint64_t total = 123456;
        w.allocatedBytes = [&] { return total; };
        w.ShowMemoryStatus();
        QCOMPARE(status->text(), QStringLiteral("Allocated memory: 123456"));
        status->setText(QStringLiteral("touched"));
        w.ShowMemoryStatus();
        QCOMPARE(status->text(), QStringLiteral("touched"));
        total = 123460;
        QTRY_COMPARE(status->text(), QStringLiteral("Allocated memory: 123460"));  // by the timer
    }

    // Every menu command and speed button can be chosen.
    void everyCommandIsLive() {
        TMainForm w;
        for (QAction* action : w.menuBar()->findChildren<QAction*>())
            if (!action->isSeparator())
                QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
        for (int k = 1; k <= 8; ++k) QVERIFY(SpeedButton(w, k)->isEnabled());
    }

    // The calculators open beside the main window, not modal, and stay made.
    void utilityCommandsShowTheirWindows() {
        TMainForm w;
        const std::pair<const char*, const char*> commands[] = {
            {"VelocityReckoner1", "Velocity Reckoner"},
            {"ScatteringRelations1", "Scattering Relations"},
            {"CrystalAxes1", "Crystal Axes"},
            {"PairPotential1", "Pair Potential, Apsis"}};
        for (const auto& [name, caption] : commands) {
            Action(w, name)->trigger();
            QWidget* shown = QApplication::activeModalWidget();
            QVERIFY2(shown == nullptr, name);
            bool found = false;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->isVisible() && window->windowTitle() == QLatin1String(caption))
                    found = !window->isModal();
            QVERIFY2(found, name);
        }
    }

    void latticeCommandWritesTheTargetAndKeepsItsRecord() {
        TMainForm w;
        QString captionDuringDialog;
        command(w, "Fcc100Click", "fcc100.trg", [&](QDialog& d) {
            captionDuringDialog = d.windowTitle();
            SetBox(d, 2, "1", "1", "2");
            ClickOk(d);
        });

        QCOMPARE(captionDuringDialog, QStringLiteral("FCC Target: (100) Surface"));
        QCOMPARE(saveRequests_.size(), size_t{1});
        QCOMPARE(saveRequests_[0].title,
                 QStringLiteral("Save Fcc(100) target specification file as..."));
        QCOMPARE(saveRequests_[0].fileName, QStringLiteral("*.TRG"));
        QCOMPARE(FileLines(folder_.filePath("fcc100.trg")).size(), size_t{18});  // 3 x 3 x 2
        const TTargetSpec& params = w.targetParams().FccParams;
        QCOMPARE(params.FileName, folder_.filePath("fcc100.trg").toStdString());
        QCOMPARE(params.XWidth.str(), std::string("1"));
        QCOMPARE(w.potentialTargetZ(), 29);
        QVERIFY(sink_.entries().empty());

        // The next use of the family proposes the written file and shows its values; a
        // cancelled save keeps the record as it was.
        QString shown;
        command(w, "Fcc111Click", {}, [&](QDialog& d) { shown = Text(d, "IntegerEdit2"); });
        QCOMPARE(shown, QStringLiteral("1"));
        command(w, "Bcc100Click", {}, [](QDialog& d) {
            SetText(d, "IntegerEdit2", "7");
            ClickOk(d);
        });
        QCOMPARE(saveRequests_.size(), size_t{2});
        QCOMPARE(w.targetParams().BccParams.XWidth.str(), std::string("4"));
    }

    // A text the edit would refuse on leaving it (here set without a focus change) reaches the
    // generator, which reports it and goes on with 0.
    void badNumericTextGivesTheConversionMessage() {
        TMainForm w;
        w.runModal = [](QDialog& d) {
            SetText(d, "FloatEdit3", "1.5.");
            return int(QDialog::Accepted);
        };
        w.askSaveFileName = SaveAs("bad.trg");
        Action(w, "Fcc110Click")->trigger();
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Numeric conversion error (1.5.)"});
        QCOMPARE(FileLines(folder_.filePath("bad.trg")).size(), size_t{486});
    }

    void okRefusesAnOutOfRangeValue() {
        TMainForm w;
        int result = -1;
        command(w, "Dia100Click", "never.trg", [&](QDialog& d) {
            SetText(d, "IntegerEdit4", "100");
            ClickOk(d);
            result = d.result();
            d.reject();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(saveRequests_.size(), size_t{0});
        QCOMPARE(sink_.count(RecordingSink::Kind::Error), 1);
        QVERIFY(sink_.texts()[0].find("Input value must be integer in range:") == 0);
    }

    void elementTableFillsOnlyOnTheUsersChoice() {
        TMainForm w;
        TTargetSpec& params = w.targetParams().FccParams;
        params.LatticeConst = "3.7000";  // the stored record wins over the table for "Cu"
        QString shownConstant, afterW, afterUnknown, mass;
        command(w, "Fcc100Click", "w.trg", [&](QDialog& d) {
            shownConstant = Text(d, "FloatEdit1");
            QLineEdit* symbol = d.findChild<QComboBox*>(QStringLiteral("Edit1"))->lineEdit();
            symbol->clear();
            QTest::keyClicks(symbol, "W ");
            afterW = Text(d, "FloatEdit1") + " " + Text(d, "IntegerEdit1");
            mass = Text(d, "FloatEdit2");
            symbol->clear();
            QTest::keyClicks(symbol, "Xx");
            afterUnknown = Text(d, "FloatEdit1");
            symbol->clear();
            QTest::keyClicks(symbol, "W ");
            ClickOk(d);
        });
        QCOMPARE(shownConstant, QStringLiteral("3.7000"));
        QCOMPARE(afterW, QStringLiteral("3.1650 74"));
        QCOMPARE(mass, QStringLiteral("183.85"));
        QCOMPARE(afterUnknown, QStringLiteral("3.1650"));
        const std::vector<std::string> lines = FileLines(folder_.filePath("w.trg"));
        QVERIFY(!lines.empty());
        QCOMPARE(lines[0].substr(lines[0].size() - 19), std::string("74 183.85001   0 W "));
    }

    // Every keystroke updates the count quietly; a half-typed or empty text counts 0.
    void atomCountFollowsTypingWithoutBoxes() {
        TMainForm w;
        QStringList counts;
        command(w, "Fcc100Click", {}, [&](QDialog& d) {
            QLineEdit* x = d.findChild<QLineEdit*>(QStringLiteral("IntegerEdit2"));
            counts << LabelText(d, "Label14");
            x->selectAll();
            QTest::keyClick(x, Qt::Key_Backspace);
            counts << LabelText(d, "Label14");
            QTest::keyClicks(x, "-");
            counts << LabelText(d, "Label14");
            QTest::keyClicks(x, "2");
            counts << LabelText(d, "Label14");
            SetText(d, "IntegerEdit2", "2");
            counts << LabelText(d, "Label14");
        });
        QCOMPARE(counts,
                 QStringList({"486 atoms", "54 atoms", "54 atoms", "1 atoms", "270 atoms"}));
        QVERIFY(sink_.entries().empty());
    }

    void multiplierLabelsDuringAndAfterTheCommands() {
        TMainForm w;
        QStringList during;
        for (const char* name : {"Bcc110Click", "Dia110Click", "Fcc100Click"})
            command(w, name, {}, [&](QDialog& d) {
                during << LabelText(d, "Label12") + "|" + LabelText(d, "Label13") + "|" +
                              LabelText(d, "Label15") + "|" + LabelText(d, "Label14");
            });
        QCOMPARE(during, QStringList({"*4+2|*2+1||972 atoms", "*2+1|*2+1|*2|972 atoms",
                                      "*2+1|*2+1| |486 atoms"}));
        QCOMPARE(w.CubicForm->CellFactor, 1);
    }

    void hexCommandWritesTheHcpTarget() {
        TMainForm w;
        QString caption;
        command(w, "Hex111Click", "zr.trg", [&](QDialog& d) {
            caption = d.windowTitle();
            SetBox(d, 2, "0", "0", "2");
            SetText(d, "IntegerEdit1", "40");
            ClickOk(d);
        });
        QCOMPARE(caption, QStringLiteral("HCP Target: (0001) Surface"));
        const std::vector<std::string> lines = FileLines(folder_.filePath("zr.trg"));
        QCOMPARE(lines.size(), size_t{2});
        QCOMPARE(lines[1],
                 std::string("     1.65600      0.95609     -2.57385   40 91.22400   0 Zr"));
        QCOMPARE(w.targetParams().HcpParams.Layers.str(), std::string("2"));
        QCOMPARE(w.potentialTargetZ(), 40);
    }

    // The sphalerite record keeps its edits only when a file was written; the rocksalt record
    // keeps them from the moment OK is pressed.
    void twoSpeciesRecords() {
        TMainForm w;
        QString shownSymbol, count;
        const auto answer = [&](QDialog& d) {
            shownSymbol = Text(d, "Edit1");
            SetBox(d, 3, "0", "0", "0");
            count = LabelText(d, "Label14");
            ClickOk(d);
        };
        command(w, "N110surface4Click", {}, answer);
        QCOMPARE(shownSymbol, QStringLiteral("Ga"));
        QCOMPARE(count, QStringLiteral("2 atoms"));
        QCOMPARE(w.targetParams().SphaleriteParams.NX.str(), std::string("5"));
        QCOMPARE(w.targetParams().RockSaltParams.Symbol1.str(), std::string("Na"));
        QCOMPARE(w.targetParams().RockSaltParams.NX.str(), std::string("5"));

        command(w, "N110surface4Click", "gaas.trg", answer);
        QCOMPARE(w.targetParams().SphaleriteParams.NX.str(), std::string("0"));
        QCOMPARE(w.targetParams().RockSaltParams.Symbol1.str(), std::string("Na"));
        const std::vector<std::string> lines = FileLines(folder_.filePath("gaas.trg"));
        QCOMPARE(lines.size(), size_t{2});
        QCOMPARE(lines[1],
                 std::string("     1.41335      1.99878      0.00000   33 74.92000   0 As"));
        QCOMPARE(saveRequests_.back().title,
                 QStringLiteral("Save Sphalerite (110) target specification file as..."));

        command(w, "N100Surface3Click", {}, answer);
        QCOMPARE(w.targetParams().RockSaltParams.NX.str(), std::string("0"));
        QCOMPARE(count, QStringLiteral("1 atoms"));
    }

    void formatModeAsksBeforeSwitching() {
        TMainForm w;
        sink_.scriptAnswers({false, true, true});
        Action(w, "RichText1")->trigger();
        QVERIFY(w.plainTextMode());
        QVERIFY(Action(w, "PlainText1")->isChecked() && !Action(w, "RichText1")->isChecked());
        Action(w, "RichText1")->trigger();
        QVERIFY(!w.plainTextMode());
        QVERIFY(!Action(w, "PlainText1")->isChecked() && Action(w, "RichText1")->isChecked());
        Action(w, "PlainText1")->trigger();
        QVERIFY(w.plainTextMode());
        QCOMPARE(sink_.texts(), std::vector<std::string>({"Switch editor mode to rich text format?",
                                                          "Switch editor mode to rich text format?",
                                                          "Switch editor to plain text mode?"}));
    }

    // A speed button is its menu command: it follows the command's state, shortcut and hint.
    void speedButtonsFollowTheirCommands() {
        TMainForm w;
        const std::pair<int, const char*> shared[] = {
            {1, "Viewtarget1"}, {2, "NewPrj"},   {3, "NewRun"},  {4, "NewMdl"},
            {5, "NewImpact"},   {6, "OpenEdit"}, {7, "NewEdit"}, {8, "New6"}};
        for (const auto& [number, name] : shared) {
            QToolButton* button = SpeedButton(w, number);
            QVERIFY2(button != nullptr, name);
            QAction* command = Action(w, name);
            QCOMPARE(button->defaultAction(), command);
            command->setEnabled(true);
            QVERIFY2(button->isEnabled(), name);
            command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
            QCOMPARE(button->defaultAction()->shortcut(), command->shortcut());
            command->setEnabled(false);
            QVERIFY2(!button->isEnabled(), name);
        }
        QCOMPARE(SpeedButton(w, 2)->toolTip(), QStringLiteral("New Projectile File"));
        QCOMPARE(Action(w, "NewPrj")->text(), QStringLiteral("&New"));
    }

    // F1 on a control of a dialog shows the dialog's page; the about box has none of its own
    // and shows the introduction.
    void helpKeyInEachDialogShowsItsPage() {
        TMainForm w;
        w.show();
        const std::pair<const char*, const char*> dialogs[] = {{"Fcc100Click", "100.html"},
                                                               {"Hex111Click", "110.html"},
                                                               {"N100Surface3Click", "120.html"},
                                                               {"About1", "10.html"}};
        for (const auto& [command, page] : dialogs) {
            QString shown;
            w.runModal = Answer([&shown](QDialog& d) {
                QWidget* control = d.findChild<QLineEdit*>();
                if (control == nullptr) control = d.findChild<QPushButton*>();
                control->setFocus();
                QTest::keyClick(control, Qt::Key_F1);
                shown = ShownHelpPage();
            });
            w.askSaveFileName = SaveAs(QString());
            Action(w, command)->trigger();
            QCOMPARE(shown, QString::fromLatin1(page));
        }
        // And on a menu command: the page of the dialog it opens.
        auto* fcc = qobject_cast<QMenu*>(Action(w, "Fcc111Click")->parent());
        QVERIFY(fcc != nullptr);
        fcc->popup(w.geometry().center());
        fcc->setActiveAction(Action(w, "Fcc111Click"));
        QTest::keyClick(fcc, Qt::Key_F1);
        fcc->hide();
        QCOMPARE(ShownHelpPage(), QStringLiteral("100.html"));
        QVERIFY(sink_.texts().empty());
        halvern::ProgramHelpWindow()->close();
    }

    void closingTheMainWindowWithHelpOpenEndsTheProgram() {
        TMainForm w;
        w.show();
        halvern::ShowHelp(kHelpProgram, kIntroductionHelp);
        QVERIFY(halvern::ProgramHelpWindow()->isVisible());
        auto* end = new halvern::ProgramEnd(&w);
        QEventLoop loop;
        connect(end, &halvern::ProgramEnd::ended, &loop, &QEventLoop::quit);
        QTimer::singleShot(0, &w, &QWidget::close);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QTRY_VERIFY(halvern::ProgramHelpWindow() == nullptr ||
                    !halvern::ProgramHelpWindow()->isVisible());
    }

    void aboutBox() {
        TMainForm w;
        QString caption;
        w.runModal = [&](QDialog& d) {
            caption = d.windowTitle();
            return int(QDialog::Accepted);
        };
        Action(w, "About1")->trigger();
        QCOMPARE(caption, QStringLiteral("About Velkor"));
    }

    // For review: the main window and the cubic dialog as the user first sees them.
    void screenshots() {
        const QString dir = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
        if (dir.isEmpty()) QSKIP("HALVERN_SCREENSHOT_DIR is not set");
        QVERIFY(QDir().mkpath(dir));
        TMainForm w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.grab().save(dir + "/velkor22-main-window.png"));

        struct Shot {
            const char* command;
            const char* file;
        };
        for (const Shot& shot : {Shot{"Fcc100Click", "velkor22-cubic-dialog.png"},
                                 Shot{"Hex111Click", "velkor22-hex-dialog.png"},
                                 Shot{"N100Surface3Click", "velkor22-rocksalt-dialog.png"}}) {
            bool saved = false;
            w.runModal = Answer([&](QDialog& d) {
                QVERIFY(QTest::qWaitForWindowExposed(&d));
                saved = d.grab().save(dir + "/" + shot.file);
            });
            Action(w, shot.command)->trigger();
            QVERIFY2(saved, shot.file);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
