// F1 in every dialog and tool window of the set-up program: on a control of the dialog it shows
// the dialog's page (or the page of the field, where the field has one), and every control a user
// can reach with the keyboard shows a page of the program's table that exists.
#include <QAbstractButton>
#include <QDialog>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <set>

#include "AxesForm.h"
#include "BatchForm.h"
#include "CubicForm.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "HexForm.h"
#include "IOrientForm.h"
#include "ImpForm.h"
#include "InlForm.h"
#include "InputFileCommands.h"
#include "MainForm.h"
#include "MdlForm.h"
#include "MessageSink.h"
#include "NeighbourDialogs.h"
#include "OrientCommands.h"
#include "OrientForm.h"
#include "PairPotlDlg.h"
#include "PotlForm.h"
#include "PotlGraph.h"
#include "PrjForm.h"
#include "ReckonForm.h"
#include "RockSaltForm.h"
#include "RunForm.h"
#include "ScatterForm.h"
#include "ToolWindows.h"
#include "UiSink.h"

using namespace velkor;

namespace {

QString ShownHelpPage() {
    const halvern::HelpWindow* help = halvern::ProgramHelpWindow();
    return help != nullptr && help->isVisible() ? help->source().fileName() : QString();
}

QString Page(int context) {
    return QStringLiteral("%1.html").arg(context);
}

struct DialogCase {
    const char* name;
    // The program's own dialog, owned by its main window.
    std::function<QDialog*(TMainForm&)> open;
    int page;                     // F1 on its OK button
    const char* field = nullptr;  // a control with a page of its own,
    int fieldPage = 0;            // and that page
};

// An orientation window of the program on a file of the example project.
QDialog* Oriented(OrientWindow* window, const char* file) {
    window->FileName = std::string(HALVERN_EXAMPLES_DIR) + file;
    return window;
}

bool Reachable(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) != 0;
}

// A control of the window itself: its OK button, else its first button, else its first control.
QWidget* WindowControl(const QDialog& dialog) {
    const QList<QPushButton*> buttons = dialog.findChildren<QPushButton*>();
    for (QPushButton* b : buttons)
        if (b->isDefault()) return b;
    if (!buttons.isEmpty()) return buttons.front();
    for (QWidget* control : dialog.findChildren<QWidget*>())
        if (Reachable(control)) return control;
    return nullptr;
}

}  // namespace

class DialogHelpTest : public QObject {
    Q_OBJECT

    halvern::RecordingSink sink_;

