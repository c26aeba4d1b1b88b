// brisal22: the analysis program of the Halvern Kit.
#include <QApplication>
#include <string>
#include <vector>

#include "BrisalWindows.h"
#include "ProgramEnd.h"
#include "ScreenPlacement.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brisal::PrepareApplication();
    halvern::KeepWindowsOnScreen();

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    brisal::BrisalWindows windows = brisal::CreateBrisalWindows(arguments);
    halvern::EndProgramWithMainWindow(windows.main.get());
    brisal::ShowBrisalWindows(windows);
    return QApplication::exec();
}
