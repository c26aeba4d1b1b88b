#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "FltCombo.h"
#include "FltEdit.h"
#include "SinkTestCase.h"

using namespace halvern;
using Kind = RecordingSink::Kind;

namespace {

const std::string kTimeStepMessage =
    "Input value must be number in range:\r\rMinimum:   1.00E-0019\rMaximum:  1.00E-0012\r";
const std::string kIntEditMessage =
    "Input value must be integer in range:\r\rMinimum:            1\rMaximum:      100000\r";
const std::string kIntComboMessage =
    "Input value must be integer in range:\r\rMinimum:  1\rMaximum: 100000\r";

// A dialog with two numeric edits and a push button, shown and active.
struct EditsDialog {
    QDialog dialog;
    TFloatEdit* step = new TFloatEdit;
    TIntegerEdit* period = new TIntegerEdit;
    QPushButton* button = new QPushButton(QStringLiteral("Run"));
    int clicks = 0;

    EditsDialog() {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(step);
        layout->addWidget(period);
        layout->addWidget(button);
        step->setMinValue(1e-19L);
        step->setMaxValue(1e-12L);
        step->setText(QStringLiteral("1e-15"));
        period->setMinValue(1);
        period->setMaxValue(100000);
        period->setText(QStringLiteral("10"));
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });
    }

    bool showActive() {
        dialog.show();
        if (!QTest::qWaitForWindowActive(&dialog)) return false;
        step->setFocus(Qt::OtherFocusReason);
        return step->hasFocus();
    }
};

void SetNumberText(QLineEdit& edit, const QString& text) {
    edit.setText(text);
}
void SetNumberText(QComboBox& combo, const QString& text) {
    combo.setEditText(text);
}

}  // namespace

class NumericControlsTest : public SinkTestCase {
    Q_OBJECT

  private slots:
    void rangeMessagesOfTheFourControls() {
        TFloatEdit floatEdit;
        floatEdit.setMinValue(1e-19L);
        floatEdit.setMaxValue(1e-12L);
        TIntegerEdit intEdit;
        TIntegerComboBox intCombo;
        for (IntRangeControl* c : std::initializer_list<IntRangeControl*>{&intEdit, &intCombo}) {
            c->setMinValue(1);
            c->setMaxValue(100000);
        }
        TFloatComboBox floatCombo;
        floatCombo.setMaxValue(100);

        QVERIFY(!floatEdit.validate());
        QVERIFY(!intEdit.validate());
        QVERIFY(!intCombo.validate());
        QVERIFY(!floatCombo.validate());
        const std::vector<std::string> expected = {
            kTimeStepMessage, kIntEditMessage, kIntComboMessage,
            "Input value must be number in range:\r\rMinimum:   0.00E+0000\rMaximum:  "
            "1.00E+0002\r"};
        QCOMPARE(sink.texts(), expected);
        QCOMPARE(sink.count(Kind::Beep), 4);
        QCOMPARE(sink.count(Kind::Error), 4);
        QCOMPARE(sink.entries().front().kind, Kind::Beep);  // the beep comes before the box
        QCOMPARE(floatEdit.message(), kTimeStepMessage);
        QCOMPARE(intCombo.message(), kIntComboMessage);
    }

