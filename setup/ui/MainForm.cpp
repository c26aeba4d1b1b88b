#include "MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <map>

#include "AboutBox.h"
#include "BatchForm.h"
#include "CubicForm.h"
#include "DisplayText.h"
#include "EditorReports.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "HexForm.h"
#include "InputFileCommands.h"
#include "MemoryInUse.h"
#include "NeighbourDialogs.h"
#include "NumberText.h"
#include "OrientCommands.h"
#include "ProgramIcon.h"
#include "PotlForm.h"
#include "RockSaltForm.h"
#include "SetupEditorHost.h"
#include "ShortString.h"
#include "ToolWindows.h"
#include "UiSink.h"
#include "WaitCursor.h"
#include "miscutil.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

QString Text(std::string_view text) {
    return halvern::DecodeText(text);
}

std::optional<QString> RunSaveDialog(QWidget* parent, const SaveRequest& request) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty() && !halvern::HasWildcards(halvern::CoreText(request.fileName)))
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

constexpr int kMemoryPollMs = 500;

int DialogHelpContext(TargetDialog dialog) {
    switch (dialog) {
        case TargetDialog::Cubic:
            return kCubicDialogHelp;
        case TargetDialog::Hex:
            return kHexDialogHelp;
        case TargetDialog::TwoSpecies:
            return kTwoSpeciesDialogHelp;
    }
    return kIntroductionHelp;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Velkor 2.2"));
    setWindowIcon(ProgramIcon());
    runModal = [](QDialog& dialog) { return dialog.exec(); };
    askSaveFileName = [this](const SaveRequest& request) { return RunSaveDialog(this, request); };
    allocatedBytes = halvern::AllocatedBytes;

    // The dialogs of this window, created once and kept for the whole run.
    AboutBox = new TAboutBox(this);
    CubicForm = new TCubicForm(this);
    HexForm = new THexForm(this);
    RockSaltForm = new TRockSaltForm(params_.RockSaltParams, this);
    tools_ = std::make_unique<ToolWindows>(this);
    inputFiles_ = std::make_unique<InputFileCommands>(
        this, tools_->Composite, [this](QDialog& dialog) { return runModal(dialog); });
    orient_ = std::make_unique<OrientCommands>(this, runModal);
    BatchForm = new TBatchForm(this);
    editors_ = std::make_unique<SetupEditorHost>(this, [this] { return plainMode_; });

    buildMenus();
    inputFiles_->connectMenus(*this);
    orient_->connectCommands(*this);
    buildSpeedButtons();
    halvern::SetHelpContext(this, kIntroductionHelp);
    halvern::InstallContextHelp(this, kHelpProgram);

    statusText_ = new QLabel(this);
    statusText_->setObjectName(QStringLiteral("StatusText"));
    statusText_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(statusText_, 1);
    statusBar()->setSizeGripEnabled(true);

    // The memory display follows the allocated total while the program waits for the user.
    memoryTimer_ = new QTimer(this);
    connect(memoryTimer_, &QTimer::timeout, this,
            halvern::GuardedSlot([this] { ShowMemoryStatus(); }));
    memoryTimer_->start(kMemoryPollMs);
    ShowMemoryStatus();
    resize(560, sizeHint().height());
}

TMainForm::~TMainForm() = default;

void TMainForm::closeEvent(QCloseEvent* event) {
    if (editors_->closeAll())
        event->accept();
    else
        event->ignore();
}

QAction* TMainForm::addCommand(QMenu* menu, const char* name, const char* caption,
                               std::function<void()> handler) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    if (handler)
        connect(action, &QAction::triggered, this, halvern::GuardedSlot(std::move(handler)));
    else
        action->setEnabled(false);  // its window comes with a later version
    return action;
}

