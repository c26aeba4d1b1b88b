// brisal22: the analysis program of the Halvern Kit.
#include <QApplication>
#include <string>
#include <vector>

#include "BrisalWindows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brisal::PrepareApplication();
    // The program ends with its main window, whatever other window is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1))
        arguments.push_back(argument.toStdString());
    brisal::BrisalWindows windows = brisal::CreateBrisalWindows(arguments);
    QObject::connect(windows.main.get(), &brisal::TMainForm::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    windows.main->show();
    return QApplication::exec();
}
