// Runs every window test class of the analysis program in one application.
#include <QApplication>

#include "BrisalWindows.h"

int RunStartupTests(int argc, char** argv);
int RunProcessDialogsTests(int argc, char** argv);
int RunGeniusTests(int argc, char** argv);
int RunMainWindowTests(int argc, char** argv);
int RunGrapherTests(int argc, char** argv);
int RunPlotterWindowTests(int argc, char** argv);
int RunEditorHostingTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    brisal::PrepareApplication();
    int failures = 0;
    for (auto* run : {RunStartupTests, RunProcessDialogsTests, RunGeniusTests, RunMainWindowTests,
                      RunGrapherTests, RunPlotterWindowTests, RunEditorHostingTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
