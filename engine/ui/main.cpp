// ostrel22: the simulation engine of the Halvern Kit.
#include <QApplication>
#include <QIcon>
#include <clocale>

#include "AboutForm.h"
#include "AtomIcons.h"
#include "EngineWindows.h"
#include "ProgramEnd.h"
#include "ScreenPlacement.h"
#include "miscutil.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Number texts are the kit's own; nothing may depend on the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    app.setApplicationName(QStringLiteral("Ostrel 2.2"));
    app.setWindowIcon(QIcon(halvern::EnginePicture(64)));
    halvern::KeepWindowsOnScreen();

    auto* splash = new halvern::TSplashWin;
    halvern::CentreOnScreen(splash);
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    halvern::TEngineSession session;
    auto main = halvern::CreateEngineWindows(session, halvern::ProgramDir(), splash);
    halvern::CentreOnScreen(main.get());
    halvern::EndProgramWithMainWindow(main.get());
    main->show();
    splash->raise();
    return app.exec();
}
