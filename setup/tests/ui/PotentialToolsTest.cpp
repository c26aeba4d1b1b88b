// The potential tools of the set-up program on the offscreen platform: the composite potential's
// dialog and graphs, and the pair-potential window with its chart. Messages go to a recording;
// the files are written into a scratch folder made the current one.
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "CompositePotential.h"
#include "ItemRadioGroup.h"
#include "LineChart.h"
#include "MdlForm.h"
#include "MessageSink.h"
#include "PairPotlDlg.h"
#include "PotlForm.h"
#include "PotlGraph.h"
#include "Screenshot.h"
#include "UiSink.h"

using namespace velkor;
using halvern::RecordingSink;

class PotentialToolsTest : public QObject {
    Q_OBJECT

  private:
    RecordingSink sink_;
    QTemporaryDir folder_;
    QString previous_;

    // The potential dialog, when it is shown, is answered OK.
    static void AnswerPotentialDialogOk(CompositePotentialView& view) {
        view.runModal = [](QDialog& dialog) {
            dialog.show();
            dialog.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
            return dialog.result();
        };
    }

    // The view with its potential dialog answered OK for Z = 29 and the box by `yes`.
    void viewComposite(CompositePotentialView& view, bool yes) {
        AnswerPotentialDialogOk(view);
        QVERIFY(view.AskTargetZ());
        sink_.scriptAnswers({yes});
        view.ViewComposite(TCompositeRequest{});
    }

