#include <QDialog>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ParseErrorDialog.h"

using namespace halvern;

Q_DECLARE_METATYPE(halvern::PixelRect)

class ParseErrorDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void mulDivRoundsToNearest() {
        QCOMPARE(MulDiv(63, 16, 8), 126);
        QCOMPARE(MulDiv(50, 7, 4), 88);    // 87.5
        QCOMPARE(MulDiv(41, 13, 8), 67);   // 66.625
        QCOMPARE(MulDiv(63, 13, 8), 102);  // 102.375
        QCOMPARE(MulDiv(-5, 3, 2), -8);    // halves away from zero
        QCOMPARE(MulDiv(5, 3, -2), -8);
        QCOMPARE(MulDiv(1, 1, 0), -1);
        QCOMPARE(MulDiv(100000, 100000, 100000), 100000);  // no overflow in the product
    }

    void layout_data() {
        QTest::addColumn<int>("charWidth");
        QTest::addColumn<int>("charHeight");
        QTest::addColumn<int>("labelWidth");
        QTest::addColumn<int>("labelHeight");
        QTest::addColumn<int>("clientWidth");
        QTest::addColumn<int>("clientHeight");
        QTest::addColumn<int>("labelLeft");
        QTest::addColumn<int>("labelTop");
        QTest::addColumn<PixelRect>("button");
        QTest::newRow("7x16") << 7 << 16 << 300 << 60 << 500 << 126 << 14 << 16
                              << PixelRect{400, 82, 88, 28};
        QTest::newRow("6x13") << 6 << 13 << 300 << 52 << 500 << 102 << 12 << 13
                              << PixelRect{400, 67, 75, 23};
        // Wider or taller contents grow the dialog instead of being cut off.
        QTest::newRow("wide label")
            << 7 << 16 << 600 << 60 << 628 << 126 << 14 << 16 << PixelRect{528, 82, 88, 28};
        QTest::newRow("tall label")
            << 7 << 16 << 300 << 80 << 500 << 140 << 14 << 16 << PixelRect{400, 96, 88, 28};
        QTest::newRow("wide font")
            << 10 << 16 << 300 << 60 << 525 << 126 << 20 << 16 << PixelRect{400, 82, 125, 28};
    }

    void layout() {
        QFETCH(int, charWidth);
        QFETCH(int, charHeight);
        QFETCH(int, labelWidth);
        QFETCH(int, labelHeight);
        const ParseErrorLayout l =
            LayOutParseError({charWidth, charHeight}, labelWidth, labelHeight);
        QTEST(l.clientWidth, "clientWidth");
        QTEST(l.clientHeight, "clientHeight");
        QTEST(l.labelLeft, "labelLeft");
        QTEST(l.labelTop, "labelTop");
        QTEST(l.button, "button");
    }

    void dialogShowsTheReportInAFixedPitchFont() {
        const std::string text = "Error type: syntax error\rKE + * 2\r     ^\r(near char. #6).";
        auto dialog = MakeParseErrorDialog("Error parsing expression", text);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Error parsing expression"));
        QVERIFY(QFontInfo(dialog->font()).fixedPitch());
        auto* label = dialog->findChild<QLabel*>();
        QVERIFY(label);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(),
                 QStringLiteral("Error type: syntax error\nKE + * 2\n     ^\n(near char. #6)."));
        auto* ok = dialog->findChild<QPushButton*>();
        QVERIFY(ok);
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