    void acceptsAndRefuses_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("minValue");
        QTest::addColumn<double>("maxValue");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty float") << "float" << 0.0 << 100000.0 << "" << false;
        QTest::newRow("empty int") << "int" << 1.0 << 100000.0 << "" << false;
        QTest::newRow("1e3 float") << "float" << 0.0 << 100000.0 << "1e3" << true;
        QTest::newRow("1e3 float combo") << "floatCombo" << 0.0 << 100000.0 << "1e3" << true;
        QTest::newRow("12.5 int") << "int" << 1.0 << 100000.0 << "12.5" << false;
        QTest::newRow("12.5 int combo") << "intCombo" << 1.0 << 100000.0 << "12.5" << false;
        QTest::newRow("lower bound") << "int" << 1.0 << 100000.0 << "1" << true;
        QTest::newRow("upper bound") << "intCombo" << 1.0 << 100000.0 << "100000" << true;
        QTest::newRow("not ASCII") << "float" << 0.0 << 10.0 << "\u00b2" << false;
    }

    void acceptsAndRefuses() {
        QFETCH(QString, kind);
        if (kind == "float") checkOne<TFloatEdit>();
        if (kind == "floatCombo") checkOne<TFloatComboBox>();
        if (kind == "int") checkOne<TIntegerEdit>();
        if (kind == "intCombo") checkOne<TIntegerComboBox>();
    }

    void tabOutOfBadFieldRefusesOnce() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.step->setText(QStringLiteral("2e-12"));
        QTest::keyClick(d.step, Qt::Key_Tab);
        QCOMPARE(sink.count(Kind::Beep), 1);
        QCOMPARE(sink.texts(), std::vector<std::string>{kTimeStepMessage});
        QVERIFY(d.step->hasFocus());
        QCOMPARE(d.step->text(), QStringLiteral("2e-12"));

        d.step->setText(QStringLiteral("2e-13"));
        QTest::keyClick(d.step, Qt::Key_Tab);
        QVERIFY(d.period->hasFocus());
        QCOMPARE(sink.count(Kind::Error), 1);
    }

    void clickOnTheButtonIsNotDelivered() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.step->setText(QStringLiteral("abc"));
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(sink.count(Kind::Error), 1);
        QCOMPARE(sink.count(Kind::Beep), 1);
        QVERIFY(d.step->hasFocus());
        QCOMPARE(d.clicks, 0);
        QVERIFY(!d.button->isDown());

        // Once the text is good the same click goes through, and the next one as well.
        d.step->setText(QStringLiteral("1e-14"));
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(d.clicks, 1);
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(d.clicks, 2);
        QCOMPARE(sink.count(Kind::Error), 1);
    }

    void twoBadFieldsDoNotPingPong() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.step->setText(QStringLiteral("x"));
        d.period->setText(QStringLiteral("0"));
        QTest::keyClick(d.step, Qt::Key_Tab);
        QCOMPARE(sink.texts(), std::vector<std::string>{kTimeStepMessage});
        QVERIFY(d.step->hasFocus());
        QTest::mouseClick(d.period, Qt::LeftButton);
        QCOMPARE(sink.count(Kind::Error), 2);
        QCOMPARE(sink.count(Kind::Beep), 2);
        QCOMPARE(sink.texts().back(), kTimeStepMessage);
        QVERIFY(d.step->hasFocus());
        QCOMPARE(d.period->message(), std::string());  // the second field never checked
    }

    void windowDeactivationDoesNotCheck() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.step->setText(QStringLiteral("x"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!d.step->hasFocus());
        QCOMPARE(sink.entries().size(), size_t{0});

        // Coming back and leaving within the window checks again.
        d.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
        QVERIFY(d.step->hasFocus());
        QTest::keyClick(d.step, Qt::Key_Tab);
        QCOMPARE(sink.count(Kind::Error), 1);
    }

    void comboOwnListDoesNotCheck() {
        QDialog dialog;
        auto* combo = new TIntegerComboBox(&dialog);
        auto* next = new TIntegerEdit(&dialog);
        next->move(0, 40);
        combo->addItems({QStringLiteral("10"), QStringLiteral("20")});
        combo->setMinValue(1);
        combo->setMaxValue(100000);
        next->setMinValue(0);
        next->setMaxValue(5);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        combo->setFocus();
        combo->setEditText(QStringLiteral("bad"));
        combo->showPopup();
        QTRY_VERIFY(combo->view()->isVisible());
        combo->hidePopup();
        QCOMPARE(sink.entries().size(), size_t{0});
        QCOMPARE(combo->currentText(), QStringLiteral("bad"));
        QTRY_VERIFY(combo->hasFocus());
        QTest::keyClick(combo, Qt::Key_Tab);
        QCOMPARE(sink.texts(), std::vector<std::string>{kIntComboMessage});
        QVERIFY(combo->hasFocus());
    }

    void validateNumericControlsStopsAtTheFirstBad() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.button->setFocus();  // as after a click on the button, before the bad texts
        d.step->setText(QStringLiteral("5"));
        d.period->setText(QStringLiteral("0"));
        QVERIFY(!ValidateNumericControls(&d.dialog));
        QCOMPARE(sink.texts(), std::vector<std::string>{kTimeStepMessage});
        QVERIFY(d.step->hasFocus());

        // In tab order: with the order reversed the integer edit is refused first.
        d.step->setText(QStringLiteral("1e-13"));
        d.button->setFocus();
        d.step->setText(QStringLiteral("5"));
        sink.clear();
        QWidget::setTabOrder(d.period, d.step);
        QWidget::setTabOrder(d.step, d.button);
        QVERIFY(!ValidateNumericControls(&d.dialog));
        QCOMPARE(sink.texts(), std::vector<std::string>{kIntEditMessage});
        QVERIFY(d.period->hasFocus());

        // A disabled control is not the user's to mend and is passed over.
        sink.clear();
        d.step->setText(QStringLiteral("1e-13"));
        d.period->setEnabled(false);
        QVERIFY(ValidateNumericControls(&d.dialog));
        QCOMPARE(sink.entries().size(), size_t{0});
    }

  private:
    template <class Control>
    void checkOne() {
        QFETCH(double, minValue);
        QFETCH(double, maxValue);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        Control control;
        using Bound = decltype(control.MinValue());
        control.setMinValue(static_cast<Bound>(minValue));
        control.setMaxValue(static_cast<Bound>(maxValue));
        SetNumberText(control, text);
        QCOMPARE(control.validate(), accepted);
        QCOMPARE(sink.count(Kind::Error), accepted ? 0 : 1);
        QCOMPARE(sink.count(Kind::Beep), accepted ? 0 : 1);
        QCOMPARE(NumberTextOf(control), text);  // never reformatted or corrected
    }
};

int RunNumericControlsTests(int argc, char** argv) {
    NumericControlsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "NumericControlsTest.moc"
