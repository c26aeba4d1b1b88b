// Windows open inside the screen's available area.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

#include "ScreenPlacement.h"

using namespace halvern;

class ScreenPlacementTest : public QObject {
    Q_OBJECT

    QObject* placer_ = nullptr;

    static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    static void Show(QWidget& window) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

  private slots:
    void init() { placer_ = KeepWindowsOnScreen(); }
    void cleanup() { delete placer_; }

    void fittedFrame_data() {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("fitted");
        const QRect inside(100, 50, 300, 200);
        QTest::newRow("inside stays") << inside << inside;
        QTest::newRow("below the bottom") << QRect(100, 500, 300, 200) << QRect(100, 400, 300, 200);
        QTest::newRow("above and left") << QRect(-40, -10, 300, 200) << QRect(0, 20, 300, 200);
        QTest::newRow("larger both ways") << QRect(50, 50, 1000, 900) << QRect(0, 20, 800, 580);
    }
    // The available area of these rows: 800 x 580 below a 20-pixel panel.
    void fittedFrame() {
        QFETCH(QRect, frame);
        QFETCH(QRect, fitted);
        QCOMPARE(FittedFrame(frame, QRect(0, 20, 800, 580)), fitted);
    }

    // Placed partly off the screen, or larger than it, a window opens moved and shrunk to fit.
    void windowsOpenInsideTheAvailableArea() {
        const QRect available = Available();
        QMainWindow low;
        low.resize(300, 200);
        low.move(available.left() + 40, available.bottom() - 50);
        Show(low);
        QVERIFY(available.contains(low.frameGeometry()));
        QVERIFY(qAbs(low.x() - (available.left() + 40)) < 10);  // moved up, not aside

        QMainWindow tall;
        tall.resize(300, available.height() + 300);
        tall.move(available.topLeft());
        Show(tall);
        QVERIFY(available.contains(tall.frameGeometry()));
    }

    // A window never placed opens a step below and right of the window it was opened from, the
    // next a step further.
    void newWindowsCascadeFromTheirOpener() {
        const QRect available = Available();
        QMainWindow opener;
        opener.setGeometry(available.left() + 10, available.top() + 10, 300, 200);
        Show(opener);
        opener.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&opener));
        QMainWindow first, second;
        for (QMainWindow* window : {&first, &second}) window->resize(250, 150);
        Show(first);
        opener.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&opener));
        Show(second);
        const QPoint step = first.frameGeometry().topLeft() - opener.frameGeometry().topLeft();
        QVERIFY(step.x() > 0 && step.y() > 0);
        QCOMPARE(second.frameGeometry().topLeft() - first.frameGeometry().topLeft(), step);    }

    // A centred window opens centred with the size it has when it is shown.
    void centredWindowsAreCentredAtTheirFinalSize() {
        QMainWindow window;
        window.resize(200, 100);
        CentreOnScreen(&window);
        window.resize(400, 300);
        Show(window);
        QCOMPARE(window.frameGeometry().center(), Available().center());
    }
};

int RunScreenPlacementTests(int argc, char** argv) {
    ScreenPlacementTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenPlacementTest.moc"
