// Runs every test class of the engine's windows in one application.
#include <QApplication>
#include <clocale>

int RunStartupTests(int argc, char** argv);
int RunFileDialogTests(int argc, char** argv);
int RunOptionsDialogTests(int argc, char** argv);
int RunMainWindowTests(int argc, char** argv);
int RunBatchWindowTests(int argc, char** argv);
int RunGraphWindowTests(int argc, char** argv);
int RunLogCommandsTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    int failures = 0;
    for (auto* run :
         {RunStartupTests, RunFileDialogTests, RunOptionsDialogTests, RunMainWindowTests,
          RunBatchWindowTests, RunGraphWindowTests, RunLogCommandsTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
