// The main window's New and Open commands of the projectile, run, model and inelastic files: the
// records the program keeps for them, their dialogs (made once, kept for the program's run) and
// the open dialog the Open commands share.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "FileChooser.h"
#include "inputfiles/InelasticTables.h"
#include "inputfiles/ModelSpec.h"
#include "inputfiles/ProjectileSpec.h"
#include "inputfiles/RunSpec.h"

class QDialog;
class QWidget;

namespace velkor {

class CompositePotentialView;
class TInlForm;
class TMdlForm;
class TPrjForm;
class TRunForm;

// The file types of the open dialog, one entry a kind of input file, each in both cases.
inline constexpr const char* kInputFilesOpenFilter =
    "Projectile specification file|*.PRJ *.prj|Model specification file|*.MDL *.mdl|"
    "Runl specification file|*.RUN *.run|Impact parameter specifications|*.IMP *.imp|"
    "Inelastic losses specifications|*.INL *.inl";

enum class InputFile { Projectile, Run, Model, Inelastic };

// The open dialog as the kind's Open command asks it: its pattern, extension, list entry and title.
halvern::FileDialogSpec OpenInputFileRequest(InputFile kind);

// The steps every Open command shares: asks for a file, refuses a name too long for the dialogs'
// 255 characters, loads it, and reports "Error reading <name>." when it does not load. The name
// of a loaded file, or none.
std::optional<std::string> ChooseAndLoad(QWidget* owner, const halvern::FileDialogSpec& request,
                                         const std::function<bool(const std::string&)>& load);

class InputFileCommands {
  public:
    // The dialogs are made as windows of `owner`; `runModal` shows one until it closes.
    InputFileCommands(QWidget* owner, CompositePotentialView& composite,
                      std::function<int(QDialog&)> runModal);
    ~InputFileCommands();
    InputFileCommands(const InputFileCommands&) = delete;
    InputFileCommands& operator=(const InputFileCommands&) = delete;

    // Makes the main window's New and Open entries of the four kinds (found by their names) run
    // these commands.
    void connectMenus(QWidget& window);

    // Renames the dialog to its untitled name and shows it with the values it keeps.
    void newFile(InputFile kind);
    // Asks for a file, loads it into the kind's record and shows the dialog; a file that does
    // not load leaves the dialog closed with "Error reading <name>.".
    void openFile(InputFile kind);

    QDialog& dialog(InputFile kind) const;

    // Declared before the dialogs, which edit them.
    TProjectileSpec Projectile;
    TRunSpec Run;
    TModelSpec Model;
    TInelasticSpec Inelastic;

    TPrjForm* PrjForm;
    TRunForm* RunForm;
    TMdlForm* MdlForm;
    TInlForm* InlForm;

  private:
    std::string& fileName(InputFile kind) const;
    bool load(InputFile kind, const std::string& path);
    void show(InputFile kind, const char* captionPrefix);

    QWidget* owner_;
    std::function<int(QDialog&)> runModal_;
};

}  // namespace velkor
