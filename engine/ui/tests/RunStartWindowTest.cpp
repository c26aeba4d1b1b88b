#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "EngineUiTestSupport.h"
#include "FileSafety.h"
#include "UiSink.h"

using namespace halvern;
using namespace halvern::uitest;

class RunStartWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void noToTheMassesQuestionKeepsTheLastOutput();
};

namespace {

// Answers the run's real message boxes as they open: Yes to proceeding, No to every other
// question, OK to notices; records their texts.
class BoxAnswerer {
  public:
    BoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || box == answered_) return;
            answered_ = box;
            texts << box->text();
            const bool proceed = box->text() == QStringLiteral("Proceed with simulation now?");
            QAbstractButton* button = box->button(QMessageBox::No);
            if (proceed) button = box->button(QMessageBox::Yes);
            if (button == nullptr) button = box->button(QMessageBox::Ok);
            button->click();
        });
        timer_.start(10);
    }
    QStringList texts;

  private:
    QTimer timer_;
    QMessageBox* answered_ = nullptr;
};

}  // namespace

// The example project with atom 1's mass off by more than 0.1 amu; a real box answered No
// leaves the last run's records as they were, with one thread and with eight.
void RunStartWindowTest::noToTheMassesQuestionKeepsTheLastOutput() {
    for (const int threads : {1, 8}) {
        EngineTestBench bench;
        TMainForm& main = bench.start();
        main.session().globals.Threads = threads;
        SpecifyExampleProject(bench, main, 2);
        std::string target;
        QVERIFY(ReadFileBytes(bench.file("cu100.trg"), target));
        target.replace(target.find("63.54600"), 8, "63.30000");
        bench.write("cu100.trg", target);
        const std::string last = std::string(319880, '\x5a');
        bench.write("dynvars.osl", last);

        SetUiSink(nullptr);  // the real boxes, with their own event loops
        BoxAnswerer answerer;
        main.SpeedButton1Click();
        SetUiSink(&bench.sink);

        QCOMPARE(answerer.texts,
                 (QStringList{
                     "Proceed with simulation now?",
                     "Masses specified in .TRG & .MDL files differ by > 0.1 amu. Proceed anyway?",
                     "General initialisation error (or aborted by user)."}));
        std::string after;
        QVERIFY(ReadFileBytes(bench.file("dynvars.osl"), after));
        QVERIFY2(after == last, "the last run's records were changed");
        for (const LoggedLine& l : LogContents(main.log()))
            QVERIFY2(!l.text.startsWith(QStringLiteral("  Cumulative error")), qPrintable(l.text));
        QCOMPARE(main.statusText(), QStringLiteral("Ready to run"));
    }
}

int RunRunStartWindowTests(int argc, char** argv) {
    RunStartWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "RunStartWindowTest.moc"
