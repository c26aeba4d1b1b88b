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
using Texts = std::vector<std::string>;

namespace {

const std::string kTimeStepMessage =
    "Input value must be number in range:\r\rMinimum:   1.00E-0019\rMaximum:  1.00E-0012\r";
const std::string kIntEditMessage =
    "Input value must be integer in range:\r\rMinimum:            1\rMaximum:      100000\r";
const std::string kIntComboMessage =
    "Input value must be integer in range:\r\rMinimum:  1\rMaximum: 100000\r";

// A dialog with a time-step edit (1e-19..1e-12), a period edit (1..100000) and a push button.
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

    // Shown, active, the focus in the time-step edit.
    bool showActive() {
        dialog.show();
        if (!QTest::qWaitForWindowActive(&dialog)) return false;
        step->setFocus(Qt::OtherFocusReason);
        return step->hasFocus();
    }
};

}  // namespace

class NumericControlsTest : public SinkTestCase {
    Q_OBJECT

  private slots:
    // Each control refuses with its own message (the beep before the box) and accepts a text
    // of its own kind within the bounds; no text is ever rewritten.
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

        QVERIFY(!floatEdit.validate() && !intEdit.validate());  // empty texts
        QVERIFY(!intCombo.validate() && !floatCombo.validate());
        QCOMPARE(sink.texts(), Texts({kTimeStepMessage, kIntEditMessage, kIntComboMessage,
                                      "Input value must be number in range:\r\rMinimum:   "
                                      "0.00E+0000\rMaximum:  1.00E+0002\r"}));
        QCOMPARE(sink.count(Kind::Beep), 4);
        QCOMPARE(sink.count(Kind::Error), 4);
        QCOMPARE(sink.entries().front().kind, Kind::Beep);
        QCOMPARE(intCombo.message(), kIntComboMessage);

        sink.clear();
        floatEdit.setText(QStringLiteral("1e-13"));
        floatCombo.setEditText(QStringLiteral("1e2"));
        intEdit.setText(QStringLiteral("100000"));
        intCombo.setEditText(QStringLiteral("1"));
        QVERIFY(floatEdit.validate() && floatCombo.validate());
        QVERIFY(intEdit.validate() && intCombo.validate());
        QCOMPARE(sink.entries().size(), size_t{0});
        intEdit.setText(QStringLiteral("12.5"));
        intCombo.setEditText(QStringLiteral("12.5"));
        floatEdit.setText(QStringLiteral("\u00b2"));
        QVERIFY(!intEdit.validate() && !intCombo.validate() && !floatEdit.validate());
        QCOMPARE(sink.count(Kind::Error), 3);
        QCOMPARE(intEdit.text(), QStringLiteral("12.5"));
        QCOMPARE(intCombo.currentText(), QStringLiteral("12.5"));
    }

    // Tabbing out of a bad field beeps once, shows one box and puts the focus back; a click on
    // the button is not delivered while the field is bad, and goes through once it is good.
    void leavingABadFieldRefusesOnce() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.step->setText(QStringLiteral("2e-12"));
        QTest::keyClick(d.step, Qt::Key_Tab);
        QCOMPARE(sink.count(Kind::Beep), 1);
        QCOMPARE(sink.texts(), Texts{kTimeStepMessage});
        QVERIFY(d.step->hasFocus());
        QCOMPARE(d.step->text(), QStringLiteral("2e-12"));

        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(sink.count(Kind::Beep), 2);
        QCOMPARE(sink.count(Kind::Error), 2);
        QVERIFY(d.step->hasFocus());
        QCOMPARE(d.clicks, 0);
        QVERIFY(!d.button->isDown());

        d.step->setText(QStringLiteral("1e-14"));
        QTest::mouseClick(d.button, Qt::LeftButton);
        QTest::mouseClick(d.button, Qt::LeftButton);
        QCOMPARE(d.clicks, 2);
        QCOMPARE(sink.count(Kind::Error), 2);
    }

    void twoBadFieldsDoNotPingPong() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.step->setText(QStringLiteral("x"));
        d.period->setText(QStringLiteral("0"));
        QTest::keyClick(d.step, Qt::Key_Tab);
        QTest::mouseClick(d.period, Qt::LeftButton);
        QCOMPARE(sink.texts(), Texts(2, kTimeStepMessage));
        QCOMPARE(sink.count(Kind::Beep), 2);
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
        QCOMPARE(sink.texts(), Texts{kIntComboMessage});
        QVERIFY(combo->hasFocus());
    }

    // Enter on a default button moves no focus: the dialog validates its controls in tab order,
    // stops at the first bad one and passes over disabled ones.
    void validateNumericControlsStopsAtTheFirstBad() {
        EditsDialog d;
        QVERIFY(d.showActive());
        d.button->setFocus();
        d.step->setText(QStringLiteral("5"));
        d.period->setText(QStringLiteral("0"));
        QVERIFY(!ValidateNumericControls(&d.dialog));
        QCOMPARE(sink.texts(), Texts{kTimeStepMessage});
        QVERIFY(d.step->hasFocus());

        d.step->setText(QStringLiteral("1e-13"));  // so that the focus may leave it
        d.button->setFocus();
        d.step->setText(QStringLiteral("5"));
        sink.clear();
        QWidget::setTabOrder(d.period, d.step);
        QWidget::setTabOrder(d.step, d.button);
        QVERIFY(!ValidateNumericControls(&d.dialog));
        QCOMPARE(sink.texts(), Texts{kIntEditMessage});
        QVERIFY(d.period->hasFocus());

        sink.clear();
        d.step->setText(QStringLiteral("1e-13"));
        d.period->setEnabled(false);
        QVERIFY(ValidateNumericControls(&d.dialog));
        QCOMPARE(sink.entries().size(), size_t{0});
    }
};

int RunNumericControlsTests(int argc, char** argv) {
    NumericControlsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "NumericControlsTest.moc"
