#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "DisplayText.h"
#include "HelpWindow.h"
#include "SinkTestCase.h"
#include "miscutil.h"

using namespace halvern;

namespace {

// Counts the mouse presses and key presses that reach a widget.
class InputCounter : public QObject {
  public:
    int presses = 0;
    int keys = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        presses += event->type() == QEvent::MouseButtonPress ? 1 : 0;
        keys += event->type() == QEvent::KeyPress ? 1 : 0;
        return false;
    }
};

}  // namespace

class HelpWindowTest : public SinkTestCase {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    std::string root;

    void writePage(const QString& name, const QByteArray& title, const QByteArray& body) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><title>" + title + "</title></head><body>" + body +
                   "</body></html>");
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        root = CoreText(dir.path()) + "/";
        QVERIFY(QDir(dir.path()).mkpath("velkor"));
        writePage("velkor/120.html", "Run file", "Run parameters");
        writePage("velkor/index.html", "Contents", "Contents");
    }

    // The page of the context, else the program's index; a missing page gives a notice and the
    // window keeps the page it showed.
    void showsThePageOfAContext() {
        QCOMPARE(HelpPageFile(root, "velkor", 120), root + "velkor/120.html");
        QCOMPARE(HelpPageFile(root, "velkor", 7), root + "velkor/index.html");
        QCOMPARE(HelpPageFile(root, "brisal", 7), std::string());
        HelpWindow window;
        QVERIFY(window.showContext(root, "velkor", 5));
        QVERIFY(window.toPlainText().contains("Contents"));
        QVERIFY(window.showContext(root, "velkor", 120));
        QVERIFY(window.toPlainText().contains("Run parameters"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Run file"));
        QCOMPARE(sink.entries().size(), size_t{0});

        QVERIFY(!window.showContext(root, "brisal", 42));
        QCOMPARE(sink.count(RecordingSink::Kind::Info), 1);
        QCOMPARE(sink.texts().front(), "Cannot find help page: " + root + "brisal/42.html");
        QVERIFY(window.toPlainText().contains("Run parameters"));
    }

    // Help asked for from a modal dialog is not blocked by it: it is transient for the dialog,
    // takes clicks and keys while the dialog is open, and is the program's own window again
    // once the dialog has closed.
    void helpFromAModalDialogIsUsable() {
        QDialog dialog;
        HelpWindow* help = nullptr;
        bool modalWhileHelpOpen = false;
        bool transientForDialog = false;
        InputCounter input;
        QTimer::singleShot(0, &dialog, [&] {
            ShowHelp("ostrel", 1);
            help = ProgramHelpWindow();
            if (help == nullptr || !QTest::qWaitForWindowExposed(help)) return dialog.reject();
            modalWhileHelpOpen = QApplication::activeModalWidget() == &dialog;
            transientForDialog = help->windowHandle()->transientParent() == dialog.windowHandle();
            help->viewport()->installEventFilter(&input);
            help->installEventFilter(&input);
            help->setFocus();
            const QPoint inside = help->viewport()->mapTo(help, help->viewport()->rect().center());
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, inside);
            QTest::keyClick(help->windowHandle(), Qt::Key_Down);
            dialog.accept();
        });
        dialog.exec();
        QVERIFY(help != nullptr);
        QVERIFY(modalWhileHelpOpen);
        QCOMPARE(input.presses, 1);
        QCOMPARE(input.keys, 1);
        QVERIFY(transientForDialog);
        QTRY_VERIFY(help->windowHandle()->transientParent() == nullptr);
        QVERIFY(help->isVisible());
        help->close();
    }

    // F1 brings back a minimised help window.
    void helpRestoresAMinimisedWindow() {
        ShowHelp("ostrel", 1);
        HelpWindow* help = ProgramHelpWindow();
        QVERIFY(help != nullptr);
        help->showMinimized();
        QTRY_VERIFY(help->isMinimized());
        ShowHelp("ostrel", 110);
        QVERIFY(!help->isMinimized());
        QVERIFY(help->isVisible());
        QCOMPARE(help->source().fileName(), QStringLiteral("110.html"));
        help->close();
    }

    void showHelpWithoutPagesDoesNotOpenAWindow() {
        ShowHelp("no-such-program", 3);
        QCOMPARE(sink.texts(),
                 std::vector<std::string>{"Cannot find help page: " + ProgramDirFile("help/") +
                                          "no-such-program/3.html"});
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<HelpWindow*>(w) || !w->isVisible());
    }
};

int RunHelpWindowTests(int argc, char** argv) {
    HelpWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpWindowTest.moc"
