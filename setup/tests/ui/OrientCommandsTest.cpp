// The main window's impact-file, orientation and conversion commands on the offscreen platform:
// file dialogs answered by the scripted chooser, modal windows by the window's runModal hook,
// messages recorded.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "ContextHelp.h"
#include "DialogTestCase.h"
#include "FileSafety.h"
#include "HelpContexts.h"
#include "IOrientForm.h"
#include "ImpForm.h"
#include "MainForm.h"
#include "OrientCommands.h"
#include "OrientForm.h"
#include "ShortString.h"
#include "inputfiles/ImpactFile.h"

using namespace velkor;
using halvern::RecordingSink;

namespace {

QAction* Action(QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// The main window's own speed buttons (its dialogs have buttons of these names too).
QToolButton* SpeedButton(QWidget& window, int number) {
    return window.findChild<QToolBar*>(QStringLiteral("SpeedBar"))
        ->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(number));
}

// What a modal step showed: the dialog and its caption while it was shown.
struct Shown {
    QDialog* dialog = nullptr;
    QString caption;
};

const char* const kTargetLines =
    "     0.00000      0.00000      0.00000   29 63.54600   0 Cu\r\n"
    "     1.80500      1.80500      0.00000   29 63.54600   0 Cu\r\n"
    "     1.80500      0.00000     -1.80500   29 63.54600   0 Cu\r\n";

}  // namespace

class OrientCommandsTest : public DialogTestCase {
    Q_OBJECT

  private:
    std::vector<Shown> shown_;

    // Modal windows are shown without blocking, `script` works on them, and they close with
    // `result`.
    void answerModal(TMainForm& w, int result = QDialog::Rejected,
                     std::function<void(QDialog&)> script = {}) {
        w.runModal = [this, result, script = std::move(script)](QDialog& d) {
            d.show();
            shown_.push_back({&d, d.windowTitle()});
            if (script) script(d);
            d.hide();
            return result;
        };
    }

    std::string impactFile(const char* name, int32_t nx, int32_t ny) {
        TImpactSpec spec;
        spec.Nx = nx;
        spec.Ny = ny;
        RecordingSink quiet;
        const std::string path = file(name);
        if (!WriteImpactFile(spec, path, quiet)) return {};
        return path;
    }

  private slots:
    // The commands are live, carry their pages, and the speed buttons that show them follow.
    void commandsAreLiveWithTheirHelp() {
        TMainForm w;
        const std::pair<const char*, int> commands[] = {{"NewImpact", kImpactDialogHelp},
                                                        {"OpenImpact", kImpactDialogHelp},
                                                        {"ViewImpact1", kImpactOrientHelp},
                                                        {"Viewtarget1", kTargetOrientHelp},
                                                        {"Convert1", kConvertVersion21Help}};
        for (const auto& [name, context] : commands) {
            QVERIFY2(Action(w, name)->isEnabled(), name);
            QCOMPARE(halvern::OwnHelpContext(Action(w, name)), context);
        }
        QVERIFY(SpeedButton(w, 1)->isEnabled());
        QVERIFY(SpeedButton(w, 5)->isEnabled());
    }

    // New after Open keeps the values read and only renames the dialog; its OK proposes the
    // untitled name.
    void newAfterOpenKeepsTheRecord() {
        shown_.clear();
        TMainForm w;
        OrientCommands& commands = w.orientCommands();
        const std::string source = impactFile("three.imp", 3, 2);
        QVERIFY(!source.empty());
        answerModal(w);
        chooser_.script({source});
        Action(w, "OpenImpact")->trigger();
        QCOMPARE(shown_.size(), size_t{1});
        QCOMPARE(shown_[0].dialog, static_cast<QDialog*>(commands.ImpForm));
        QVERIFY2(NamesFile(shown_[0].caption, QStringLiteral("Impact specifications: "), source),
                 qPrintable(shown_[0].caption));
        QCOMPARE(commands.ImpForm->FileName, source);
        QCOMPARE(commands.ImpactParams.Nx, 3);

        chooser_.script({file("saved.imp")});
        answerModal(w, QDialog::Accepted, [](QDialog& d) {
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
        });
        SpeedButton(w, 5)->click();
        QCOMPARE(shown_.size(), size_t{2});
        QCOMPARE(shown_[1].caption, QStringLiteral("Impact specifications: UNTITLED.IMP"));
        QCOMPARE(commands.ImpactParams.Nx, 3);
        QCOMPARE(commands.ImpactParams.Ny, 2);
        QCOMPARE(chooser_.asked.back().initialName, std::string("UNTITLED.IMP"));
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Number of trajectories: 6"});
        TImpactSpec reread;
        QVERIFY(LoadImpFile(file("saved.imp"), reread, sink_));
        QCOMPARE(reread.Nx, 3);
    }

