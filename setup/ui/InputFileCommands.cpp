#include "InputFileCommands.h"

#include <QAction>
#include <QDialog>
#include <QWidget>
#include <optional>
#include <utility>

#include "CompositePotential.h"
#include "DisplayText.h"
#include "FileSafety.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "InlForm.h"
#include "MdlForm.h"
#include "PrjForm.h"
#include "RunForm.h"
#include "ShortString.h"
#include "UiSink.h"
#include "WindowCaption.h"
#include "inputfiles/InelasticFile.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/ProjectileFile.h"
#include "inputfiles/RunFile.h"

namespace velkor {

namespace {

constexpr size_t kFileNameWidth = 255;

struct CommandTexts {
    InputFile kind;
    const char* newAction;
    const char* openAction;
    const char* untitled;
    const char* newPrefix;  // none: the dialog makes its own caption
    const char* pattern;
    const char* extension;
    int listEntry;  // in the open dialog's list, from 0
    const char* openTitle;
    const char* openPrefix;
    int help;
};

constexpr CommandTexts kCommands[] = {
    {InputFile::Projectile, "NewPrj", "OpenPrj", "UNTITLED.PRJ", "Projectile: ", "*.PRJ", "PRJ", 0,
     "Projectile specification file", "Projectile: ", kProjectileDialogHelp},
    {InputFile::Run, "NewRun", "Open1", "UNTITLED.RUN", "Run Specifications: ", "*.RUN", "RUN", 2,
     "Simulation run specification file", "Run specifications: ", kRunDialogHelp},
    {InputFile::Model, "NewMdl", "OpenMdl", "UNTITLED.MDL", "Simulation Model: ", "*.MDL", "MDL", 1,
     "Simulation model specification file", "Simulation model: ", kModelDialogHelp},
    {InputFile::Inelastic, "New6", "OpenInelastic", "UNTITLED.INL", nullptr, "*.INL", "INL", 4,
     "Simulation inelastic losses file", nullptr, kInelasticLssHelp},
};

const CommandTexts& TextsOf(InputFile kind) {
    for (const CommandTexts& texts : kCommands)
        if (texts.kind == kind) return texts;
    return kCommands[0];
}

}  // namespace

halvern::FileDialogSpec OpenInputFileRequest(InputFile kind) {
    const CommandTexts& texts = TextsOf(kind);
    return {texts.openTitle, kInputFilesOpenFilter, texts.pattern, texts.extension,
            texts.listEntry};
}

InputFileCommands::InputFileCommands(QWidget* owner, CompositePotentialView& composite,
                                     std::function<int(QDialog&)> runModal)
    : PrjForm(new TPrjForm(Projectile, owner)),
      RunForm(new TRunForm(Run, owner)),
      MdlForm(new TMdlForm(Model, owner)),
      InlForm(new TInlForm(Inelastic, owner)),
      owner_(owner),
      runModal_(std::move(runModal)) {
    MdlForm->setViewCompositeHandler(
        [this, &composite] { ViewModelComposite(composite, *MdlForm); });
}

// The dialogs go before the records they edit.
InputFileCommands::~InputFileCommands() {
    delete InlForm;
    delete MdlForm;
    delete RunForm;
    delete PrjForm;
}

void InputFileCommands::connectMenus(QWidget& window) {
    for (const CommandTexts& texts : kCommands) {
        const InputFile kind = texts.kind;
        const std::pair<const char*, std::function<void()>> commands[] = {
            {texts.newAction, [this, kind] { newFile(kind); }},
            {texts.openAction, [this, kind] { openFile(kind); }},
        };
        for (const auto& [name, handler] : commands) {
            QAction* action = window.findChild<QAction*>(QString::fromLatin1(name));
            if (action == nullptr) continue;
            action->setEnabled(true);
            halvern::SetHelpContext(action, texts.help);
            QObject::connect(action, &QAction::triggered, &window, halvern::GuardedSlot(handler));
        }
    }
}

QDialog& InputFileCommands::dialog(InputFile kind) const {
    switch (kind) {
        case InputFile::Projectile:
            return *PrjForm;
        case InputFile::Run:
            return *RunForm;
        case InputFile::Model:
            return *MdlForm;
        case InputFile::Inelastic:
            break;
    }
    return *InlForm;
}

std::string& InputFileCommands::fileName(InputFile kind) const {
    switch (kind) {
        case InputFile::Projectile:
            return PrjForm->FileName;
        case InputFile::Run:
            return RunForm->FileName;
        case InputFile::Model:
            return MdlForm->FileName;
        case InputFile::Inelastic:
            break;
    }
    return InlForm->FileName;
}

bool InputFileCommands::load(InputFile kind, const std::string& path) {
    halvern::MessageSink& sink = halvern::UiSink();
    switch (kind) {
        case InputFile::Projectile:
            return LoadPrjFile(path, Projectile);
        case InputFile::Run:
            return LoadRunFile(path, Run, sink);
        case InputFile::Model:
            return LoadMdlFile(path, Model, sink);
        case InputFile::Inelastic:
            break;
    }
    return LoadInlFile(path, Inelastic);
}

void InputFileCommands::show(InputFile kind, const char* captionPrefix) {
    QDialog& shown = dialog(kind);
    if (captionPrefix != nullptr)
        shown.setWindowTitle(
            FittedCaption(shown, QString::fromLatin1(captionPrefix), fileName(kind)));
    runModal_(shown);
}

void InputFileCommands::newFile(InputFile kind) {
    const CommandTexts& texts = TextsOf(kind);
    fileName(kind) = texts.untitled;
    show(kind, texts.newPrefix);
}

std::optional<std::string> ChooseAndLoad(QWidget* owner, const halvern::FileDialogSpec& request,
                                         const std::function<bool(const std::string&)>& load) {
    const std::optional<std::string> chosen = halvern::UiFileChooser().openFile(owner, request);
    if (!chosen || chosen->empty()) return std::nullopt;
    const std::string& name = *chosen;
    halvern::MessageSink& sink = halvern::UiSink();
    // The dialogs keep their file names in 255 characters: a longer one is refused, never cut.
    if (!halvern::FileNameFits(name, kFileNameWidth)) {
        sink.error(halvern::FileNameTooLongText(name, kFileNameWidth));
        return std::nullopt;
    }
    if (!load(name)) {
        sink.error(halvern::OpenFailureText("Error reading " + name + ".", name));
        return std::nullopt;
    }
    return chosen;
}

void InputFileCommands::openFile(InputFile kind) {
    const std::optional<std::string> name =
        ChooseAndLoad(owner_, OpenInputFileRequest(kind),
                      [&](const std::string& file) { return load(kind, file); });
    if (!name) return;
    fileName(kind) = *name;
    show(kind, TextsOf(kind).openPrefix);
}

}  // namespace velkor
