// TMainForm: the set-up program's main window: menus, speed buttons, the memory display, and
// the lattice commands with their dialogs.
#pragma once

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "targets/LatticeCommands.h"
#include "targets/TargetSpec.h"

class QAction;
class QDialog;
class QLabel;
class QTimer;

namespace velkor {

class SetupEditorHost;
class TAboutBox;
class TBatchForm;
class TCubicForm;
class THexForm;
class InputFileCommands;
class TRockSaltForm;
class OrientCommands;
struct ToolWindows;

// What the target save dialog is asked.
struct SaveRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString fileName;  // proposed; a pattern such as "*.TRG" proposes none
};

class TMainForm : public QMainWindow {
    Q_OBJECT
  public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The steps that wait for the user, replaceable so that tests can answer them.
    std::function<int(QDialog&)> runModal;
    std::function<std::optional<QString>(const SaveRequest&)> askSaveFileName;
    // The memory manager's total of allocated bytes, read by the memory display.
    std::function<uint64_t()> allocatedBytes;

    TargetParams& targetParams() { return params_; }
    // The target Z handed to the potential tools by the last single-species lattice command.
    int32_t potentialTargetZ() const;
    ToolWindows& tools() { return *tools_; }
    InputFileCommands& inputFiles() { return *inputFiles_; }
    OrientCommands& orientCommands() { return *orient_; }
    SetupEditorHost& editors() { return *editors_; }
    bool plainTextMode() const;

    TCubicForm* CubicForm = nullptr;
    THexForm* HexForm = nullptr;
    TRockSaltForm* RockSaltForm = nullptr;
    TAboutBox* AboutBox = nullptr;
    TBatchForm* BatchForm = nullptr;

    void ShowMemoryStatus();
    void RunLatticeCommand(const LatticeCommand& command);

    void StoreCubicParams(TTargetSpec& params, const std::string& fileName) const;
    void ShowCubicParams(const TTargetSpec& params) const;
    void StoreHexParams(THexTargetSpec& params, const std::string& fileName) const;
    void ShowHexParams(const THexTargetSpec& params) const;

  protected:
    // The editor windows close first, each asking about its changes; one that stays keeps the
    // main window open.
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildSpeedButtons();
    QAction* addCommand(QMenu* menu, const char* name, const char* caption,
                        std::function<void()> handler = {});

    void runCubicCommand(const LatticeCommand& command);
    void runHexCommand(const LatticeCommand& command);
    void runTwoSpeciesCommand(const LatticeCommand& command);
    // The chosen target file name, or none when cancelled or refused.
    std::optional<std::string> askTargetFileName(const LatticeCommand& command,
                                                 const std::string& proposed);
    TTargetSpec& cubicRecord(TargetRecord record);

    void PlainText1Click();
    void RichText1Click();
    void setFormatMode(bool plain);

    TargetParams params_;
    std::unique_ptr<ToolWindows> tools_;
    std::unique_ptr<InputFileCommands> inputFiles_;
    std::unique_ptr<OrientCommands> orient_;
    std::unique_ptr<SetupEditorHost> editors_;
    uint64_t lastAllocated_ = 0;
    QLabel* statusText_ = nullptr;
    QTimer* memoryTimer_ = nullptr;
    bool plainMode_ = true;
    QAction* plainText_ = nullptr;
    QAction* richText_ = nullptr;
};

}  // namespace velkor