void TMainForm::buildMenus() {
    QMenu* target = menuBar()->addMenu(QStringLiteral("&Target"));
    target->setObjectName(QStringLiteral("Target1"));
    QMenu* newTarget = target->addMenu(QStringLiteral("&New"));
    newTarget->setObjectName(QStringLiteral("New1"));
    std::map<std::string_view, QMenu*> families;
    for (std::string_view family : LatticeFamilies())
        families[family] = newTarget->addMenu(Text(family));
    for (const LatticeCommand& command : LatticeCommands()) {
        QAction* action = families[command.captions.family]->addAction(Text(command.captions.item));
        action->setObjectName(Text(command.captions.handler));
        halvern::SetHelpContext(action, DialogHelpContext(command.dialog));
        connect(action, &QAction::triggered, this,
                halvern::GuardedSlot([this, &command] { RunLatticeCommand(command); }));
    }
    target->addSeparator();
    addCommand(target, "Viewtarget1", "&Display/Orient");
    QAction* distances = addCommand(target, "Distances1", "Neighbour &distances", [this] {
        RunNeighbourReport(*tools_->DistanceDlg, false, runModal, *editors_);
    });
    QAction* potential = addCommand(target, "NeighbourPotential1", "Neighbour &potential", [this] {
        RunNeighbourReport(*tools_->NPotlDlg, true, runModal, *editors_);
    });
    halvern::SetHelpContext(distances, kNeighbourDistancesHelp);
    halvern::SetHelpContext(potential, kNeighbourPotentialsHelp);
    target->addSeparator();
    addCommand(target, "Convert1", "&Convert version 2.1 file");

    struct FileMenu {
        const char *name, *caption, *newName, *openName;
    };
    const FileMenu fileMenus[] = {
        {"Projectile1", "&Projectile", "NewPrj", "OpenPrj"},
        {"Run1", "&Run", "NewRun", "Open1"},
        {"Model1", "&Model", "NewMdl", "OpenMdl"},
        {"Impact1", "&Impact", "NewImpact", "OpenImpact"},
        {"Inelastic1", "I&nelastic", "New6", "OpenInelastic"},
    };
    for (const FileMenu& m : fileMenus) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(m.caption));
        menu->setObjectName(QString::fromLatin1(m.name));
        addCommand(menu, m.newName, "&New");
        addCommand(menu, m.openName, "&Open");
        if (std::string_view(m.name) == "Impact1") {
            menu->addSeparator();
            addCommand(menu, "ViewImpact1", "&Display/Orient");
        }
    }

    QMenu* editor = menuBar()->addMenu(QStringLiteral("&Editor"));
    editor->setObjectName(QStringLiteral("Editor1"));
    QAction* newEdit = addCommand(editor, "NewEdit", "&New", [this] { editors_->newEditor(); });
    QAction* openEdit = addCommand(editor, "OpenEdit", "&Open", [this] { editors_->openEditor(); });
    halvern::SetHelpContext(newEdit, halvern::kEditorHelpContext);
    halvern::SetHelpContext(openEdit, halvern::kEditorHelpContext);
    QMenu* format = editor->addMenu(QStringLiteral("&Format mode"));
    format->setObjectName(QStringLiteral("FormatMode1"));
    plainText_ = addCommand(format, "PlainText1", "&Plain text", [this] { PlainText1Click(); });
    richText_ = addCommand(format, "RichText1", "&Rich text (RTF)", [this] { RichText1Click(); });
    plainText_->setCheckable(true);
    richText_->setCheckable(true);
    setFormatMode(true);

    QMenu* utilities = menuBar()->addMenu(QStringLiteral("&Utilities"));
    utilities->setObjectName(QStringLiteral("Utilities1"));
    QAction* batch = addCommand(utilities, "BatchTemplate1", "&Batch project template",
                                [this] { RunBatchTemplate(*BatchForm, runModal, *editors_); });
    halvern::SetHelpContext(batch, kBatchTemplateHelp);
    utilities->addSeparator();
    addCommand(utilities, "VelocityReckoner1", "&Velocity reckoner",
               [this] { tools_->show(UtilityWindow::VelocityReckoner); });
    const std::pair<QAction*, int> helped[] = {
        {addCommand(utilities, "ScatteringRelations1", "&Scattering relations",
                    [this] { tools_->show(UtilityWindow::ScatteringRelations); }),
         halvern::kScatterHelp},
        {addCommand(utilities, "CrystalAxes1", "&Crystal axes",
                    [this] { tools_->show(UtilityWindow::CrystalAxes); }),
         kCrystalAxesHelp},
        {addCommand(utilities, "PairPotential1", "&Pair potential, Apsis",
                    [this] { tools_->show(UtilityWindow::PairPotential); }),
         kPairPotentialHelp},
    };
    for (const auto& [action, context] : helped) halvern::SetHelpContext(action, context);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* introduction = addCommand(help, "Introduction1", "&Introduction",
                                       [] { halvern::ShowHelp(kHelpProgram, kIntroductionHelp); });
    halvern::SetHelpContext(introduction, kIntroductionHelp);
    addCommand(help, "About1", "&About Velkor", [this] { runModal(*AboutBox); });
}

