// The log's commands: saved as rich or plain text by the name's extension, loaded back, printed
// to a PDF file, files that cannot be read or written; its font and page colour.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "ContextHelp.h"
#include "EngineHelp.h"
#include "EngineUiTestSupport.h"
#include "FileSafety.h"
#include "MainForm.h"
#include "QtColours.h"
#include "ScriptedStandardDialogs.h"
#include "richtext/RtfReader.h"

using namespace halvern;
using namespace halvern::uitest;

class LogCommandsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void savedLogLoadsBackByItsExtension();
    void textKeepsEveryCharacterAndLoadingIsNoUndoStep();
    void printingGivesAPdf();
    void linesFollowAFileLoadedAtStart();
    void unreadableFileLeavesTheLog();
    void unwritableFileIsReported();
    void commandsOfTheFileMenu();
    void fontAndPageColour();
};

namespace {

// Lines in colours the core writes, with characters that rich text escapes.
void LogSomeLines(TMainForm& main) {
    main.logLine("Ostrel 2.2", colour::Black);
    main.logLine("  Run count: 1", colour::Magenta);
    main.logLine("caf\xC3\xA9 {braces} \\ back", colour::Red);
    main.logLine("", colour::Blue);
    main.logLine("\tlast", colour::Green);
}

QAction* MenuCommand(TMainForm& main, const QString& text) {
    for (QAction* menu : main.menuBar()->actions())
        for (QAction* a : menu->menu()->actions())
            if (a->text() == text) return a;
    return nullptr;
}

std::string FileBytes(const std::string& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}

}  // namespace

// After a run of the example project the log goes to a file and comes back: rich text keeps
// lines and colours, plain text is the lines ended by CR LF. New lines go below loaded ones.
void LogCommandsTest::savedLogLoadsBackByItsExtension() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    SpecifyExampleProject(bench, main, 2);
    main.SpeedButton1Click();
    const std::vector<LoggedLine> run = LogContents(main.log());
    QVERIFY(FindLogLine(run, QStringLiteral("  Run count: 2")) > 0);
    QVERIFY(std::any_of(run.begin(), run.end(),
                        [](const LoggedLine& l) { return l.colour == ToQColor(colour::Magenta); }));
    LogSomeLines(main);  // and characters that rich text escapes

    const struct {
        const char* name;
        bool rich;
    } cases[] = {{"log.rtf", true},  {"LOG.RTF", true},      {"log.Rtf", true},
                 {"log.txt", false}, {"log.rtf.txt", false}, {"log", false}};
    for (const auto& c : cases) {
        const QByteArray trace = c.name;
        const std::vector<LoggedLine> logged = LogContents(main.log());  // grows by one a case
        QString plain;
        for (const LoggedLine& l : logged) plain += l.text + QStringLiteral("\r\n");
        const std::string path = bench.file(c.name);
        bench.chooser.script({path});
        main.Savelog1Click();
        const std::string bytes = FileBytes(path);
        QVERIFY2(LooksLikeRtf(bytes) == c.rich, trace);
        if (!c.rich) QVERIFY2(bytes == plain.toStdString(), trace);

        main.SpeedButton5->click();
        bench.chooser.script({path});
        main.Loadfileintoeditor1Click();
        const std::vector<LoggedLine> loaded = LogContents(main.log());
        QVERIFY2(loaded.size() == logged.size(), trace);
        for (size_t i = 0; i < logged.size(); ++i) {
            QVERIFY2(loaded[i].text == logged[i].text, trace);
            if (c.rich && !logged[i].text.isEmpty())
                QVERIFY2(loaded[i].colour == logged[i].colour,
                         trace + " " + logged[i].text.toUtf8());
        }
        main.logLine("after loading", colour::Red);
        const std::vector<LoggedLine> more = LogContents(main.log());
        QVERIFY2(more.size() == logged.size() + 1, trace);
        QVERIFY2(more.back().text == QStringLiteral("after loading"), trace);
        QVERIFY2(more.back().colour == ToQColor(colour::Red), trace);
    }
    QCOMPARE(bench.sink.count(RecordingSink::Kind::Error), 0);
}

