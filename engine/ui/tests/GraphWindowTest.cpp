#include <QMenu>
#include <QtTest>
#include <cmath>
#include <limits>
#include <vector>

#include "EngineUiTestSupport.h"
#include "GraphWindow.h"
#include "HelpWindow.h"
#include "QtColours.h"

using namespace halvern;
using namespace halvern::uitest;

class GraphWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyParticleIsDrawnIncludingTheLast();
    void hugeFramesAndValuesAreDrawnSafely();
    void menuAndKeysChangeTheView();
    void newImpactBlanksThePictureEvenWhenHidden();
    void lastFrameIsDrawnAgainOnResizeAndViewChanges();
    void helpKeyOnEachMenuItemShowsItsPage();
};

namespace {

struct Frame {
    std::vector<double> x, y, z;
    TGraphFrame frame() const {
        return {x.data(), y.data(), z.data(), static_cast<int32_t>(x.size()) - 1, 2.5e-15f};
    }
};

bool HasColourNear(const QImage& image, TPixel p, const QColor& colour, int reach) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint q(p.x + dx, p.y + dy);
            if (image.rect().contains(q) && QColor(image.pixel(q)) == colour) return true;
        }
    return false;
}

QAction* MenuItem(QWidget* window, const QString& text) {
    for (QAction* a : window->findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

}  // namespace

void GraphWindowTest::everyParticleIsDrawnIncludingTheLast() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TGraph* graph = main.graphWindow();
    graph->show();
    MenuItem(graph, QStringLiteral("&Circles"))->trigger();
    // Three atoms 5 A apart along x at z = -3 A; the last one must be drawn too.
    Frame f{{0, 5e-10, 10e-10, 15e-10}, {0, 0, 0, 0}, {2e-10, -3e-10, -3e-10, -3e-10}};
    main.graphFrame(f.frame());
    const QImage& image = graph->picture();
    const TPixel origin = GraphOrigin(graph->view(), image.width(), image.height());
    for (size_t i = 0; i < f.x.size(); ++i) {
        TPixel p;
        QVERIFY(ToPixel(origin, f.x[i], f.z[i], graph->view().scale, p));
        // Circles of radius 4 (draw small) around each atom: red for the projectile.
        const QColor pen = ToQColor(i == 0 ? colour::Red : colour::Blue);
        QVERIFY2(HasColourNear(image, p, pen, 5), qPrintable(QString::number(i)));
    }
    graph->hide();
}

void GraphWindowTest::hugeFramesAndValuesAreDrawnSafely() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TGraph* graph = main.graphWindow();
    graph->show();
    const double inf = std::numeric_limits<double>::infinity();
    Frame wild{{0, 1e30, -inf, std::nan(""), 1e-10}, {0, -1e30, inf, 0, 0}, {0, 1e300, 0, 0, 0}};
    for (const char* mode : {"&Icons", "&Circles", "&Points"}) {
        MenuItem(graph, QString::fromLatin1(mode))->trigger();
        for (int i = 0; i < 40; ++i) MenuItem(graph, QStringLiteral("Zoom &in"))->trigger();
        main.graphFrame(wild.frame());
    }
    QVERIFY(std::isfinite(graph->view().scale));
    QVERIFY(graph->view().radius <= kGraphMaxRadius);
    // A frame of 40000 target atoms draws the first 30000.
    Frame big;
    for (int i = 0; i <= 40000; ++i) {
        big.x.push_back((i % 200) * 1e-10);
        big.y.push_back((i / 200) * 1e-11);
        big.z.push_back(-(i / 200) * 1e-11);
    }
    MenuItem(graph, QStringLiteral("Reset &defaults"))->trigger();
    main.graphFrame(big.frame());
    QCOMPARE(graph->framesDrawn(), 4);
    graph->hide();
}

void GraphWindowTest::menuAndKeysChangeTheView() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TGraph* graph = main.graphWindow();
    QCOMPARE(graph->statusText(),
             QStringLiteral(
                 "XZ plane: Ctrl + Circles/Points/Icons/Small/F5-F7/Kopy/Zoom/Refresh/Default"));
    graph->findChild<QToolButton*>(QStringLiteral("YZBtn"))->click();
    QCOMPARE(graph->view().plane, GraphPlane::YZ);
    QVERIFY(graph->statusText().startsWith(QStringLiteral("YZ plane")));
    QVERIFY(MenuItem(graph, QStringLiteral("&yz-plane"))->isChecked());
    QVERIFY(!MenuItem(graph, QStringLiteral("x&z-plane"))->isChecked());
    MenuItem(graph, QStringLiteral("&Points"))->trigger();
    QCOMPARE(SymbolsOf(graph->view()), GraphSymbols::Points);
    QVERIFY(!MenuItem(graph, QStringLiteral("&Icons"))->isChecked());
    graph->show();
    QTest::keyClick(graph, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(graph, Qt::Key_Left);
    QCOMPARE(graph->view().yShift, -100);
    QCOMPARE(graph->view().xShift, -25);
    MenuItem(graph, QStringLiteral("&Highlight"))->trigger();
    MenuItem(graph, QStringLiteral("Reset &defaults"))->trigger();
    QCOMPARE(graph->view().plane, GraphPlane::XZ);
    QCOMPARE(graph->view().scale, kSpatialGraphScale);
    QCOMPARE(graph->view().xShift, 0);
    QVERIFY(graph->view().highlight);
    QVERIFY(MenuItem(graph, QStringLiteral("&Icons"))->isChecked());
    QVERIFY(MenuItem(graph, QStringLiteral("x&z-plane"))->isChecked());
    graph->hide();
}

