// Help by context, the default button of dialogs and the end of a program with its main window.
#include <QAction>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "ContextHelp.h"
#include "DialogDefault.h"
#include "ProgramEnd.h"
#include "ProgramLoop.h"
#include "SinkTestCase.h"

using namespace halvern;

namespace {

// A window refusing to close, as an editor with unsaved text whose user answers Cancel.
class StubbornWindow : public QWidget {
  protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

}  // namespace

class ContextHelpTest : public SinkTestCase {
    Q_OBJECT

  private slots:
    // The context is the widget's own, else the nearest up its parents and owning windows; a
    // menu gives its highlighted item's, a tool button its command's.
    void contextOfAWidgetOrMenu() {
        QMainWindow main;
        SetHelpContext(&main, 1);
        auto* dialog = new QDialog(&main);
        SetHelpContext(dialog, 110);
        auto* edit = new QLineEdit(dialog);
        auto* own = new QLineEdit(dialog);
        SetHelpContext(own, 111);
        auto* plain = new QWidget(&main);
        auto* menu = new QMenu(&main);
        QAction* item = menu->addAction(QStringLiteral("item"));
        QAction* bare = menu->addAction(QStringLiteral("bare"));
        SetHelpContext(item, 130);
        SetHelpContext(menu->menuAction(), 200);
        auto* button = new QToolButton(&main);
        button->setDefaultAction(item);
        QWidget orphan;

        const std::pair<const QWidget*, int> cases[] = {{&main, 1},   {dialog, 110}, {edit, 110},
                                                        {own, 111},   {plain, 1},    {button, 130},
                                                        {&orphan, 0}, {nullptr, 0}};
        for (const auto& [widget, context] : cases) QCOMPARE(HelpContextFor(widget), context);

        menu->popup(QPoint(10, 10));
        menu->setActiveAction(item);
        QCOMPARE(HelpContextFor(menu), 130);
        menu->setActiveAction(bare);
        QCOMPARE(HelpContextFor(menu), 200);  // the menu's own
        menu->hide();
        QCOMPARE(OwnHelpContext(bare), 0);
    }

    // After an inner button was used it keeps the focus, but Enter presses OK; also a button
    // added after the dialog was made.
    void enterPressesOkAfterAnInnerButton() {
        QDialog dialog;
        auto* layout = new QVBoxLayout(&dialog);
        auto* ok = new QPushButton(QStringLiteral("OK"));
        auto* browse = new QPushButton(QStringLiteral("Browse"));
        layout->addWidget(browse);
        layout->addWidget(ok);
        KeepOkDefault(&dialog, ok);
        auto* later = new QPushButton(QStringLiteral("Select"));
        layout->addWidget(later);
        int browsed = 0;
        connect(browse, &QPushButton::clicked, [&browsed] { ++browsed; });
        connect(later, &QPushButton::clicked, [&browsed] { ++browsed; });
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        for (QPushButton* inner : {browse, later}) {
            dialog.setResult(QDialog::Rejected);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseClick(inner, Qt::LeftButton);
            inner->setFocus();
            QTest::keyClick(inner, Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(ok->isDefault() && !inner->isDefault());
        }
        QCOMPARE(browsed, 2);
    }

    // A window that refuses to close keeps the program going, with its main window shown again.
    void programGoesOnWhileAWindowRefusesToClose() {
        QWidget main;
        main.show();
        StubbornWindow editor;
        editor.show();
        auto* end = new ProgramEnd(&main);
        QSignalSpy ended(end, &ProgramEnd::ended);
        main.close();
        QTest::qWait(20);
        QCOMPARE(ended.count(), 0);
        QVERIFY(main.isVisible());

        editor.hide();
        QEventLoop loop;
        connect(end, &ProgramEnd::ended, &loop, &QEventLoop::quit);
        QTimer::singleShot(0, &main, &QWidget::close);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!main.isVisible());
    }

    // A main window closed while a message box runs its event loop: the program ends only once
    // the box was answered and its loop has returned, and the box is never closed for it.
    void programEndsOnlyInItsOwnEventLoop() {
        QWidget main;
        main.show();
        ProgramEndWiring wiring(&main);
        bool boxReturned = false;
        bool endedAfterTheBox = false;
        connect(main.findChild<ProgramEnd*>(), &ProgramEnd::ended,
                [&] { endedAfterTheBox = boxReturned; });
        int answer = 0;
        QString asked;
        AnswerNextMessageBox(QMessageBox::Yes, &asked);
        const int code = RunProgramLoop(
            [&] {
                QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"),
                                QStringLiteral("Go on?"), QMessageBox::Yes | QMessageBox::No);
                QTimer::singleShot(0, &main, &QWidget::close);
                answer = box.exec();
                boxReturned = true;
            },
            5000);
        QCOMPARE(code, 0);
        QCOMPARE(answer, int(QMessageBox::Yes));
        QCOMPARE(asked, QStringLiteral("Go on?"));
        QVERIFY(endedAfterTheBox);
    }
};

int RunContextHelpTests(int argc, char** argv) {
    ContextHelpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ContextHelpTest.moc"
