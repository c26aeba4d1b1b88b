#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "DisplayText.h"
#include "HelpWindow.h"
#include "SinkTestCase.h"
#include "miscutil.h"

using namespace halvern;

namespace {

void WritePage(const QString& path, const QByteArray& html) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(html);
}

bool AnyHelpWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<HelpWindow*>(w) && w->isVisible()) return true;
    return false;
}

}  // namespace

class HelpWindowTest : public SinkTestCase {
    Q_OBJECT

  private:
    QTemporaryDir dir;
    std::string root;

  private slots:
    void initTestCase() {
        QVERIFY(dir.isValid());
        root = CoreText(dir.path()) + "/";
        QVERIFY(QDir(dir.path()).mkpath("velkor"));
        WritePage(dir.filePath("velkor/120.html"),
                  "<html><head><title>Run file</title></head><body>Run parameters</body></html>");
        WritePage(dir.filePath("velkor/index.html"),
                  "<html><head><title>Contents</title></head><body>Contents</body></html>");
    }

    void pageOfAContextThenTheIndex() {
        QCOMPARE(HelpPageFile(root, "velkor", 120), root + "velkor/120.html");
        QCOMPARE(HelpPageFile(root, "velkor", 7), root + "velkor/index.html");
        QCOMPARE(HelpPageFile(root, "brisal", 7), std::string());
    }

    void showsThePageAndItsTitle() {
        HelpWindow window;
        QVERIFY(window.showContext(root, "velkor", 120));
        QVERIFY(window.toPlainText().contains("Run parameters"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Run file"));
        QVERIFY(window.showContext(root, "velkor", 5));
        QVERIFY(window.toPlainText().contains("Contents"));
        QCOMPARE(sink.entries().size(), size_t{0});
    }

    void missingPageGivesANotice() {
        HelpWindow window;
        QVERIFY(window.showContext(root, "velkor", 120));
        QVERIFY(!window.showContext(root, "brisal", 42));
        QCOMPARE(sink.count(RecordingSink::Kind::Info), 1);
        QCOMPARE(sink.texts().front(), "Cannot find help page: " + root + "brisal/42.html");
        QVERIFY(window.toPlainText().contains("Run parameters"));  // keeps the last page
    }

    void showHelpWithoutPagesDoesNotOpenAWindow() {
        ShowHelp("no-such-program", 3);
        QCOMPARE(sink.texts(),
                 std::vector<std::string>{"Cannot find help page: " + ProgramDirFile("help/") +
                                          "no-such-program/3.html"});
        QVERIFY(!AnyHelpWindowShown());
    }
};

int RunHelpWindowTests(int argc, char** argv) {
    HelpWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpWindowTest.moc"