  private slots:
    void initTestCase() {
        previous_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder_.path()));
        halvern::SetUiSink(&sink_);
    }
    void cleanupTestCase() {
        QDir::setCurrent(previous_);
        halvern::SetUiSink(nullptr);
    }
    void init() { sink_.clear(); }

    void thePotentialDialogAsksForTheTargetZ() {
        TPotlForm form;
        form.Z2 = 47;
        form.show();
        QCOMPARE(form.IntegerEdit2->text(), QStringLiteral("47"));
        QCOMPARE(form.IntegerEdit2->maxLength(), 2);
        form.IntegerEdit2->setText(QStringLiteral("28"));
        form.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.Z2, 28);
        form.show();
        form.IntegerEdit2->setText(QStringLiteral("0"));  // out of range: refused
        form.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        QCOMPARE(form.Z2, 28);
        QCOMPARE(sink_.count(RecordingSink::Kind::Error), 1);
        form.hide();
    }

    void yesShowsBothGraphsOfTheFilesWritten() {
        QWidget owner;
        CompositePotentialView view(&owner);
        viewComposite(view, true);
        QCOMPARE(sink_.count(RecordingSink::Kind::YesNo), 1);
        QCOMPARE(QString::fromStdString(view.files.potentialPath),
                 QDir(folder_.path()).filePath(QStringLiteral("POTENTL.SPL")));
        QVERIFY(view.ForceGraph->isVisible());
        QTRY_VERIFY(view.PotentialGraph->isVisible());  // once the force window is mapped
        QCOMPARE(view.ForceGraph->windowTitle(), QStringLiteral("Target-Target Force (eV/A)"));
        QCOMPARE(view.PotentialGraph->windowTitle(),
                 QStringLiteral("Target-Target Potential (eV)"));
        QCOMPARE(view.PotentialGraph->curve().count(), size_t(301));
        QVERIFY(QTest::qWaitForWindowExposed(view.PotentialGraph));
        QCOMPARE(view.PotentialGraph->frameGeometry().topLeft(),
                 view.ForceGraph->frameGeometry().topLeft() + QPoint(0, 25));

        // A click on the curve reads it off; the picture gets its red cross.
        TPotlGraph& graph = *view.PotentialGraph;
        const TPotlFrame f =
            PotlFrameOf(graph.view(), graph.picture().width(), graph.picture().height());
        QTest::mouseClick(graph.findChild<QWidget*>(QStringLiteral("Graph")), Qt::LeftButton, {},
                          QPoint(f.x0 + f.W / 2, f.y0 - f.H / 4));
        QVERIFY2(graph.statusText().startsWith(QStringLiteral("R = 2.100 A, V = ")),
                 qPrintable(graph.statusText()));
        QVERIFY(graph.statusText().endsWith(QStringLiteral(" eV")));
        QCOMPARE(graph.picture().pixelColor(f.x0 + f.W / 2 + 3, f.y0 - f.H / 4), QColor(Qt::red));
        SaveWindowScreenshot(view.PotentialGraph, QStringLiteral("potential-graph.png"));
        SaveWindowScreenshot(view.ForceGraph, QStringLiteral("force-graph.png"));

        // Zoomed and shifted along the curve: the axes keep a number at every tick in view.
        for (int k = 0; k < 2; ++k) QTest::keyClick(&graph, Qt::Key_Home);
        QTest::keyClick(&graph, Qt::Key_PageUp);
        for (int k = 0; k < 3; ++k) QTest::keyClick(&graph, Qt::Key_Left, Qt::ShiftModifier);
        const TPotlDrawing zoomed = LayOutPotentialPlot(
            graph.view(), graph.curve(), graph.picture().width(), graph.picture().height());
        QCOMPARE(zoomed.labels.size() + 2, zoomed.axes.size());
        QVERIFY(zoomed.labels.size() >= 10);
        SaveWindowScreenshot(view.PotentialGraph, QStringLiteral("potential-graph-zoomed.png"));

        graph.Copygraphic2Click();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), graph.picture().size());
    }

    void noWritesTheFilesAndShowsNothing() {
        QWidget owner;
        CompositePotentialView view(&owner);
        viewComposite(view, false);
        QVERIFY(QFile::exists(QStringLiteral("FORCE.SPL")));
        QVERIFY(!view.ForceGraph->isVisible());
        QVERIFY(!view.PotentialGraph->isVisible());
    }

    // The model dialog's button: only with Morse checked, and with the controls' values, which
    // go into the model record.
    void theModelDialogViewsTheCompositeOfItsControls() {
        QWidget owner;
        CompositePotentialView view(&owner);
        TModelSpec spec;
        TMdlForm model(spec);
        AnswerPotentialDialogOk(view);
        model.CheckBox1->setChecked(false);
        ViewModelComposite(view, model);
        QVERIFY(sink_.entries().empty());
        QVERIFY(!view.ForceGraph->isVisible());

        model.CheckBox1->setChecked(true);
        model.FloatEdit7->setText(QStringLiteral("2.5"));
        sink_.scriptAnswers({true});
        ViewModelComposite(view, model);
        QCOMPARE(spec.SplineHigh.str(), std::string("2.5"));
        QVERIFY(view.ForceGraph->isVisible());
        QCOMPARE(view.ForceGraph->curve().count(), size_t(381));
    }

    // Opened from the model dialog while it runs modally, both graphs take clicks: the read-out
    // and the zoom buttons work before the dialog is closed.
    void theGraphsWorkBesideTheModalModelDialog() {
        QWidget owner;
        CompositePotentialView view(&owner);
        TModelSpec spec;
        TMdlForm model(spec);
        AnswerPotentialDialogOk(view);
        model.setViewCompositeHandler([&] { ViewModelComposite(view, model); });
        model.CheckBox1->setChecked(true);
        sink_.scriptAnswers({true});
        QString readOut;
        float xZoom = 0;
        bool modal = false;
        QTimer::singleShot(0, &model, [&] {
            model.findChild<QPushButton*>(QStringLiteral("BitBtn4"))->click();
            TPotlGraph& graph = *view.PotentialGraph;
            if (QTest::qWaitFor([&] { return graph.isVisible(); }) &&
                QTest::qWaitForWindowExposed(&graph)) {
                modal = QApplication::activeModalWidget() == &model;
                auto* picture = graph.findChild<QWidget*>(QStringLiteral("Graph"));
                QTest::mouseClick(graph.windowHandle(), Qt::LeftButton, {},
                                  picture->mapTo(&graph, picture->rect().center()));
                readOut = graph.statusText();
                auto* zoomIn = graph.findChild<QWidget*>(QStringLiteral("GraphButton1"));
                QTest::mouseClick(graph.windowHandle(), Qt::LeftButton, {},
                                  zoomIn->mapTo(&graph, zoomIn->rect().center()));
                xZoom = graph.view().xZoom;
            }
            model.reject();
        });
        model.exec();
        QVERIFY(modal);
        QVERIFY2(readOut.startsWith(QStringLiteral("R = ")), qPrintable(readOut));
        QCOMPARE(xZoom, 1.5f);
    }

    void keysZoomShiftAndRedraw() {
        QWidget owner;
        CompositePotentialView view(&owner);
        viewComposite(view, true);
        TPotlGraph& graph = *view.ForceGraph;
        QTest::keyClick(&graph, Qt::Key_Home);
        QTest::keyClick(&graph, Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(&graph, Qt::Key_Left);
        QTest::keyClick(&graph, 'Y', Qt::ShiftModifier);
        QCOMPARE(graph.view().xZoom, 1.5f);
        QCOMPARE(graph.view().yShift, 100);
        QCOMPARE(graph.view().xShift, -10);
        QCOMPARE(graph.view().yTicks, 11);
        graph.findChild<QAction*>(QStringLiteral("Plotaxes1"))->trigger();
        QVERIFY(!graph.view().axesOn);
        QVERIFY(!graph.findChild<QAction*>(QStringLiteral("Plotaxes1"))->isChecked());
        graph.findChild<QAction*>(QStringLiteral("Restoredefaults1"))->trigger();
        QVERIFY(graph.view().axesOn);
        QCOMPARE(graph.view().xZoom, 1.0f);
        // A resize draws the curve anew at the picture's new size.
        graph.resize(graph.width() + 100, graph.height());
        QTRY_COMPARE(graph.picture().width(),
                     graph.findChild<QWidget*>(QStringLiteral("Graph"))->width());
    }

    void aGraphWithoutDataDrawsNothingAndReadsNothing() {
        TPotlGraph graph;
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        QTest::mouseClick(graph.findChild<QWidget*>(QStringLiteral("Graph")), Qt::LeftButton, {},
                          QPoint(100, 100));
        QVERIFY(graph.statusText().isEmpty());
        QCOMPARE(graph.picture().pixelColor(103, 100), QColor(Qt::white));
        QVERIFY(!graph.LoadPotentialData(QDir(folder_.path()).filePath("none.spl").toStdString()));
        QCOMPARE(sink_.texts().size(), size_t(1));
    }

    void thePairPotentialWindowEvaluatesAndPlots() {
        TPairPotlDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.Edit3->text(), QStringLiteral("614.006609"));
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("98.209120"));
        QCOMPARE(dialog.Label9->text(), QStringLiteral("Screening len. = 0.113892 A"));
        QVERIFY(!dialog.Edit2->text().isEmpty());
        QCOMPARE(dialog.Chart1->series().size(), size_t(3));
        for (const auto& s : dialog.Chart1->series()) QCOMPARE(s.points.size(), size_t(121));
        QCOMPARE(dialog.Chart1->series()[1].colour, QColor(Qt::white));
        // Each legend swatch shows its curve's colour, the white one too.
        const QImage chart = dialog.Chart1->grab().toImage();
        for (size_t k = 0; k < 3; ++k)
            QCOMPARE(chart.pixelColor(dialog.Chart1->legendSwatch(k).center().toPoint()),
                     dialog.Chart1->series()[k].colour);
        SaveWindowScreenshot(&dialog, QStringLiteral("pair-potential.png"));

        // A rectangle dragged on the chart zooms into it; "Undo zoom" goes back.
        const halvern::ChartArea area = dialog.Chart1->plotArea();
        const QPoint from(int(area.left + area.width / 4), int(area.top + area.height / 4));
        const QPoint to(int(area.left + area.width / 2), int(area.top + area.height / 2));
        QTest::mousePress(dialog.Chart1, Qt::LeftButton, {}, from);
        QTest::mouseMove(dialog.Chart1, to);
        QTest::mouseRelease(dialog.Chart1, Qt::LeftButton, {}, to);
        QVERIFY(dialog.Chart1->zoomed());
        QVERIFY(dialog.Chart1->range().xMin > 0.2);
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
        QVERIFY(!dialog.Chart1->zoomed());
        QCOMPARE(dialog.Chart1->range().xMin, 0.2);
        QCOMPARE(dialog.Chart1->range().xMax, 1.0);

        // Another type changes the numbers, not the chart.
        const double before = dialog.Chart1->series()[0].points[10].y;
        dialog.FloatEdit7->setText(QStringLiteral("2"));
        dialog.RadioGroup1->item(1)->click();
        QVERIFY(dialog.Edit1->text() != QStringLiteral("98.209120"));
        QCOMPARE(dialog.Chart1->series()[0].points[10].y, before);

        dialog.FloatEdit1->setText(QStringLiteral("0"));
        const QString potential = dialog.Edit1->text();
        QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{"Parameter range error - cannot evaluate potential."});
        QCOMPARE(dialog.Edit1->text(), potential);

        dialog.FloatEdit1->setText(QStringLiteral("1.0"));
        dialog.FloatEdit6->setText(QStringLiteral("0.001"));
        dialog.FloatEdit5->setText(QStringLiteral("0"));
        sink_.clear();
        QTest::mouseClick(dialog.BitBtn1, Qt::LeftButton);
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Solution outside maximum range (5 A)."});
        QVERIFY(dialog.Edit2->text().isEmpty());
    }
};

QTEST_MAIN(PotentialToolsTest)
#include "PotentialToolsTest.moc"
