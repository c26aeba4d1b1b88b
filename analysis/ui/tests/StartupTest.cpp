// The program's start: title, windows in their order, menus, speed buttons, command line.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <clocale>
#include <cstring>

#include "AboutBox.h"
#include "CollForm.h"
#include "ContextHelp.h"
#include "ConvertForm.h"
#include "DisplaceForm.h"
#include "FilterForm.h"
#include "FunctionsForms.h"
#include "Genius2Form.h"
#include "GeniusForm.h"
#include "GraphForm.h"
#include "HelpWindow.h"
#include "ScatterForm.h"
#include "PlotOptionsForm.h"
#include "SpecForm.h"
#include "TrajPlotForm.h"
#include "UiTestSupport.h"

using namespace brisal;
using namespace brisal_test;

namespace {

QStringList MenuItems(QMenu* menu) {
    QStringList items;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator()) items << a->text();
    return items;
}

}  // namespace

class StartupTest : public UiTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void titleAndWindowsInOrder() {
        BrisalWindows w = startProgram();
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Brisal 2.2"));
        QCOMPARE(w.main->windowTitle(), QStringLiteral("Brisal 2.2"));
        QCOMPARE(std::strcmp(std::setlocale(LC_NUMERIC, nullptr), "C"), 0);
        const QStringList order = {"TMainForm",     "TSpecForm",      "TGeniusForm",
                                   "TCollForm",     "TAvgForm",       "TFormatColForm",
                                   "TConvertForm",  "TFilterForm",    "TGenius2Form",
                                   "TTrajPlotForm", "TTOptionsForm",  "TAboutBox",
                                   "TDisplaceForm", "TGraphForm",     "TScatterForm"};
        QCOMPARE(w.created, order);
        const TProcessForms& f = w.main->forms();
        const QList<QPair<QWidget*, QString>> captions = {
            {f.spectrum, "Make Spectrum"},
            {f.genius, "Expression Genius"},
            {f.coll, "Collate"},
            {f.avg, "Averages"},
            {f.formatCol, "Format Columns"},
            {f.convert, "Convert"},
            {f.filter, "Filter"},
            {f.genius2, "Filter Genius"},
            {f.trajPlot, "Trajectory Plotter"},
            {f.tOptions, "Trajectory display options"},
            {f.about, "About Brisal"},
            {f.displace, "Displacements"},
            {f.graph, "Grapher"},
            {f.scatter, "Scattering Relations"},
        };
        for (const auto& [window, caption] : captions) QCOMPARE(window->windowTitle(), caption);
        QVERIFY(sink.entries().empty());
    }

    void menusAndTheCommandsNotYetAvailable() {
        BrisalWindows w = startProgram();
        QStringList menus;
        for (const QAction* a : w.main->menuBar()->actions()) menus << a->text();
        QCOMPARE(menus, QStringList({"&File", "&Edit", "&Process", "&Utilities", "&Help"}));
        QMenu* process = w.main->menuBar()->actions()[2]->menu();
        QCOMPARE(MenuItems(process),
                 QStringList({"&Filter   (OSL --> OSL)", "&Collate   (OSL --> DAT)",
                              "&Averages   (OSL --> TXT)", "&Spectrum   (OSL --> DAT)",
                              "Fo&rmat columns   (OSL --> DAT)", "Co&nvert   (OSL --> DAT)",
                              "&Displacements (2*OSL -> OSL)"}));
        for (const char* name :
             {"New1", "Open1", "SaveLogAs1", "Filter1", "Collate1", "Averages1", "Spectrum1",
              "FormatColumns1", "Convert1", "Displacements1", "TrajectoryPlotter1",
              "ShowMemoryUsage1", "AboutBrisal1", "ScatteringRelations1", "Grapher1"})
            QVERIFY2(Child<QAction>(*w.main, name)->isEnabled(), name);
        QCOMPARE(Child<QAction>(*w.main, "Introduction1")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    // "&Scattering relations" opens its window beside the main window, evaluated.
    void scatteringRelationsOpenNotModal() {
        BrisalWindows w = startProgram();
        Child<QAction>(*w.main, "ScatteringRelations1")->trigger();
        const halvern::TScatterForm& form = *w.main->forms().scatter;
        QVERIFY(form.isVisible());
        QVERIFY(!form.isModal());
        QCOMPARE(form.Edit2->text(), QStringLiteral("93.6113052"));
        // F1 in it shows this program's page of the window.
        QTest::keyClick(form.BitBtn1, Qt::Key_F1);
        halvern::HelpWindow* help = halvern::ProgramHelpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        QCOMPARE(help->source().fileName(), QStringLiteral("620.html"));
        QVERIFY2(help->source().path().contains(QStringLiteral("/brisal/")),
                 qPrintable(help->source().toString()));
        help->close();
    }

    // "&Grapher" shows the grapher as a window of its own beside the main window; asked again,
    // the same window comes back, with what it showed.
    void grapherOpensNotModal() {
        BrisalWindows w = startProgram();
        TGraphForm& grapher = *w.main->forms().graph;
        QVERIFY(!grapher.isVisible());
        Child<QAction>(*w.main, "Grapher1")->trigger();
        QVERIFY(grapher.isVisible());
        QVERIFY(grapher.isWindow());
        QVERIFY(!grapher.isModal());
        QCOMPARE(halvern::HelpContextFor(&grapher), 7010);
        grapher.model().mainTitle.text = "kept";
        grapher.close();
        QVERIFY(!grapher.isVisible());
        Child<QAction>(*w.main, "Grapher1")->trigger();
        QVERIFY(grapher.isVisible());
        QCOMPARE(grapher.model().mainTitle.text, std::string("kept"));
    }

    void speedButtonsLeftToRight() {
        BrisalWindows w = startProgram();
        w.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));
        QList<QToolButton*> buttons;
        for (int i = 1; i <= 8; ++i)
            buttons << Child<QToolButton>(*w.main,
                                          QStringLiteral("SpeedButton%1").arg(i).toLatin1());
        std::sort(buttons.begin(), buttons.end(),
                  [](QToolButton* a, QToolButton* b) { return a->x() < b->x(); });
        QStringList hints;
        for (QToolButton* b : buttons) hints << b->toolTip();
        QCOMPARE(hints,
                 QStringList({"Filter OSL file", "Collate variable(s) in OSL file",
                              "Get averages from OSL file", "Convert a OSL file to DAT format",
                              "Get spectrum from a OSL file", "Format columns", "Show grapher",
                              "Trajectory plotter"}));
        QVERIFY(buttons[0]->isEnabled());
        QVERIFY(buttons[3]->isEnabled());   // convert
        QVERIFY(buttons[6]->isEnabled());   // grapher
        QCOMPARE(buttons[6]->defaultAction(), Child<QAction>(*w.main, "Grapher1"));
        QVERIFY(buttons[7]->isEnabled());   // trajectory plotter
        QVERIFY(!Child<QLabel>(*w.main, "MemLabel")->isVisible());
    }

    void commandLineFileIsChecked() {
        const QString file = path("traj.osl");
        WriteRecords(file, {Particle(1)});
        {
            BrisalWindows w = startProgram({file.toStdString()});
            QCOMPARE(w.startupFile.kind, StartupFile::Kind::PlotterFile);
            QVERIFY(sink.entries().empty());
        }
        const std::string missing = path("gone.osl").toStdString();
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{missing}, std::vector<std::string>{"*.osl"}}) {
            sink.clear();
            BrisalWindows w = startProgram(args);
            QCOMPARE(sink.texts(), std::vector<std::string>{"Cannot find file: " + args[0]});
        }
        sink.clear();
        BrisalWindows two = startProgram({missing, missing});
        QVERIFY(sink.entries().empty());
    }
};

int RunStartupTests(int argc, char** argv) {
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StartupTest.moc"
