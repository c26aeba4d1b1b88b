// The scattering-relations window and the line chart on the offscreen platform.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "LineChart.h"
#include "ScatterForm.h"
#include "Screenshot.h"
#include "SinkTestCase.h"

using namespace halvern;

class ScatterFormTest : public SinkTestCase {
    Q_OBJECT

  private:
    static QStringList Results(const TScatterForm& f) {
        return {f.Edit2->text(), f.Edit3->text(), f.Edit1->text(), f.Edit4->text(),
                f.Edit5->text(), f.Edit6->text(), f.Edit7->text()};
    }

  private slots:
    void showingEvaluatesTheDefaults() {
        TScatterForm form("velkor");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Scattering Relations"));
        QCOMPARE(Results(form), (QStringList{"93.6113052", "<None>", "43.1943474", "0.88148977",
                                             "<None>", "0.11851022", "<None>"}));
        QCOMPARE(form.ComboBox1->count(), 6);
        QCOMPARE(form.ComboBox2->itemText(2), QStringLiteral("63.546"));
        QVERIFY(sink.entries().empty());
        SaveWindowScreenshot(&form, QStringLiteral("scattering-relations.png"));
    }

    void evaluateShowsBothSolutionsOfAHeavyProjectile() {
        TScatterForm form("brisal");
        form.ComboBox1->setEditText(QStringLiteral("39.948"));
        form.ComboBox2->setEditText(QStringLiteral("12.011"));
        form.FloatEdit1->setText(QStringLiteral("10"));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        for (QLineEdit* edit :
             {form.Edit2, form.Edit3, form.Edit4, form.Edit5, form.Edit6, form.Edit7})
            QVERIFY2(!edit->text().isEmpty() && !edit->text().startsWith('<'),
                     qPrintable(edit->objectName()));
        QVERIFY(form.Edit2->text() != form.Edit3->text());
    }

    void anImpossibleAngleKeepsTheResults() {
        TScatterForm form("velkor");
        form.ComboBox1->setEditText(QStringLiteral("1"));
        form.ComboBox2->setEditText(QStringLiteral("1"));
        form.FloatEdit1->setText(QStringLiteral("45"));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(Results(form),
                 (QStringList{"90", "<None>", "45", "0.5", "<None>", "0.5", "<None>"}));
        form.FloatEdit1->setText(QStringLiteral("120"));
        QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
        QCOMPARE(sink.texts(), std::vector<std::string>{
                                   "Lab theta is not possible (too large) for this M1/M2 ratio. "});
        QCOMPARE(form.Edit2->text(), QStringLiteral("90"));
    }

    void aBadMassComesBackWithABeep() {
        TScatterForm form("velkor");
        form.ComboBox2->setEditText(QStringLiteral("abc"));
        form.Evaluate();
        QCOMPARE(form.ComboBox2->currentText(), QStringLiteral("63.546"));
        QCOMPARE(sink.count(RecordingSink::Kind::Beep), 1);
    }

    void theChartZoomsIntoADraggedRectangle() {
        LineChart chart;
        chart.resize(460, 300);
        chart.setBottomAxis({QStringLiteral("Distance, r  [A]"), 0.05, 2}, 0.2, 1.0);
        chart.setLeftAxis({QStringLiteral("V(r) [keV]"), 0.1, 1});
        std::vector<ChartPoint> line;
        for (int j = 40; j <= 160; ++j) line.push_back({40.0 / j, 1.0 * j});
        chart.setSeries({{QStringLiteral("ZBL"), Qt::red, line}});
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QCOMPARE(chart.range().yMin, 40.0);
        QCOMPARE(chart.range().yMax, 160.0);
        const ChartArea area = chart.plotArea();
        const QPoint from(int(area.left + area.width / 4), int(area.top + area.height / 4));
        const QPoint to(int(area.left + area.width / 2), int(area.top + area.height / 2));
        QTest::mousePress(&chart, Qt::LeftButton, {}, from);
        QTest::mouseMove(&chart, to);
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, to);
        QVERIFY(chart.zoomed());
        QVERIFY(chart.range().xMin > 0.35 && chart.range().xMax < 0.65);
        QVERIFY(chart.range().yMin > 95 && chart.range().yMax < 135);
        QTest::mousePress(&chart, Qt::LeftButton, {}, to);
        QTest::mouseRelease(&chart, Qt::LeftButton, {}, from);  // to the left: back
        QVERIFY(!chart.zoomed());
        QCOMPARE(chart.range().xMin, 0.2);
    }
};

int RunScatterFormTests(int argc, char** argv) {
    ScatterFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScatterFormTest.moc"
