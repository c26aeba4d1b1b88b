// Runs every test class of the window layer in one application.
#include <QApplication>

int RunNumericControlsTests(int argc, char** argv);
int RunParseErrorDialogTests(int argc, char** argv);
int RunHelpWindowTests(int argc, char** argv);
int RunUiHelpersTests(int argc, char** argv);
int RunRichEditTests(int argc, char** argv);
int RunEditorWindowTests(int argc, char** argv);
int RunScatterFormTests(int argc, char** argv);
int RunContextHelpTests(int argc, char** argv);
int RunLargeTextViewTests(int argc, char** argv);
int RunScreenPlacementTests(int argc, char** argv);
int RunWindowStackingTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (auto* run :
         {RunNumericControlsTests, RunParseErrorDialogTests, RunHelpWindowTests, RunUiHelpersTests,
          RunRichEditTests, RunEditorWindowTests, RunScatterFormTests, RunContextHelpTests,
          RunLargeTextViewTests, RunScreenPlacementTests, RunWindowStackingTests})
        failures += run(argc, argv);
    return failures == 0 ? 0 : 1;
}
