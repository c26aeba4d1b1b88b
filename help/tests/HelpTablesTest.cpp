// Every help context of the three programs: each row of a program's table has its own page, and
// every context a window, control or menu command carries is a row of its program's table.
#include <QAction>
#include <QApplication>
#include <QWidget>
#include <QtTest>
#include <clocale>
#include <filesystem>
#include <set>

#include "ContextHelp.h"
#include "MessageSink.h"
#include "UiSink.h"
#include "analysis/ui/BrisalWindows.h"
#include "analysis/ui/HelpContexts.h"
#include "engine/ui/EngineHelp.h"
#include "engine/ui/EngineWindows.h"
#include "miscutil.h"
#include "setup/ui/HelpContexts.h"
#include "setup/ui/MainForm.h"

using halvern::HelpTable;

namespace {

std::set<int> Numbers(const HelpTable& table) {
    std::set<int> numbers;
    for (const halvern::HelpContextRow& row : table.contexts) numbers.insert(row.number);
    return numbers;
}

// The contexts carried by a main window, the windows it owns, their controls and commands.
std::set<int> ContextsInUse(const QWidget& main) {
    std::set<int> used;
    auto take = [&used](const QObject* object) {
        if (const int context = halvern::OwnHelpContext(object)) used.insert(context);
    };
    take(&main);
    for (const QObject* child : main.findChildren<QObject*>()) take(child);
    return used;
}

void CheckWindowsAgainstTable(const QWidget& main, const HelpTable& table) {
    const std::set<int> listed = Numbers(table);
    for (const int context : ContextsInUse(main))
        QVERIFY2(listed.count(context) == 1,
                 qPrintable(QStringLiteral("%1: context %2 is not in the table")
                                .arg(QString::fromLatin1(table.program))
                                .arg(context)));
}

}  // namespace

class HelpTablesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { halvern::SetUiSink(&sink_); }
    void cleanup() { halvern::SetUiSink(nullptr); }

    void everyRowHasItsOwnPage() {
        for (const HelpTable& table :
             {halvern::kEngineHelp, velkor::kHelpTable, brisal::kHelpTable}) {
            QVERIFY(!table.contexts.empty());
            QCOMPARE(Numbers(table).size(), table.contexts.size());  // no number twice
            for (const halvern::HelpContextRow& row : table.contexts) {
                const std::string page = std::string(HALVERN_HELP_SOURCE_DIR) + table.program +
                                         "/" + std::to_string(row.number) + ".html";
                QVERIFY2(std::filesystem::is_regular_file(page), page.c_str());
            }
        }
    }

    void engineWindowsUseTheirTable() {
        halvern::TEngineSession session;
        auto main = halvern::CreateEngineWindows(session, halvern::ProgramDir());
        CheckWindowsAgainstTable(*main, halvern::kEngineHelp);
        QVERIFY(ContextsInUse(*main).count(halvern::kGraphHighlightHelp) == 1);
    }

    void setupWindowsUseTheirTable() {
        velkor::TMainForm main;
        CheckWindowsAgainstTable(main, velkor::kHelpTable);
        QVERIFY(ContextsInUse(main).count(velkor::kTwoSpeciesDialogHelp) == 1);
    }

    void analysisWindowsUseTheirTable() {
        brisal::BrisalWindows windows = brisal::CreateBrisalWindows({});
        CheckWindowsAgainstTable(*windows.main, brisal::kHelpTable);
        QVERIFY(ContextsInUse(*windows.main).count(brisal::kGrapherHelp) == 1);
    }

  private:
    halvern::RecordingSink sink_;
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    HelpTablesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HelpTablesTest.moc"
