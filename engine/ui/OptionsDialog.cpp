#include "OptionsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogDefault.h"
#include "DisplayText.h"
#include "EngineHelp.h"
#include "GuardedSlot.h"
#include "NumberText.h"
#include "UiSink.h"

namespace halvern {

namespace {

constexpr const char* kInelasticNeedsVerlet =
    "Inelastic loss options have been selected, but these are only available for the Verlet "
    "algorithm, and will be deselected if you continue. Use the Verlet algorithm if you want to "
    "incorporate inelastic effects.";

}  // namespace

TOptionsDlg::TOptionsDlg(EngineGlobals& globals, QWidget* parent)
    : QDialog(parent), globals_(globals) {
    setObjectName(QStringLiteral("TOptionsDlg"));
    setWindowTitle(QStringLiteral("Simulation Options"));

    auto* screen = new QGroupBox(QStringLiteral("Screen output"), this);
    auto* screenLayout = new QVBoxLayout(screen);
    addSwitch(screen, "VerboseOption", QStringLiteral("Verbose reporting"),
              &TSimulationOptions::Verbose);
    addSwitch(screen, "ReportEnergyOption", QStringLiteral("Report energy etc."),
              &TSimulationOptions::ReportEnergy);
    addSwitch(screen, "ReportInelasticOption", QStringLiteral("Report inelastic loss"),
              &TSimulationOptions::ReportInelastic);
    auto* linesRow = new QHBoxLayout;
    EditLines = new TIntegerEdit(screen);
    EditLines->setObjectName(QStringLiteral("EditLines"));
    EditLines->setMinValue(0);
    EditLines->setMaxValue(kMaxEditBufferLines);
    EditLines->setMaxLength(7);
    auto* linesLabel = new QLabel(QStringLiteral("Edit buffer (lines)"), screen);
    linesLabel->setBuddy(EditLines);
    linesRow->addWidget(linesLabel);
    linesRow->addWidget(EditLines);
    screenLayout->addLayout(linesRow);

    auto* misc = new QGroupBox(QStringLiteral("Miscellaneous options"), this);
    new QVBoxLayout(misc);
    addSwitch(misc, "ElementTargetOption", QStringLiteral("Assume elemental target"),
              &TSimulationOptions::ElementalTarget);
    addSwitch(misc, "StoreInitialOption", QStringLiteral("Record initial conditions"),
              &TSimulationOptions::RecordInitial);
    addSwitch(misc, "StoreInelasticOption", QStringLiteral("Record inelastic events"),
              &TSimulationOptions::RecordInelastic);
    addSwitch(misc, "HotTargetOption", QStringLiteral("Hot target: <KE> = 3/2kT"),
              &TSimulationOptions::HotTarget);
    addSwitch(misc, "FixedTimestepOption", QStringLiteral("Fixed timestep"),
              &TSimulationOptions::FixedTimestep);
    addSwitch(misc, "NoYVibrationOption", QStringLiteral("No y-vibration (ICISS)"),
              &TSimulationOptions::NoYVibration);
    addSwitch(misc, "BCAOption", QStringLiteral("Ignore inter-target forces"),
              &TSimulationOptions::IgnoreTargetForces);
    addSwitch(misc, "SelfBombardOption", QStringLiteral("Self-bombardment"),
              &TSimulationOptions::SelfBombardment);

    AlgorithmOption = new RadioGroup(QStringLiteral("Integration algorithm"),
                                     {QStringLiteral("HGE B"), QStringLiteral("Two-Step A"),
                                      QStringLiteral("Beeman"), QStringLiteral("Verlet")},
                                     this);
    AlgorithmOption->setObjectName(QStringLiteral("AlgorithmOption"));
    GraphWinOption = new RadioGroup(QStringLiteral("Graph window"),
                                    {QStringLiteral("Spatial plot (1 px = 0.1 A)"),
                                     QStringLiteral("Velocity plot (1 px = 100 m/s)")},
                                    this);
    GraphWinOption->setObjectName(QStringLiteral("GraphWinOption"));
    NeighbourListOption = new RadioGroup(
        QStringLiteral("Neighbour list search"),
        {QStringLiteral("Brute force method"), QStringLiteral("Cell-index (box) method")}, this);
    NeighbourListOption->setObjectName(QStringLiteral("NeighbourListOption"));
    // The third choice is one hundredth of the force at the cut-off.
    MinForceOption =
        new RadioGroup(QStringLiteral("Minimum force"),
                       {QStringLiteral("Fmin = 0.0"), QStringLiteral("Fmin = 10% F(Rcutoff)"),
                        QStringLiteral("Fmin = 1% F(Rcutoff)")},
                       this);
    MinForceOption->setObjectName(QStringLiteral("MinForceOption"));

    auto* inelastic = new QGroupBox(QStringLiteral("Inelastic loss models"), this);
    new QVBoxLayout(inelastic);
    LSSOption = addSwitch(inelastic, "LSSOption", QStringLiteral("Lindhard-Scharff-Schiott model"),
                          &TSimulationOptions::LssModel);
    OROption = addSwitch(inelastic, "OROption", QStringLiteral("Oen-Robinson model"),
                         &TSimulationOptions::OenRobinsonModel);
    STOption = addSwitch(inelastic, "STOption", QStringLiteral("Shapiro-Tombrello model"),
                         &TSimulationOptions::ShapiroTombrelloModel);

    LoadOptionsBox = new QCheckBox(QStringLiteral("Load options at start-up"), this);
    LoadOptionsBox->setObjectName(QStringLiteral("LoadOptionsBox"));
    switches_.emplace_back(LoadOptionsBox, &TSimulationOptions::LoadAtStartUp);
    SaveOptions = new QCheckBox(QStringLiteral("Save options to disk"), this);
    SaveOptions->setObjectName(QStringLiteral("SaveOptions"));

    SetHelpContext(this, kSimulationOptionsHelp);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    KeepOkDefault(this, buttons->button(QDialogButtonBox::Ok));

    auto* panel = new QGridLayout;
    panel->addWidget(screen, 0, 0);
    panel->addWidget(misc, 1, 0, 2, 1);
    panel->addWidget(AlgorithmOption, 0, 1);
    panel->addWidget(MinForceOption, 1, 1);
    panel->addWidget(inelastic, 2, 1);
    panel->addWidget(GraphWinOption, 0, 2);
    panel->addWidget(NeighbourListOption, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panel);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(LoadOptionsBox);
    bottom->addWidget(SaveOptions);
    bottom->addStretch();
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::accepted, this, GuardedSlot([this] { BitBtn1Click(); }));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            GuardedSlot([] { ShowEngineHelp(kSimulationOptionsHelp); }));
    // Only the user's clicks run the rule, so filling the controls and unticking the models
    // from the rule itself never run it again.
    connect(AlgorithmOption, &RadioGroup::itemClicked, this,
            GuardedSlot([this] { AlgorithmOptionClick(); }));
    for (QCheckBox* model : {LSSOption, OROption, STOption})
        connect(model, &QCheckBox::clicked, this, GuardedSlot([this] { AlgorithmOptionClick(); }));
}

