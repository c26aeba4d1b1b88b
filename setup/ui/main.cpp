// velkor22: the set-up program of the Halvern Kit.
#include <QApplication>
#include <clocale>

#include "MainForm.h"
#include "ProgramEnd.h"
#include "ProgramIcon.h"
#include "ScreenPlacement.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Number texts never depend on the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("velkor22"));
    QApplication::setWindowIcon(velkor::ProgramIcon());
    halvern::KeepWindowsOnScreen();

    velkor::TMainForm mainForm;
    halvern::EndProgramWithMainWindow(&mainForm);
    mainForm.show();
    return QApplication::exec();
}
