// The set-up program's batch template dialog and its editor windows, offscreen.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "BatchForm.h"
#include "FltEdit.h"
#include "MessageSink.h"
#include "ScriptedFileChooser.h"
#include "UiSink.h"

using namespace velkor;
using halvern::RecordingSink;

namespace {

void SaveScreenshot(QWidget* window, const char* name) {
    const QString folder = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    window->grab().save(folder + QLatin1Char('/') + QLatin1String(name));
}

}  // namespace

class EditorHostingTest : public QObject {
    Q_OBJECT

    RecordingSink sink_;
    halvern::ScriptedFileChooser files_;
    QTemporaryDir dir_;

  private Q_SLOTS:
    void init() {
        sink_.clear();
        files_.clear();
        halvern::SetUiSink(&sink_);
        halvern::SetUiFileChooser(&files_);
    }
    void cleanup() {
        halvern::SetUiSink(nullptr);
        halvern::SetUiFileChooser(nullptr);
    }

    void batchDialogBrowsesAndGenerates() {
        TBatchForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.BatchEdit->text(), QStringLiteral("*.bdf"));
        QCOMPARE(form.StemEdit->text(), QStringLiteral("*"));
        QCOMPARE(form.CountEdit->text(), QStringLiteral("1"));
        // "Generate" with the pattern keeps the dialog open, without a message.
        form.GenerateClick();
        QVERIFY(form.isVisible());
        QVERIFY(sink_.entries().empty());

        const std::string folder = dir_.filePath(QStringLiteral("run.v2")).toStdString();
        files_.script({folder + "/jobs.bdf", folder + "/cu100.prj"});
        form.BrowseBatchClick();
        form.BrowseStemClick();
        QCOMPARE(files_.asked[0].title, std::string("Name of Batch Definition File"));
        QCOMPARE(files_.asked[0].defaultSuffix, std::string("bdf"));
        QCOMPARE(files_.asked[1].filter,
                 std::string("Simulation project files|*.prj;*.trg;*.run;*.imp;*.mdl|Any files|*.*"));
        QCOMPARE(form.StemEdit->text().toStdString(), folder + "/cu100");
        form.CountEdit->setText(QStringLiteral("3"));
        SaveScreenshot(&form, "batch-template-dialog.png");
        form.GenerateClick();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(sink_.count(RecordingSink::Kind::Beep), 1);
        QCOMPARE(form.spec().batchFile, folder + "/jobs.bdf");
        QCOMPARE(form.count(), 3);
        // The record comes back the next time.
        form.show();
        QCOMPARE(form.CountEdit->text(), QStringLiteral("3"));
    }

    void batchCountOutsideItsRangeKeepsTheDialog() {
        TBatchForm form;
        form.show();
        form.BatchEdit->setText(QStringLiteral("jobs.bdf"));
        form.CountEdit->setText(QStringLiteral("10000"));
        form.GenerateClick();
        QVERIFY(form.isVisible());
        QCOMPARE(sink_.count(RecordingSink::Kind::Beep), 1);  // the range message's beep
        QCOMPARE(sink_.count(RecordingSink::Kind::Error) + sink_.count(RecordingSink::Kind::Warning), 1);
    }
};

QTEST_MAIN(EditorHostingTest)
#include "EditorHostingTest.moc"