void GraphWindowTest::newImpactBlanksThePictureEvenWhenHidden() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TGraph* graph = main.graphWindow();
    graph->show();
    Frame f{{0}, {0}, {0}};
    main.graphFrame(f.frame());
    graph->hide();
    QVERIFY(graph->picture() != [&] {
        QImage blank(graph->picture().size(), graph->picture().format());
        blank.fill(Qt::white);
        return blank;
    }());
    main.newImpact();
    QImage blank(graph->picture().size(), graph->picture().format());
    blank.fill(Qt::white);
    QCOMPARE(graph->picture(), blank);
}

// After the run has moved on (or ended) the picture is drawn again from the kept frame; the next
// impact forgets it.
void GraphWindowTest::lastFrameIsDrawnAgainOnResizeAndViewChanges() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TGraph* graph = main.graphWindow();
    graph->show();
    MenuItem(graph, QStringLiteral("&Circles"))->trigger();
    std::vector<double> x{0, 5e-10, 10e-10}, y{0, 1e-10, 2e-10}, z{2e-10, -3e-10, -3e-10};
    main.graphFrame({x.data(), y.data(), z.data(), 2, 1e-15f});
    // The core's arrays move on after the send; the picture must not read them again.
    for (std::vector<double>* a : {&x, &y, &z}) a->assign(3, std::nan(""));
    const int drawn = CountColoured(graph->picture());
    QVERIFY(drawn > 0);

    const std::function<void()> changes[] = {
        [&] { graph->resize(graph->size() + QSize(120, 80)); },
        [&] { MenuItem(graph, QStringLiteral("&xy-plane"))->trigger(); },
        [&] { graph->findChild<QToolButton*>(QStringLiteral("XZBtn"))->click(); },
        [&] { MenuItem(graph, QStringLiteral("Zoom &in"))->trigger(); },
        [&] { MenuItem(graph, QStringLiteral("&Points"))->trigger(); },
    };
    for (const auto& change : changes) {
        change();
        QCoreApplication::processEvents();
        QVERIFY(CountColoured(graph->picture()) > 0);
    }
    QCOMPARE(graph->picture().size(), graph->centralWidget()->size());
    QCOMPARE(graph->framesDrawn(), 1);
    SaveScreenshot(graph, QStringLiteral("ostrel22-graph-window-redrawn"));

    main.newImpact();
    graph->resize(graph->size() - QSize(60, 40));
    QCoreApplication::processEvents();
    QCOMPARE(CountColoured(graph->picture()), 0);
    graph->hide();
}

void GraphWindowTest::helpKeyOnEachMenuItemShowsItsPage() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    TGraph* graph = main.graphWindow();
    graph->show();
    const std::pair<const char*, const char*> items[] = {
        {"&yz-plane", "1000.html"},          {"&Copy image", "1001.html"},
        {"Zoom &out", "1002.html"},          {"Draw &small", "1003.html"},
        {"&Refresh each step", "1004.html"}, {"&Toggle background colour", "1005.html"},
        {"Reset &defaults", "1006.html"},    {"&Highlight", "1007.html"},
    };
    for (const auto& [text, page] : items) {
        QAction* item = MenuItem(graph, QString::fromLatin1(text));
        QVERIFY2(item, text);
        auto* menu = qobject_cast<QMenu*>(item->parent());
        QVERIFY2(menu, text);
        menu->popup(graph->geometry().center());
        menu->setActiveAction(item);
        QTest::keyClick(menu, Qt::Key_F1);
        menu->hide();
        QCOMPARE(ShownHelpPage(), QString::fromLatin1(page));
    }
    QTest::keyClick(graph->centralWidget(), Qt::Key_F1);
    QCOMPARE(ShownHelpPage(), QStringLiteral("1000.html"));
    QVERIFY(bench.sink.texts().empty());
    ProgramHelpWindow()->close();
    graph->hide();
}

int RunGraphWindowTests(int argc, char** argv) {
    GraphWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "GraphWindowTest.moc"
