#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "DisplayText.h"
#include "HelpWindow.h"
#include "SinkTestCase.h"
#include "miscutil.h"

using namespace halvern;

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
