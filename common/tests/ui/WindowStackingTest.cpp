// A modal dialog stands over the window it was opened from and gives it the focus back.
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "WindowStacking.h"

using namespace halvern;

class WindowStackingTest : public QObject {
    Q_OBJECT

  private slots:
    // A dialog owned by the main window, opened from another window (as the plotter opens its
    // options dialog): transient for that window while it runs, and that window is active after
    // Cancel, not the owner.
    void aDialogReturnsTheFocusToItsOpener() {
        QMainWindow owner;
        QMainWindow opener;
        owner.show();
        opener.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opener));
        auto* dialog = new QDialog(&owner);
        opener.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&opener));
        bool overOpener = false;
        QTimer::singleShot(0, dialog, [&] {
            overOpener = dialog->windowHandle()->transientParent() == opener.windowHandle();
            owner.activateWindow();  // as the window manager does for the owner of a dialog
            dialog->reject();
        });
        QCOMPARE(ExecOverOpener(*dialog), int(QDialog::Rejected));
        QVERIFY(overOpener);
        QTRY_COMPARE(QApplication::activeWindow(), &opener);
        QCOMPARE(dialog->windowHandle()->transientParent(), owner.windowHandle());
    }
};

int RunWindowStackingTests(int argc, char** argv) {
    WindowStackingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowStackingTest.moc"
