#include <QtTest>
#include <cmath>
#include <limits>
#include <vector>

#include "EngineUiTestSupport.h"
#include "GraphWindow.h"
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

int RunGraphWindowTests(int argc, char** argv) {
    GraphWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "GraphWindowTest.moc"
