// The set-up program's calculator windows on the offscreen platform: neighbour dialogs, crystal
// axes and the velocity reckoner. Messages go to a recording, file dialogs to a script.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "AxesForm.h"
#include "FileSafety.h"
#include "MessageSink.h"
#include "NeighbourDialogs.h"
#include "ReckonForm.h"
#include "Screenshot.h"
#include "ScriptedFileChooser.h"
#include "UiSink.h"

using namespace velkor;
using halvern::RecordingSink;

class CalculatorWindowsTest : public QObject {
    Q_OBJECT

  private:
    RecordingSink sink_;
    halvern::ScriptedFileChooser chooser_;
    QTemporaryDir folder_;

    std::string file(const char* name, const char* bytes) {
        const std::string path = folder_.filePath(QString::fromLatin1(name)).toStdString();
        halvern::WriteFileReplacing(path, bytes);
        return path;
    }

  private slots:
    void initTestCase() {
        halvern::SetUiSink(&sink_);
        halvern::SetUiFileChooser(&chooser_);
    }
    void cleanupTestCase() {
        halvern::SetUiSink(nullptr);
        halvern::SetUiFileChooser(nullptr);
    }
    void init() {
        sink_.clear();
        chooser_.clear();
    }

    void theDistanceDialogListsTheNeighboursOfTheChosenFile() {
        const std::string target = file("pair.trg", "0 0 0\r\n\r\n0 0 2.5\r\n0 3 0\r\n");
        TDistanceDlg dialog;
        QCOMPARE(dialog.Edit1->text(), QStringLiteral("*.TRG"));
        // The name is chosen, not typed: the field looks read-only.
        QVERIFY(dialog.Edit1->isReadOnly());
        QCOMPARE(dialog.Edit1->palette().color(QPalette::Base),
                 dialog.Edit1->palette().color(QPalette::Window));
        chooser_.script({target});
        dialog.BitBtn1->click();
        QCOMPARE(chooser_.asked.size(), size_t(1));
        QCOMPARE(chooser_.asked[0].title, std::string("Select Target File"));
        QCOMPARE(chooser_.asked[0].initialName, std::string("*.TRG"));
        QCOMPARE(dialog.Edit1->text(), QString::fromStdString(target));
        dialog.IdxEdit->setText(QStringLiteral("4"));
        dialog.RangeEdit->setText(QStringLiteral("3.5"));
        const auto report = dialog.MakeReport();
        QVERIFY(report);
        QCOMPARE(*report,
                 (std::vector<std::string>{"Listing of neighbour distances (r) for atom #4 "
                                           "(0.00000,3.00000,0.00000)",
                                           "in file " + target + " (range <= 3.5 Angstrom).", "",
                                           "r (A)   atom #", "0.0000  4", "3.0000  1"}));
        dialog.IdxEdit->setText(QStringLiteral("2"));  // a blank line
        QVERIFY(!dialog.MakeReport());
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{"Cannot find specified index in data file."});
        dialog.show();
        SaveWindowScreenshot(&dialog, QStringLiteral("neighbour-distances.png"));
    }

    void thePotentialDialogReadsBothFilesFirst() {
        const std::string target = file("two.trg", "0 0 0\r\n0 0 2.628\r\n");
        const std::string model =
            file("cu.mdl", "0\r\n1.0\r\n1\r\n0.890869\r\n0\r\n0.480\r\n1.405\r\n2.628\r\n");
        TNPotlDlg dialog;
        QCOMPARE(dialog.Edit2->text(), QStringLiteral("*.MDL"));
        chooser_.script({target, model});
        dialog.BitBtn1->click();
        dialog.BitBtn5->click();
        QCOMPARE(chooser_.asked[1].title, std::string("Select Model File"));
        QCOMPARE(chooser_.asked[1].initialName, std::string("*.MDL"));
        QVERIFY(chooser_.asked[1].filter.rfind("Model File|", 0) == 0);
        const auto report = dialog.MakeReport();
        QVERIFY(report);
        QCOMPARE(report->at(4), std::string("2.6280  -0.2400   2"));
        QCOMPARE(report->back(), std::string("Total potential (V/2): -0.2400 eV"));

        dialog.Edit2->setText(QString::fromStdString(model + ".missing"));
        QVERIFY(!dialog.MakeReport());
        QCOMPARE(sink_.texts(), std::vector<std::string>{"File not found: " + model + ".missing"});
        QCOMPARE(NeighbourReportCaption(true, true), std::string("POTENTL.TXT"));
        QCOMPARE(NeighbourReportCaption(false, false), std::string("NEIGHBOR..RTF"));
    }

    void theAxesWindowGivesTheAnglesOfTwoNormals() {
        TAxesForm form;
        form.show();
        QCOMPARE(form.i1->maxLength(), 3);
        const char* texts[] = {"1", "1", "1", "1", "-1", "1"};
        halvern::TIntegerEdit* edits[] = {form.i1, form.j1, form.k1, form.i2, form.j2, form.k2};
        for (int n = 0; n < 6; ++n) edits[n]->setText(QString::fromLatin1(texts[n]));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(form.theta1->text(), QStringLiteral("54.7356103172453"));
        QCOMPARE(form.phi2->text(), QStringLiteral("-45"));
        QCOMPARE(form.IPAngle->text(), QStringLiteral("70.5287793655093"));
        SaveWindowScreenshot(&form, QStringLiteral("crystal-axes.png"));
        form.i2->setText(QStringLiteral("0"));
        form.j2->setText(QStringLiteral("0"));
        form.k2->setText(QStringLiteral("0"));
        form.BitBtn1Click();
        QCOMPARE(sink_.texts(),
                 std::vector<std::string>{"Miller index cannot be a null vector [000]."});
        QCOMPARE(form.IPAngle->text(), QStringLiteral("70.5287793655093"));
    }

    // Equal normals give 0 and opposite ones 180 exactly, for every index triple up to 9.
    void theAxesWindowGivesZeroAndHalfTurnForParallelNormals() {
        TAxesForm form;
        halvern::TIntegerEdit* edits[] = {form.i1, form.j1, form.k1, form.i2, form.j2, form.k2};
        auto angle = [&](const int(&v)[6]) {
            for (int n = 0; n < 6; ++n) edits[n]->setText(QString::number(v[n]));
            form.BitBtn1Click();
            return form.IPAngle->text();
        };
        int triples = 0;
        for (int h = -9; h <= 9; ++h)
            for (int k = -9; k <= 9; ++k)
                for (int l = -9; l <= 9; ++l) {
                    if (h == 0 && k == 0 && l == 0) continue;
                    ++triples;
                    if (angle({h, k, l, h, k, l}) != QStringLiteral("0") ||
                        angle({h, k, l, -h, -k, -l}) != QStringLiteral("180"))
                        QFAIL(qPrintable(QStringLiteral("(%1 %2 %3)").arg(h).arg(k).arg(l)));
                }
        QCOMPARE(triples, 19 * 19 * 19 - 1);
        QVERIFY(sink_.texts().empty());
    }

    void theReckonerFollowsEveryChange() {
        TReckonForm form;
        QCOMPARE(form.Velocity->text(), QStringLiteral("2.19570"));
        form.Energy->setText(QStringLiteral("4"));
        QCOMPARE(form.Velocity->text(), QStringLiteral("4.39141"));  // twice the speed
        form.Energy->setText(QStringLiteral("1.0"));
        QCOMPARE(form.Velocity->text(), QStringLiteral("2.19570"));
        QCOMPARE(form.timestep->text(), QStringLiteral("0.04554"));
        form.Mass->setText(QStringLiteral("abc"));
        QCOMPARE(form.Velocity->text(), QStringLiteral("0.0"));
        QCOMPARE(form.timestep->text(), QStringLiteral("?"));
        QVERIFY(sink_.entries().empty());
    }
};

QTEST_MAIN(CalculatorWindowsTest)
#include "CalculatorWindowsTest.moc"