    // F1 on `control` as the user presses it: the page shown.
    QString helpOn(QWidget* control) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_F1);
        return ShownHelpPage();
    }

  private slots:
    void init() {
        sink_.clear();
        halvern::SetUiSink(&sink_);
    }
    void cleanup() {
        if (halvern::HelpWindow* help = halvern::ProgramHelpWindow()) help->close();
        halvern::SetUiSink(nullptr);
    }

    void helpKeyInEachDialogShowsItsPage() {
        const DialogCase cases[] = {
            {"cubic lattice", [](TMainForm& m) -> QDialog* { return m.CubicForm; },
             kCubicDialogHelp},
            {"hexagonal lattice", [](TMainForm& m) -> QDialog* { return m.HexForm; },
             kHexDialogHelp},
            {"rocksalt and sphalerite", [](TMainForm& m) -> QDialog* { return m.RockSaltForm; },
             kTwoSpeciesDialogHelp},
            {"projectile", [](TMainForm& m) -> QDialog* { return m.inputFiles().PrjForm; },
             kProjectileDialogHelp, "FloatEdit2", kProjectileEnergyHelp},
            {"run", [](TMainForm& m) -> QDialog* { return m.inputFiles().RunForm; },
             kRunDialogHelp},
            {"model", [](TMainForm& m) -> QDialog* { return m.inputFiles().MdlForm; },
             kModelDialogHelp, "BitBtn4", kModelCompositeHelp},
            {"inelastic losses", [](TMainForm& m) -> QDialog* { return m.inputFiles().InlForm; },
             kInelasticLssHelp},
            {"impact mesh", [](TMainForm& m) -> QDialog* { return m.orientCommands().ImpForm; },
             kImpactDialogHelp},
            {"target orientation",
             [](TMainForm& m) { return Oriented(m.orientCommands().OrientForm, "/cu100.trg"); },
             kTargetOrientHelp},
            {"impact-point orientation",
             [](TMainForm& m) { return Oriented(m.orientCommands().IOrientForm, "/cu100.imp"); },
             kImpactOrientHelp},
            {"batch template", [](TMainForm& m) -> QDialog* { return m.BatchForm; },
             kBatchTemplateHelp},
            // A window without a page of its own shows the main window's.
            {"velocity reckoner", [](TMainForm& m) -> QDialog* { return m.tools().ReckonForm; },
             kIntroductionHelp},
            {"potential (target Z)",
             [](TMainForm& m) -> QDialog* { return m.tools().Composite.PotlForm; },
             kModelCompositeHelp},
            {"scattering relations", [](TMainForm& m) -> QDialog* { return m.tools().ScatterForm; },
             halvern::kScatterHelp},
            {"crystal axes", [](TMainForm& m) -> QDialog* { return m.tools().AxesForm; },
             kCrystalAxesHelp},
            {"pair potential", [](TMainForm& m) -> QDialog* { return m.tools().PairPotlDlg; },
             kPairPotentialHelp},
            {"neighbour distances", [](TMainForm& m) -> QDialog* { return m.tools().DistanceDlg; },
             kNeighbourDistancesHelp},
            {"neighbour potentials", [](TMainForm& m) -> QDialog* { return m.tools().NPotlDlg; },
             kNeighbourPotentialsHelp},
        };
        std::set<int> listed;
        for (const halvern::HelpContextRow& row : kHelpTable.contexts) listed.insert(row.number);

        for (const DialogCase& c : cases) {
            TMainForm main;
            main.show();
            QDialog* dialog = c.open(main);
            QVERIFY2(dialog != nullptr, c.name);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));

            QWidget* button = WindowControl(*dialog);
            QVERIFY2(button != nullptr, c.name);
            QCOMPARE(helpOn(button), Page(c.page));
            if (c.field != nullptr) {
                auto* field = dialog->findChild<QWidget*>(QString::fromLatin1(c.field));
                QVERIFY2(field != nullptr, c.field);
                QCOMPARE(helpOn(field), Page(c.fieldPage));
            }
            // Whatever control has the focus, F1 gives a page of the table.
            for (QWidget* control : dialog->findChildren<QWidget*>()) {
                if (!Reachable(control)) continue;
                const QString shown = helpOn(control);
                QVERIFY2(!shown.isEmpty(),
                         qPrintable(QStringLiteral("%1: %2").arg(c.name, control->objectName())));
                QVERIFY2(listed.count(shown.chopped(5).toInt()) == 1, qPrintable(shown));
            }
            QVERIFY2(sink_.texts().empty(), c.name);  // every page was found
            dialog->hide();
        }
    }

    // F1 in either potential graph, on its picture or a speed button, shows the composite
    // potential's page.
    void helpKeyInThePotentialGraphsShowsTheCompositePage() {
        TMainForm main;
        main.show();
        for (TPotlGraph* graph :
             {main.tools().Composite.PotentialGraph, main.tools().Composite.ForceGraph}) {
            graph->show();
            QVERIFY(QTest::qWaitForWindowExposed(graph));
            QCOMPARE(helpOn(graph->findChild<QWidget*>(QStringLiteral("Graph"))),
                     Page(kModelCompositeHelp));
            QCOMPARE(helpOn(graph->findChild<QToolButton*>()), Page(kModelCompositeHelp));
            graph->hide();
        }
        QVERIFY(sink_.texts().empty());
    }

    // The inelastic dialog's OK and Cancel show the page in view.
    void inelasticDialogHelpFollowsItsPage() {
        TMainForm main;
        main.show();
        TInlForm& dialog = *main.inputFiles().InlForm;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const int pages[] = {kInelasticLssHelp, kInelasticOrHelp, kInelasticStHelp,
                             kInelasticComputeHelp};
        for (int index : {2, 0, 3, 1}) {
            dialog.PageControl1->setCurrentIndex(index);
            for (const char* button : {"BitBtn1", "BitBtn2"})
                QCOMPARE(helpOn(dialog.findChild<QWidget*>(QString::fromLatin1(button))),
                         Page(pages[index]));
        }
        QVERIFY(sink_.texts().empty());
    }
};

QTEST_MAIN(DialogHelpTest)

#include "DialogHelpTest.moc"