// Saved as text the log keeps its no-break spaces and line separators; a file loaded into
// the log is no undo step, so Ctrl+Z leaves it.
void LogCommandsTest::textKeepsEveryCharacterAndLoadingIsNoUndoStep() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    main.logLine("E =\xC2\xA0" "1 keV\xE2\x80\xA8" "next", colour::Black);
    main.logLine("", colour::Black);
    const std::string path = bench.file("log.txt");
    bench.chooser.script({path});
    main.Savelog1Click();
    QCOMPARE(FileBytes(path), std::string("E =\xC2\xA0" "1 keV\xE2\x80\xA8" "next\r\n\r\n"));

    for (const char* name : {"loaded.rtf", "loaded.txt"}) {
        const bool rich = std::string(name).ends_with(".rtf");
        const std::string file = bench.write(name, rich ? "{\\rtf1 {\\b kept}\\par line}"
                                                        : "kept\r\nline\r\n");
        bench.chooser.script({file});
        main.Loadfileintoeditor1Click();
        QTest::keyClick(main.log(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY2(main.log()->toPlainText() == QStringLiteral("kept\nline"), name);
    }
    QVERIFY(bench.sink.entries().empty());
}

void LogCommandsTest::printingGivesAPdf() {
    EngineTestBench bench;
    ScriptedStandardDialogs dialogs;
    SetUiStandardDialogs(&dialogs);
    TMainForm& main = bench.start();
    LogSomeLines(main);
    const std::string pdf = bench.file("log.pdf");
    dialogs.pdfFiles = {pdf};
    main.Print1Click();
    const std::string bytes = FileBytes(pdf);
    QVERIFY(bytes.size() > 500);
    QCOMPARE(bytes.substr(0, 5), std::string("%PDF-"));
    // Cancel prints nothing.
    main.Print1Click();
    QVERIFY(bench.sink.entries().empty());
    SetUiStandardDialogs(nullptr);
}

void LogCommandsTest::linesFollowAFileLoadedAtStart() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const struct {
        const char* name;
        std::string bytes;
        int lines;
    } cases[] = {{"two.txt", "first\r\nsecond\r\n", 2},
                 {"two.rtf", "{\\rtf1 first\\par second}", 2},
                 {"empty.txt", "", 0}};
    for (const auto& c : cases) {
        bench.chooser.script({bench.write(c.name, c.bytes)});
        main.Loadfileintoeditor1Click();
        main.logLine("next", colour::Blue);
        const std::vector<LoggedLine> log = LogContents(main.log());
        QVERIFY2(log.size() == size_t(c.lines + 1), c.name);
        QVERIFY2(log.back().text == QStringLiteral("next"), c.name);
        if (c.lines > 0)
            QVERIFY2(log[size_t(c.lines - 1)].text == QStringLiteral("second"), c.name);
    }
    QVERIFY(bench.sink.entries().empty());
}

// A file that cannot be read, or whose rich text cannot be read, is reported with its name and
// the log keeps its lines; a cancelled dialog does nothing.
void LogCommandsTest::unreadableFileLeavesTheLog() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    LogSomeLines(main);
    const std::vector<LoggedLine> before = LogContents(main.log());
    const std::string tooDeep = "{\\rtf1" + std::string(5000, '{') + "x" + std::string(5000, '}');
    const struct {
        const char* name;
        std::string bytes;  // empty: no such file
    } cases[] = {{"missing.rtf", {}}, {"deep.rtf", tooDeep}, {"no such folder/log.txt", {}}};
    for (const auto& c : cases) {
        bench.sink.clear();
        const std::string path =
            c.bytes.empty() ? bench.file(c.name) : bench.write(c.name, c.bytes);
        bench.chooser.script({path});
        main.Loadfileintoeditor1Click();
        QVERIFY2(bench.sink.count(RecordingSink::Kind::Error) == 1, c.name);
        QVERIFY2(bench.sink.texts().front().find(path) != std::string::npos, c.name);
        const std::vector<LoggedLine> after = LogContents(main.log());
        QVERIFY2(after.size() == before.size(), c.name);
        for (size_t i = 0; i < before.size(); ++i)
            QVERIFY2(after[i].text == before[i].text && after[i].colour == before[i].colour,
                     c.name);
    }
    bench.sink.clear();
    main.Loadfileintoeditor1Click();  // Cancel
    QVERIFY(bench.sink.entries().empty());
    QCOMPARE(LogContents(main.log()).size(), before.size());
}