void TMainForm::buildSpeedButtons() {
    QToolBar* bar = addToolBar(QStringLiteral("Speed buttons"));
    bar->setObjectName(QStringLiteral("SpeedBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    struct Button {
        const char* name;
        QStyle::StandardPixmap icon;
        const char* hint;
        const char* command;  // the menu command it shows
    };
    const Button buttons[] = {
        {"SpeedButton1", QStyle::SP_FileDialogContentsView, "Display/Orient Target", "Viewtarget1"},
        {"SpeedButton2", QStyle::SP_ArrowForward, "New Projectile File", "NewPrj"},
        {"SpeedButton3", QStyle::SP_MediaPlay, "New Run File", "NewRun"},
        {"SpeedButton4", QStyle::SP_FileDialogDetailedView, "New Model File", "NewMdl"},
        {"SpeedButton5", QStyle::SP_DialogApplyButton, "New Impact File", "NewImpact"},
        {"SpeedButton6", QStyle::SP_DialogOpenButton, "Open Existing File in Editor", "OpenEdit"},
        {"SpeedButton7", QStyle::SP_FileIcon, "Open New File in Editor", "NewEdit"},
        {"SpeedButton8", QStyle::SP_BrowserReload, "New Inelastic file", "New6"},
    };
    // A button is its menu command: enabled state, hint and shortcut have one source.
    for (const Button& b : buttons) {
        QAction* command = findChild<QAction*>(QString::fromLatin1(b.command));
        command->setIcon(style()->standardIcon(b.icon));
        command->setIconVisibleInMenu(false);
        command->setToolTip(QString::fromLatin1(b.hint));
        bar->addAction(command);
        bar->widgetForAction(command)->setObjectName(QString::fromLatin1(b.name));
    }
}

void TMainForm::ShowMemoryStatus() {
    const uint64_t allocated = allocatedBytes();
    if (allocated == lastAllocated_) return;
    lastAllocated_ = allocated;
    statusText_->setText(QStringLiteral("Allocated memory: ") + QString::number(allocated));
}

int32_t TMainForm::potentialTargetZ() const {
    return tools_->Composite.PotlForm->Z2;
}

bool TMainForm::plainTextMode() const {
    return plainMode_;
}

void TMainForm::setFormatMode(bool plain) {
    plainMode_ = plain;
    plainText_->setChecked(plain);
    richText_->setChecked(!plain);
}

// A checkable entry has already toggled itself when its handler runs: the checks are put back
// first, so that No leaves them as they were.
void TMainForm::PlainText1Click() {
    setFormatMode(plainMode_);
    if (halvern::UiSink().askYesNo("Switch editor to plain text mode?")) setFormatMode(true);
}

void TMainForm::RichText1Click() {
    setFormatMode(plainMode_);
    if (halvern::UiSink().askYesNo("Switch editor mode to rich text format?")) setFormatMode(false);
}

// Lattice commands -------------------------------------------------------------------------

void TMainForm::RunLatticeCommand(const LatticeCommand& command) {
    switch (command.dialog) {
        case TargetDialog::Cubic:
            return runCubicCommand(command);
        case TargetDialog::Hex:
            return runHexCommand(command);
        case TargetDialog::TwoSpecies:
            return runTwoSpeciesCommand(command);
    }
}

TTargetSpec& TMainForm::cubicRecord(TargetRecord record) {
    switch (record) {
        case TargetRecord::Bcc:
            return params_.BccParams;
        case TargetRecord::Diamond:
            return params_.DiamondParams;
        default:
            return params_.FccParams;
    }
}

std::optional<std::string> TMainForm::askTargetFileName(const LatticeCommand& command,
                                                        const std::string& proposed) {
    const std::optional<QString> chosen =
        askSaveFileName({Text(command.captions.saveTitle),
                         QStringLiteral("Target specification file (*.TRG *.trg)"),
                         QStringLiteral("trg"), Text(proposed)});
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    std::string name = QFile::encodeName(*chosen).toStdString();
    if (!halvern::FileNameFits(name, kTargetFileNameWidth)) {
        halvern::UiSink().error(halvern::FileNameTooLongText(name, kTargetFileNameWidth));
        return std::nullopt;
    }
    return name;
}

void TMainForm::runCubicCommand(const LatticeCommand& command) {
    TTargetSpec& params = cubicRecord(command.record);
    ShowCubicParams(params);
    CubicForm->setWindowTitle(Text(command.captions.dialogCaption));
    CubicForm->CellFactor = command.atomsPerSite;
    const CountLabels& labels = command.labels;
    if (!labels.xWidth.empty()) {
        CubicForm->box.dimensions.xFactor->setText(Text(labels.xWidth));
        CubicForm->box.dimensions.yFactor->setText(Text(labels.yWidth));
    }
    if (!labels.depth.empty()) CubicForm->box.dimensions.depthFactor->setText(Text(labels.depth));
    const int result = runModal(*CubicForm);
    CubicForm->CellFactor = 1;
    if (!labels.xWidth.empty()) {
        CubicForm->box.dimensions.xFactor->setText(QStringLiteral("*2+1"));
        CubicForm->box.dimensions.yFactor->setText(QStringLiteral("*2+1"));
    }
    if (!labels.depth.empty()) CubicForm->box.dimensions.depthFactor->setText(QStringLiteral(" "));
    if (result != QDialog::Accepted) return;

    const std::optional<std::string> name = askTargetFileName(command, params.FileName);
    if (!name) return;
    StoreCubicParams(params, *name);
    {
        const halvern::WaitCursor wait;
        command.generateCubic(params, halvern::UiSink());
    }
    tools_->Composite.PotlForm->Z2 = TextToIntQuiet(FieldText(CubicForm->IntegerEdit1));
}

void TMainForm::runHexCommand(const LatticeCommand& command) {
    THexTargetSpec& params = params_.HcpParams;
    ShowHexParams(params);
    HexForm->setWindowTitle(Text(command.captions.dialogCaption));
    if (runModal(*HexForm) != QDialog::Accepted) return;
    const std::optional<std::string> name = askTargetFileName(command, params.FileName);
    if (!name) return;
    StoreHexParams(params, *name);
    {
        const halvern::WaitCursor wait;
        command.generateHex(params, halvern::UiSink());
    }
    tools_->Composite.PotlForm->Z2 = TextToIntQuiet(FieldText(HexForm->IntegerEdit1));
}

// The dialog works on RockSaltParams; a sphalerite command puts its own record there for its
// time and takes it back only when a file was written.
void TMainForm::runTwoSpeciesCommand(const LatticeCommand& command) {
    const bool sphalerite = command.record == TargetRecord::Sphalerite;
    const TTwoSpeciesTargetSpec saved = params_.RockSaltParams;
    struct Restore {
        TTwoSpeciesTargetSpec& working;
        const TTwoSpeciesTargetSpec& saved;
        bool active;
        ~Restore() {
            if (active) working = saved;
        }
    } restore{params_.RockSaltParams, saved, sphalerite};
    if (sphalerite) params_.RockSaltParams = params_.SphaleriteParams;

    RockSaltForm->setWindowTitle(Text(command.captions.dialogCaption));
    RockSaltForm->LatticeMode = command.atomsPerSite;
    if (runModal(*RockSaltForm) != QDialog::Accepted) return;
    TTwoSpeciesTargetSpec& working = params_.RockSaltParams;
    const std::optional<std::string> name = askTargetFileName(command, working.FileName);
    if (!name) return;
    working.FileName = *name;
    {
        const halvern::WaitCursor wait;
        command.buildTwoSpecies(working, halvern::UiSink());
    }
    if (sphalerite) params_.SphaleriteParams = working;
}

// Transfer between the records and the lattice dialogs ------------------------------------

void TMainForm::StoreCubicParams(TTargetSpec& params, const std::string& fileName) const {
    const TCubicForm& f = *CubicForm;
    params.FileName = fileName;
    params.Symbol = halvern::CoreText(f.Edit1->currentText());
    params.LatticeConst = FieldText(f.FloatEdit1);
    params.AtomicNumber = FieldText(f.IntegerEdit1);
    params.Mass = FieldText(f.FloatEdit2);
    StoreLatticeBox(f.box, params.XWidth, params.YWidth, params.Layers, params.XOrigin,
                    params.YOrigin, params.ZOrigin, params.Flags);
}

void TMainForm::ShowCubicParams(const TTargetSpec& params) const {
    TCubicForm& f = *CubicForm;
    f.setSymbolText(Text(params.Symbol));
    ShowField(f.FloatEdit1, params.LatticeConst);
    ShowField(f.IntegerEdit1, params.AtomicNumber);
    ShowField(f.FloatEdit2, params.Mass);
    ShowLatticeBox(f.box, params.XWidth, params.YWidth, params.Layers, params.XOrigin,
                   params.YOrigin, params.ZOrigin, params.Flags);
}

void TMainForm::StoreHexParams(THexTargetSpec& params, const std::string& fileName) const {
    const THexForm& f = *HexForm;
    params.FileName = fileName;
    params.Symbol = FieldText(f.Edit1);
    params.LatticeConstA1 = FieldText(f.FloatEdit1);
    params.LatticeConstA3 = FieldText(f.FloatEdit6);
    params.AtomicNumber = FieldText(f.IntegerEdit1);
    params.Mass = FieldText(f.FloatEdit2);
    StoreLatticeBox(f.box, params.XWidth, params.YWidth, params.Layers, params.XOrigin,
                    params.YOrigin, params.ZOrigin, params.Flags);
}

void TMainForm::ShowHexParams(const THexTargetSpec& params) const {
    THexForm& f = *HexForm;
    ShowField(f.Edit1, params.Symbol);
    ShowField(f.FloatEdit1, params.LatticeConstA1);
    ShowField(f.FloatEdit6, params.LatticeConstA3);
    ShowField(f.IntegerEdit1, params.AtomicNumber);
    ShowField(f.FloatEdit2, params.Mass);
    ShowLatticeBox(f.box, params.XWidth, params.YWidth, params.Layers, params.XOrigin,
                   params.YOrigin, params.ZOrigin, params.Flags);
}

}  // namespace velkor
