// The two Genius dialogs: the Expression Genius puts its expression into the calling dialog's
// first box, the Filter Genius builds a logical expression term by term.
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "CollForm.h"
#include "FilterForm.h"
#include "FltEdit.h"
#include "FunctionsForms.h"
#include "Genius2Form.h"
#include "SpecForm.h"
#include "UiTestSupport.h"

using namespace brisal;
using namespace brisal_test;

namespace {

std::function<void(QDialog&)> ChooseItem(int index) {
    return [index](QDialog& d) {
        ClickItem(d, "RadioGroup1", index);
        Click(d, "BitBtn1");
    };
}

}  // namespace

class GeniusTest : public UiTestCase {
    Q_OBJECT

  private Q_SLOTS:
    void expressionGeniusInsertsItsTerms() {
        BrisalWindows w = startProgram();
        const TProcessForms& f = w.main->forms();
        ModalScripts modal;
        modal.add(ChooseItem(14));
        f.spectrum->BitBtn4Click();
        QCOMPARE(Text(*f.spectrum, "VarBox"), QStringLiteral("rw { particle index }"));

        modal.add(ChooseItem(1));
        f.formatCol->BitBtn4Click();
        QCOMPARE(Text(*f.formatCol, "ComboBox0"),
                 QStringLiteral("sqrt(vx*vx+vy*vy+vz*vz) { particle speed, in m/s }"));
        QCOMPARE(Text(*f.formatCol, "ComboBox1"), QString());

        // Cancel keeps the expression.
        modal.add([](QDialog& d) {
            ClickItem(d, "RadioGroup1", 7);
            Click(d, "BitBtn2");
        });
        f.coll->BitBtn4Click();
        QCOMPARE(Text(*f.coll, "VarBox"), QStringLiteral("ke/ep { particle KE, in eV }"));
        QCOMPARE(modal.shown,
                 QStringList({"Expression Genius", "Expression Genius", "Expression Genius"}));
    }

    void filterGeniusBuildsALogicalExpression() {
        BrisalWindows w = startProgram();
        TGenius2Form& g = *w.main->forms().genius2;
        QVERIFY(!g.OkBtn->isEnabled());
        QVERIFY(!g.LogicBtn->isEnabled());
        QVERIFY(!g.IntegerEdit1->isEnabled());

        ModalScripts modal;
        modal.add([&](QDialog& d) {
            ClickItem(d, "ParamGroup", 0);
            ClickItem(d, "RelationGroup", 2);
            SetText(d, "FloatEdit1", QStringLiteral("20"));
            Click(d, "BitBtn1");
            ClickItem(d, "LogicGroup", 0);
            Click(d, "LogicBtn");
            ClickItem(d, "ParamGroup", 9);  // particle index: the integer test value
            QVERIFY(g.IntegerEdit1->isEnabled());
            QVERIFY(!g.FloatEdit1->isEnabled());
            ClickItem(d, "RelationGroup", 0);
            SetText(d, "IntegerEdit1", QStringLiteral("0"));
            Click(d, "BitBtn1");
            QCOMPARE(Text(d, "Result1"), QStringLiteral("[ke/ep > 20.0] & [rw = 0] "));
            Click(d, "OkBtn");
        });
        w.main->forms().filter->BitBtn4Click();
        QCOMPARE(Text(*w.main->forms().filter, "VarBox"),
                 QStringLiteral("[ke/ep > 20.0] & [rw = 0] "));
        QVERIFY(sink.entries().empty());
    }

    void filterGeniusClearsAndRefusesABadTestValue() {
        BrisalWindows w = startProgram();
        TGenius2Form& g = *w.main->forms().genius2;
        g.show();
        SetText(g, "FloatEdit1", QStringLiteral("1e3"));
        Click(g, "BitBtn1");
        QCOMPARE(g.Result1->text(), QStringLiteral("[ke/ep = 1e3] "));
        QVERIFY(g.OkBtn->isEnabled());

        SetText(g, "FloatEdit1", QStringLiteral("fast"));
        Click(g, "BitBtn1");
        QCOMPARE(g.Result1->text(), QStringLiteral("[ke/ep = 1e3] "));
        QCOMPARE(sink.texts().size(), size_t{1});

        Click(g, "BitBtn2");
        QCOMPARE(g.Result1->text(), QString());
        QVERIFY(!g.OkBtn->isEnabled());
        QVERIFY(!g.LogicBtn->isEnabled());
        g.hide();
    }
};

int RunGeniusTests(int argc, char** argv) {
    GeniusTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "GeniusTest.moc"