void LogCommandsTest::unwritableFileIsReported() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    LogSomeLines(main);
    for (const char* name : {"no such folder/log.rtf", "no such folder/log.txt"}) {
        bench.sink.clear();
        const std::string path = bench.file(name);
        bench.chooser.script({path});
        main.Savelog1Click();
        QVERIFY2(bench.sink.count(RecordingSink::Kind::Error) == 1, name);
        QVERIFY2(bench.sink.texts().front().find(path) != std::string::npos, name);
        QVERIFY2(!FileExists(path), name);
    }
    QCOMPARE(bench.chooser.asked.front().title, std::string("Save File to Disk"));
}

// The three file commands work and show their help pages; objects cannot be inserted.
void LogCommandsTest::commandsOfTheFileMenu() {
    EngineTestBench bench;
    TMainForm& main = bench.start();
    const struct {
        const char* text;
        int help;
    } commands[] = {{"S&ave editor to file", kSaveLogHelp},
                    {"&Load file into editor", kLoadLogHelp},
                    {"&Print log", kPrintLogHelp}};
    for (const auto& c : commands) {
        const QAction* command = MenuCommand(main, QString::fromLatin1(c.text));
        QVERIFY2(command && command->isEnabled(), c.text);
        QVERIFY2(OwnHelpContext(command) == c.help, c.text);
    }
    const QAction* insert = MenuCommand(main, QStringLiteral("&Insert OLE object"));
    QVERIFY(insert && !insert->isEnabled());
}

// The font dialog is preset with the log's font and text colour and gives both back; Cancel in
// either dialog changes nothing.
void LogCommandsTest::fontAndPageColour() {
    EngineTestBench bench;
    ScriptedStandardDialogs dialogs;
    SetUiStandardDialogs(&dialogs);
    TMainForm& main = bench.start();
    QAction* font = MenuCommand(main, QStringLiteral("&Font"));
    QAction* page = MenuCommand(main, QStringLiteral("&Page colour"));
    QVERIFY(font && page);
    const QFont before = main.log()->font();
    font->trigger();  // Cancel
    page->trigger();
    QCOMPARE(dialogs.offeredFont.font, before);
    QCOMPARE(main.log()->font(), before);
    const QColor base = main.log()->palette().color(QPalette::Base);

    QFont bigger = before;
    bigger.setPointSize(16);
    dialogs.fonts = {FontChoice{bigger, QColor(Qt::darkGreen)}};
    dialogs.colours = {QColor(Qt::yellow)};
    font->trigger();
    page->trigger();
    QCOMPARE(main.log()->font().pointSize(), 16);
    QCOMPARE(main.log()->palette().color(QPalette::Text), QColor(Qt::darkGreen));
    QCOMPARE(main.log()->palette().color(QPalette::Base), QColor(Qt::yellow));
    QVERIFY(base != QColor(Qt::yellow));
    font->trigger();  // offered again with its colour
    QCOMPARE(dialogs.offeredFont.colour, QColor(Qt::darkGreen));
    SetUiStandardDialogs(nullptr);
}

int RunLogCommandsTests(int argc, char** argv) {
    LogCommandsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "LogCommandsTest.moc"
