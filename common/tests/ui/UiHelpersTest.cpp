#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "DisplayText.h"
#include "FileChooser.h"
#include "GuardedSlot.h"
#include "QtColours.h"
#include "SinkTestCase.h"
#include "UiFonts.h"

using namespace halvern;

class UiHelpersTest : public SinkTestCase {
    Q_OBJECT

  private slots:
    void displayText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CR") << QByteArray("a\rb\r") << QStringLiteral("a\nb\n");
        QTest::newRow("CR LF") << QByteArray("a\r\nb") << QStringLiteral("a\nb");
        QTest::newRow("UTF-8") << QByteArray("5 \xC2\xB5m") << QStringLiteral("5 \u00b5m");
        QTest::newRow("Latin-1") << QByteArray("5 \xB5m") << QStringLiteral("5 \u00b5m");
        QTest::newRow("markup stays text") << QByteArray("<b>x</b>") << QStringLiteral("<b>x</b>");
    }

    void displayText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        QCOMPARE(DisplayText(std::string_view(bytes.constData(), size_t(bytes.size()))), shown);
    }

    // 0x00BBGGRR integers.
    void colours() {
        QCOMPARE(ToQColor(colour::Red), QColor(255, 0, 0));
        QCOMPARE(ToQColor(0x00336699), QColor(0x99, 0x66, 0x33));
        QCOMPARE(ToColourRef(QColor(0x99, 0x66, 0x33)), ColourRef{0x00336699});
    }

    void fontsFallBackByStyle() {
        const QFont fixed = CourierNewFont(8);
        QCOMPARE(fixed.family(), QStringLiteral("Courier New"));
        QCOMPARE(fixed.pointSize(), 8);
        QVERIFY(QFontInfo(fixed).fixedPitch());
        const QFont sans = MsSansSerifFont();
        QCOMPARE(sans.styleHint(), QFont::SansSerif);
        QVERIFY(!QFontInfo(sans).fixedPitch());
        const QFont book = BookAntiquaFont(9);
        QCOMPARE(book.family(), QStringLiteral("Book Antiqua"));
        QCOMPARE(book.styleHint(), QFont::Serif);
        QCOMPARE(book.pointSize(), 9);
    }

    // A save dialog opens on the type of the name it offers: the entry with that extension,
    // case aside, else the entry for any file, else the first.
    void filterIndexFollowsTheNamesExtension_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("own extension") << "UNTITLED.PRJ" << 1;
        QTest::newRow("case aside") << "/data/cu.rtf" << 2;
        QTest::newRow("second pattern of an entry") << "run.bdf" << 2;
        QTest::newRow("unknown extension") << "notes.txt" << 3;
        QTest::newRow("no extension") << "README" << 3;
        QTest::newRow("dot in a folder only") << "/data/v2.1/README" << 3;
    }
    void filterIndexFollowsTheNamesExtension() {
        QFETCH(QString, name);
        QFETCH(int, index);
        const std::string filter =
            "Target file|*.TRG|Projectile file|*.PRJ|Rich text|*.RTF;*.BDF|Any file|*.*";
        QCOMPARE(halvern::FilterIndexFor(filter, name.toStdString()), index);
        QCOMPARE(halvern::FilterIndexFor("Target file|*.TRG", name.toStdString()), 0);
    }

    void guardedSlotShowsTheExceptionAndGoesOn() {
        QPushButton button;
        int after = 0;
        QObject::connect(&button, &QPushButton::clicked,
                         GuardedSlot([] { throw std::runtime_error("Cannot open file: x.prj"); }));
        QObject::connect(&button, &QPushButton::clicked, GuardedSlot([&after] { ++after; }));
        button.click();
        QCOMPARE(sink.texts(), std::vector<std::string>{"Cannot open file: x.prj"});
        QCOMPARE(sink.entries().front().kind, RecordingSink::Kind::Error);
        QCOMPARE(after, 1);
    }
};

int RunUiHelpersTests(int argc, char** argv) {
    UiHelpersTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "UiHelpersTest.moc"
