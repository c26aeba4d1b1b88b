// Runs the tests of the impact dialog and the orientation windows in one application.
#include <QApplication>

int RunImpactDialogTests(int argc, char** argv);
int RunOrientWindowsTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (auto* run : {RunImpactDialogTests, RunOrientWindowsTests}) failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
