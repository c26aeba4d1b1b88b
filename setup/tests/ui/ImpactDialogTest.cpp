// The impact-point mesh dialog on the offscreen platform: the save dialog answered by the
// scripted chooser, messages recorded.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "DialogTestCase.h"
#include "FileSafety.h"
#include "ImpForm.h"
#include "ItemRadioGroup.h"
#include "MeshPreviewView.h"
#include "MessageSink.h"

using namespace velkor;
using halvern::RecordingSink;

class ImpactDialogTest : public DialogTestCase {
    Q_OBJECT

  private:
    static void clickOk(TImpForm& form) {
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    }

  private slots:
    void showPreviewsAndOkWrites() {
        TImpactSpec spec;
        TImpForm form(spec);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.Label9->text(), QStringLiteral("1250 impact points."));
        QCOMPARE(form.PreviewBtn->text(), QStringLiteral("Refresh"));
        QCOMPARE(form.FloatEdit2->text(), QStringLiteral("2.55598"));
        QCOMPARE(form.FloatEdit6->text(), QStringLiteral("90"));
        QVERIFY(!form.RadioGroup1->isEnabled());
        // The origin at the bottom left, inside the frame, which runs round the mesh one pixel
        // out; the picture's top right corner stays dark.
        const QImage& picture = form.Graph->image();
        constexpr int m = MeshPreviewView::kMargin;
        QCOMPARE(picture.pixelColor(m, m + 100), QColor(Qt::white));
        QCOMPARE(picture.pixelColor(m + 100, m), QColor(Qt::black));
        int left = 0, bottom = 0, top = 0;  // the frame's edges, dotted yellow
        for (int k = m; k < m + 101; ++k) {
            left += picture.pixelColor(m - 1, k) == Qt::yellow;
            bottom += picture.pixelColor(k, m + 101) == Qt::yellow;
            top += picture.pixelColor(k, m + 50) == Qt::yellow;  // half way up
        }
        QVERIFY(left > 10 && bottom > 20 && top > 20);
        if (const QString dir = qEnvironmentVariable("HALVERN_SCREENSHOT_DIR"); !dir.isEmpty()) {
            QVERIFY(QDir().mkpath(dir));
            QVERIFY(form.grab().save(dir + "/velkor22-impact-dialog.png"));
        }

        // The read-out under the cursor.
        QTest::mouseMove(form.Graph, QPoint(m + 50, m + 100));
        QCOMPARE(form.Label13->text(), QStringLiteral("x = 1.27799"));
        QCOMPARE(form.Label14->text(), QStringLiteral("y = 0"));

        chooser_.script({file("mesh.imp")});
        clickOk(form);
        QCOMPARE(chooser_.asked.at(0).title, std::string("Save impact points specification file as..."));
        QCOMPARE(chooser_.asked.at(0).initialName, std::string("UNTITLED.IMP"));
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(sink_.texts(), std::vector<std::string>{"Number of trajectories: 1250"});
        std::string bytes;
        QVERIFY(halvern::ReadFileBytes(file("mesh.imp"), bytes));
        QVERIFY(bytes.starts_with("0.00000000 0.00000000 3.00000000 0.000000 2.555980 0.000000 "
                                  "1.277990 90.000000 0 50 25 3.000000\r\n"
                                  "0.00000000 0.05111960 3.00000000\r\n"));
        QCOMPARE(std::count(bytes.begin(), bytes.end(), '\n'), 1250);
    }

    void originRuleKeepsTheDialogOpen() {
        TImpactSpec spec;
        TImpForm form(spec);
        form.show();
        form.FloatEdit1->setText(QStringLiteral("1"));
        form.FloatEdit6->setText(QStringLiteral("80"));
        form.setResult(QDialog::Rejected);
        clickOk(form);
        QVERIFY(form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(sink_.count(RecordingSink::Kind::Info), 1);
        QVERIFY(sink_.texts()[0].starts_with("Impact zone (bx(min), by(min)) must start at origin"));
        QVERIFY(chooser_.asked.empty());
        QCOMPARE(form.FloatEdit1->text(), QStringLiteral("1"));

        // Preview follows the same rule.
        sink_.clear();
        QTest::mouseClick(form.PreviewBtn, Qt::LeftButton);
        QCOMPARE(sink_.count(RecordingSink::Kind::Info), 1);
    }

    void readOutOfAWrongRangeOpensNoBox() {
        TImpactSpec spec;
        TImpForm form(spec);
        form.show();
        form.FloatEdit1->setText(QStringLiteral("3"));
        QTest::mouseMove(form.Graph, QPoint(20, 20));
        QCOMPARE(form.Label13->text(),
                 QStringLiteral("Maximum in impact range should not be smaller than minimum."));
        QVERIFY(sink_.entries().empty());
        form.FloatEdit1->setText(QStringLiteral("x"));  // a half-typed text reads 0, silently
        QTest::mouseMove(form.Graph,
                         QPoint(MeshPreviewView::kMargin, MeshPreviewView::kMargin + 100));
        QCOMPARE(form.Label13->text(), QStringLiteral("x = 0"));
        QVERIFY(sink_.entries().empty());
    }

    void cancelKeepsTheRecordAndEmptyRangeShowsAmbiguous() {
        TImpactSpec spec;
        {
            TImpForm form(spec);
            form.show();
            form.IntegerEdit1->setText(QStringLiteral("7"));
            form.reject();
        }
        QCOMPARE(spec.Nx, 50);

        spec.BxMax = "0.0";
        TImpForm form(spec);
        form.show();
        QCOMPARE(form.Label9->text(), QStringLiteral("Ambiguous input."));
        QVERIFY(sink_.entries().empty());
        spec.BxMax = spec.BxMin;
        spec.ByMax = spec.ByMin;
        form.hide();
        form.show();
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{"Impact param. range error: cannot preview."});
    }
};

int RunImpactDialogTests(int argc, char** argv) {
    ImpactDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ImpactDialogTest.moc"
