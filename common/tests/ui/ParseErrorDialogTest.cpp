#include <QDialog>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ParseErrorDialog.h"

using namespace halvern;

class ParseErrorDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void mulDivRoundsToNearest() {
        QCOMPARE(MulDiv(50, 7, 4), 88);    // 87.5
        QCOMPARE(MulDiv(41, 13, 8), 67);   // 66.625
        QCOMPARE(MulDiv(63, 13, 8), 102);  // 102.375
        QCOMPARE(MulDiv(-5, 3, 2), -8);    // halves away from zero
        QCOMPARE(MulDiv(1, 1, 0), -1);
        QCOMPARE(MulDiv(100000, 100000, 100000), 100000);  // no overflow in the product
    }

    // The dialog's formulas on two fonts; wider or taller contents grow the dialog instead of
    // being cut off.
    void layout() {
        struct Case {
            CharSize chars;
            int labelWidth, labelHeight;
            int clientWidth, clientHeight, labelLeft, labelTop;
            PixelRect button;
        };
        const Case cases[] = {{{7, 16}, 300, 60, 500, 126, 14, 16, {400, 82, 88, 28}},
                              {{6, 13}, 300, 52, 500, 102, 12, 13, {400, 67, 75, 23}},
                              {{7, 16}, 600, 60, 628, 126, 14, 16, {528, 82, 88, 28}},
                              {{7, 16}, 300, 80, 500, 140, 14, 16, {400, 96, 88, 28}},
                              {{10, 16}, 300, 60, 525, 126, 20, 16, {400, 82, 125, 28}}};
        for (const Case& c : cases) {
            const ParseErrorLayout l = LayOutParseError(c.chars, c.labelWidth, c.labelHeight);
            QCOMPARE(l.clientWidth, c.clientWidth);
            QCOMPARE(l.clientHeight, c.clientHeight);
            QCOMPARE(l.labelLeft, c.labelLeft);
            QCOMPARE(l.labelTop, c.labelTop);
            QVERIFY(l.button == c.button);
        }
    }

    void dialogShowsTheReportInAFixedPitchFont() {
        const std::string text = "Error type: syntax error\rKE + * 2\r     ^\r(near char. #6).";
        auto dialog = MakeParseErrorDialog("Error parsing expression", text);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Error parsing expression"));
        QVERIFY(QFontInfo(dialog->font()).fixedPitch());
        auto* label = dialog->findChild<QLabel*>();
        auto* ok = dialog->findChild<QPushButton*>();
        QVERIFY(label && ok);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(),
                 QStringLiteral("Error type: syntax error\nKE + * 2\n     ^\n(near char. #6)."));
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());

        const CharSize chars = AverageCharSize(QFontMetrics(dialog->font()));
        const ParseErrorLayout expected = LayOutParseError(chars, label->width(), label->height());
        QCOMPARE(dialog->size(), QSize(expected.clientWidth, expected.clientHeight));
        QCOMPARE(ok->geometry(), QRect(expected.button.left, expected.button.top,
                                       expected.button.width, expected.button.height));
        QCOMPARE(label->pos(), QPoint(expected.labelLeft, expected.labelTop));
        // The four lines fit above the button.
        QVERIFY(label->geometry().bottom() < ok->geometry().top());

        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        if (const QByteArray dir = qgetenv("HALVERN_SCREENSHOT_DIR"); !dir.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(dir));
            dialog->grab().save(QString::fromLocal8Bit(dir) + "/parse-error-dialog.png");
        }
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
    }
};

int RunParseErrorDialogTests(int argc, char** argv) {
    ParseErrorDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ParseErrorDialogTest.moc"