    // Open's dialog and the ways it ends: a file that cannot be read shows the loader's
    // verdict and leaves record and dialog alone; Cancel and an overlong name show nothing.
    void openImpactRefusals() {
        halvern::WriteFileReplacing(file("bad.imp"), "0 0 3 x\r\n");
        const std::string overlong = folder_.path().toStdString() + "/" + std::string(260, 'a');
        const struct {
            const char* name;
            std::optional<std::string> answer;
            std::vector<std::string> messages;
        } cases[] = {
            {"cancelled", std::nullopt, {}},
            {"missing", file("missing.imp"), {"Error reading " + file("missing.imp") + "."}},
            {"unreadable", file("bad.imp"), {"Error reading " + file("bad.imp") + "."}},
            {"overlong", overlong, {halvern::FileNameTooLongText(overlong)}},
        };
        for (const auto& c : cases) {
            TMainForm w;
            sink_.clear();
            chooser_.clear();
            shown_.clear();
            answerModal(w);
            const TImpactSpec before = w.orientCommands().ImpactParams;
            chooser_.script({c.answer});
            Action(w, "OpenImpact")->trigger();
            QVERIFY2(shown_.empty(), c.name);
            QVERIFY2(w.orientCommands().ImpactParams == before, c.name);
            QVERIFY2(sink_.texts() == c.messages, c.name);
            QCOMPARE(chooser_.asked.size(), size_t{1});
            const halvern::FileDialogSpec& asked = chooser_.asked[0];
            QCOMPARE(asked.title, std::string("Impact parameters specification file"));
            QCOMPARE(asked.initialName, std::string("*.IMP"));
            QCOMPARE(asked.defaultSuffix, std::string("IMP"));
            QVERIFY(asked.filter.starts_with("Projectile specification file|"));
            const QStringList entries = QString::fromStdString(halvern::QtNameFilters(asked.filter))
                                            .split(QStringLiteral(";;"));
            QCOMPARE(entries.size(), 5);
            QCOMPARE(entries.at(asked.filterIndex),
                     QStringLiteral("Impact parameter specifications (*.IMP *.imp)"));
        }
    }

    // Both Display/Orient commands run the window's own open dialog and show it modally with
    // the chosen file; Cancel shows nothing.
    void displayCommandsShowTheirWindows() {
        const std::string target = file("three.trg");
        halvern::WriteFileReplacing(target, kTargetLines);
        const std::string impacts = impactFile("mesh.imp", 2, 2);
        TMainForm w;
        OrientCommands& commands = w.orientCommands();
        const struct {
            const char* command;
            std::string answer;
            QDialog* window;
            const char* title;
            QString prefix, suffix;
        } cases[] = {
            {"Viewtarget1", target, commands.OrientForm, "Target File to Orient...",
             QStringLiteral("Orient Target Lattice: "), QStringLiteral(" (3 atoms)")},
            {"ViewImpact1", impacts, commands.IOrientForm, "Impact File to Orient...",
             QStringLiteral("Orient Impact Points: "), QStringLiteral(" (4 impact points)")},
        };
        for (const auto& c : cases) {
            shown_.clear();
            chooser_.clear();
            answerModal(w);
            chooser_.script({std::nullopt});
            Action(w, c.command)->trigger();
            QVERIFY2(shown_.empty(), c.command);

            chooser_.script({c.answer});
            Action(w, c.command)->trigger();
            QCOMPARE(chooser_.asked.back().title, std::string(c.title));
            QCOMPARE(shown_.size(), size_t{1});
            QCOMPARE(shown_[0].dialog, c.window);
            QVERIFY2(NamesFile(shown_[0].caption, c.prefix, c.answer, c.suffix),
                     qPrintable(shown_[0].caption));
        }
        // The speed button is the target command.
        shown_.clear();
        chooser_.script({target});
        SpeedButton(w, 1)->click();
        QCOMPARE(shown_.size(), size_t{1});
        QCOMPARE(shown_[0].dialog, static_cast<QDialog*>(commands.OrientForm));
        QVERIFY(sink_.entries().empty());
    }

    // Convert writes beside its input and says where; a file already in the current layout is
    // refused and nothing is written; Cancel does nothing.
    void convertVersion21File() {
        halvern::WriteFileReplacing(file("CU100.TRG"),
                                    "1.27799 1.27799 -1.80735 29 63.546 Cu\r\n"
                                    "0 0 0 29 63.546 Cu\r\n");
        halvern::WriteFileReplacing(file("NEW.TRG"), kTargetLines);
        const struct {
            const char* name;
            std::optional<std::string> answer;
            std::vector<std::string> messages;
            std::string output;  // the file that must exist afterwards, if any
            std::string absent;  // the file that must not
        } cases[] = {
            {"cancelled", std::nullopt, {}, "", file("CU10~.TRG")},
            {"converted",
             file("CU100.TRG"),
             {"Converted file saved as: " + file("CU10~.TRG")},
             file("CU10~.TRG"),
             ""},
            {"current layout",
             file("NEW.TRG"),
             {"File seems to have the current format already:\r" + file("NEW.TRG") +
              "\rIts flags column would be taken for the symbol; it was not converted."},
             "",
             file("NE~.TRG")},
        };
        shown_.clear();
        TMainForm w;
        answerModal(w);
        for (const auto& c : cases) {
            sink_.clear();
            chooser_.clear();
            chooser_.script({c.answer});
            Action(w, "Convert1")->trigger();
            QVERIFY2(sink_.texts() == c.messages, c.name);
            QCOMPARE(chooser_.asked.at(0).initialName, std::string("*.TRG"));
            QVERIFY(halvern::QtNameFilters(chooser_.asked.at(0).filter)
                        .starts_with("Target specification file (*.TRG *.trg)"));
            if (!c.output.empty())
                QVERIFY2(QFile::exists(QString::fromStdString(c.output)), c.name);
            if (!c.absent.empty())
                QVERIFY2(!QFile::exists(QString::fromStdString(c.absent)), c.name);
        }
        std::string bytes;
        QVERIFY(halvern::ReadFileBytes(file("CU10~.TRG"), bytes));
        QVERIFY(
            bytes.starts_with("     1.27799      1.27799     -1.80735   29 63.54600   0 Cu\r\n"));
        QVERIFY(shown_.empty());
    }
};

QTEST_MAIN(OrientCommandsTest)
#include "OrientCommandsTest.moc"
