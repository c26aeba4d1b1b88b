#include "OrientCommands.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>
#include <optional>

#include "ContextHelp.h"
#include "DisplayText.h"
#include "FileChooser.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "IOrientForm.h"
#include "ImpForm.h"
#include "InputFileCommands.h"
#include "OrientForm.h"
#include "ShortString.h"
#include "UiSink.h"
#include "WindowCaption.h"
#include "inputfiles/ImpactFile.h"
#include "targets/Version21Converter.h"

namespace velkor {

namespace {

constexpr int kImpactFilterEntry = 3;  // in the open dialog's list, from 0

constexpr const char* kImpactCaption = "Impact specifications: ";
constexpr const char* kUntitledImpact = "UNTITLED.IMP";

}  // namespace

OrientCommands::OrientCommands(QWidget* owner, const std::function<int(QDialog&)>& runModal)
    : ImpForm(new TImpForm(ImpactParams, owner)),
      IOrientForm(new TIOrientForm(owner)),
      OrientForm(new TOrientForm(owner)),
      owner_(owner),
      runModal_(runModal) {}

void OrientCommands::connectCommands(QMainWindow& mainWindow) {
    const struct {
        const char* name;
        void (OrientCommands::*handler)();
        int helpContext;
    } commands[] = {
        {"NewImpact", &OrientCommands::NewImp, kImpactDialogHelp},
        {"OpenImpact", &OrientCommands::OpenImp, kImpactDialogHelp},
        {"ViewImpact1", &OrientCommands::ViewImpact1Click, kImpactOrientHelp},
        {"Viewtarget1", &OrientCommands::Viewtarget1Click, kTargetOrientHelp},
        {"Convert1", &OrientCommands::Convert1Click, kConvertVersion21Help},
    };
    for (const auto& command : commands) {
        QAction* action =
            mainWindow.menuBar()->findChild<QAction*>(QString::fromLatin1(command.name));
        if (action == nullptr) continue;
        QObject::connect(
            action, &QAction::triggered, owner_,
            halvern::GuardedSlot([this, handler = command.handler] { (this->*handler)(); }));
        halvern::SetHelpContext(action, command.helpContext);
        action->setEnabled(true);
    }
}

void OrientCommands::showImpactDialog(const std::string& fileName) {
    ImpForm->FileName = fileName;
    ImpForm->setWindowTitle(FittedCaption(*ImpForm, QString::fromLatin1(kImpactCaption), fileName));
    runModal_(*ImpForm);
}

// New keeps the record as it is and only gives the dialog the untitled name.
void OrientCommands::NewImp() {
    showImpactDialog(kUntitledImpact);
}

void OrientCommands::OpenImp() {
    const std::optional<std::string> name =
        ChooseAndLoad(owner_,
                      {"Impact parameters specification file", kInputFilesOpenFilter, "*.IMP",
                       "IMP", kImpactFilterEntry},
                      [this](const std::string& file) {
                          return LoadImpFile(file, ImpactParams, halvern::UiSink());
                      });
    if (name) showImpactDialog(*name);
}

void OrientCommands::Viewtarget1Click() {
    if (OrientForm->ChooseFile()) runModal_(*OrientForm);
}

void OrientCommands::ViewImpact1Click() {
    if (IOrientForm->ChooseFile()) runModal_(*IOrientForm);
}

// The main window's open dialog, starting with target files (the conversion's only input).
void OrientCommands::Convert1Click() {
    const std::optional<std::string> name = halvern::UiFileChooser().openFile(
        owner_, {"Convert version 2.1 file",
                 std::string("Target specification file|*.TRG *.trg|") + kInputFilesOpenFilter,
                 "*.TRG", "", 0});
    if (name) ConvertVersion21File(*name, halvern::UiSink());
}

}  // namespace velkor