QCheckBox* TOptionsDlg::addSwitch(QWidget* group, const char* name, const QString& caption,
                                  uint8_t TSimulationOptions::*field) {
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(QString::fromLatin1(name));
    group->layout()->addWidget(box);
    switches_.emplace_back(box, field);
    return box;
}

void TOptionsDlg::showEvent(QShowEvent* event) {
    RunGuarded(UiSink(), [this] { FormShow(); });
    QDialog::showEvent(event);
}

void TOptionsDlg::FormShow() {
    const TSimulationOptions& o = globals_.Options;
    for (auto& [box, field] : switches_) box->setChecked(o.*field != 0);
    AlgorithmOption->setItemIndex(o.Algorithm);
    NeighbourListOption->setItemIndex(o.BruteForceSearch != 0 ? 0 : 1);
    GraphWinOption->setItemIndex(o.GraphMode);
    MinForceOption->setItemIndex(o.MinForce);
    EditLines->setText(QString::fromStdString(FormatInt(o.EditBufferLines, 0)));
    MinForceOption->setEnabled(AlgorithmOption->itemIndex() == 0);
}

void TOptionsDlg::BitBtn1Click() {
    if (!ValidateNumericControls(this)) return;
    int32_t lines = 0;
    if (!ParseInt32(CoreText(EditLines->text()), lines)) return;
    TSimulationOptions& o = globals_.Options;
    for (auto& [box, field] : switches_) o.*field = box->isChecked() ? 1 : 0;
    // A group without a choice keeps the record's value.
    auto takeIndex = [](const RadioGroup* group, int32_t& field) {
        if (group->itemIndex() >= 0) field = group->itemIndex();
    };
    takeIndex(AlgorithmOption, o.Algorithm);
    takeIndex(GraphWinOption, o.GraphMode);
    takeIndex(MinForceOption, o.MinForce);
    if (NeighbourListOption->itemIndex() >= 0)
        o.BruteForceSearch = NeighbourListOption->itemIndex() == 0 ? 1 : 0;
    o.EditBufferLines = lines;
    globals_.GraphScale = GraphScaleForMode(o.GraphMode);
    accept();
}

void TOptionsDlg::AlgorithmOptionClick() {
    MinForceOption->setEnabled(AlgorithmOption->itemIndex() == 0);
    const bool modelTicked =
        LSSOption->isChecked() || OROption->isChecked() || STOption->isChecked();
    if (!modelTicked || AlgorithmOption->itemIndex() == 3) return;
    if (UiSink().askOkCancelWithHelp(kInelasticNeedsVerlet, BoxIcon::Warning,
                                     {kEngineHelpProgram, kSimulationOptionsHelp})) {
        for (QCheckBox* model : {LSSOption, OROption, STOption}) model->setChecked(false);
    } else {
        AlgorithmOption->setItemIndex(3);
        MinForceOption->setEnabled(false);
    }
}

}  // namespace halvern
