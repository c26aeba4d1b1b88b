#include "HelpWindow.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUrl>

#include "DisplayText.h"
#include "FileSafety.h"
#include "UiSink.h"
#include "WindowStacking.h"
#include "miscutil.h"

namespace halvern {

namespace {

std::string ContextPageFile(const std::string& helpRoot, const std::string& program,
                            int contextNumber) {
    return helpRoot + program + "/" + std::to_string(contextNumber) + ".html";
}

}  // namespace

std::string HelpPageFile(const std::string& helpRoot, const std::string& program,
                         int contextNumber) {
    const std::string page = ContextPageFile(helpRoot, program, contextNumber);
    if (FileExists(page)) return page;
    const std::string index = helpRoot + program + "/index.html";
    if (FileExists(index)) return index;
    return {};
}

HelpWindow::HelpWindow(QWidget* parent) : QTextBrowser(parent) {
    setWindowTitle(QStringLiteral("Help"));
    setOpenExternalLinks(true);
    resize(640, 520);
    connect(this, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Help") : title);
    });
}

bool HelpWindow::showContext(const std::string& helpRoot, const std::string& program,
                             int contextNumber) {
    const std::string page = HelpPageFile(helpRoot, program, contextNumber);
    if (page.empty()) {
        UiSink().info("Cannot find help page: " +
                      ContextPageFile(helpRoot, program, contextNumber));
        return false;
    }
    setSource(QUrl::fromLocalFile(DecodeText(page)));
    return true;
}

namespace {

QPointer<HelpWindow>& TheHelpWindow() {
    static QPointer<HelpWindow> window;
    return window;
}

}  // namespace

HelpWindow* ProgramHelpWindow() {
    return TheHelpWindow().data();
}

void ShowHelp(const std::string& program, int contextNumber) {
    QPointer<HelpWindow>& window = TheHelpWindow();
    if (window.isNull()) {
        window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        // The program ends with its main window, never with this one.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, &QObject::deleteLater);
    }
    if (!window->showContext(ProgramDirFile("help/"), program, contextNumber)) return;
    PresentWindow(window);
}

}  // namespace halvern
