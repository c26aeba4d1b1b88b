#include "MdlForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "FieldControls.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "InputDialogParts.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "inputfiles/ModelChecks.h"
#include "inputfiles/ModelFile.h"
#include "inputfiles/VibrationAmplitudes.h"

namespace velkor {

namespace {

const char* const kPotentialNames[] = {"ZBL", "Moliere-Lindhard", "Moliere-Firsov"};

// The checked button's index among three, 0 when none is checked.
uint16_t CheckedKind(QRadioButton* const (&buttons)[3]) {
    for (uint16_t k = 0; k < 3; ++k)
        if (buttons[k]->isChecked()) return k;
    return 0;
}

void CheckKind(QRadioButton* const (&buttons)[3], uint16_t kind) {
    if (kind < 3) buttons[kind]->setChecked(true);
}

}  // namespace

TMdlForm::TMdlForm(TModelSpec& spec, QWidget* parent) : QDialog(parent), spec_(spec) {
    setObjectName(QStringLiteral("MdlForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    SetHelpContext(this, kModelDialogHelp);

    LayOutColumns(this, {makePotentialGroup(), makeMorseGroup()},
                  {makeVibrationGroup(), makeEnergyGroup()},
                  MakeDialogButtons(this, kModelDialogHelp, "OK", [this] { return OkBtnClick(); }));

    connect(CheckBox1, &QCheckBox::toggled, this,
            halvern::GuardedSlot([this] { CheckBox1Click(); }));
    connect(CheckBox2, &QCheckBox::toggled, this,
            halvern::GuardedSlot([this] { CheckBox2Click(); }));
    connect(BitBtn4, &QPushButton::clicked, this, halvern::GuardedSlot([this] {
                if (viewComposite_) viewComposite_();
            }));
}

QWidget* TMdlForm::makePotentialGroup() {
    QGroupBox* outer = HelpGroup(QStringLiteral("INTERACTION POTENTIALS"), 0, this);
    QGroupBox* group =
        HelpGroup(QStringLiteral("Screened Coulombic Potential"), kModelScreeningHelp, outer);
    auto* columns = new QHBoxLayout(group);
    auto pair = [&](const char* title, QRadioButton*(&buttons)[3], halvern::TFloatEdit*& edit,
                    const char* editName, int buttonNumber) {
        auto* box = new QGroupBox(QString::fromLatin1(title), group);
        auto* layout = new QVBoxLayout(box);
        auto* exclusive = new QButtonGroup(box);
        for (int k = 0; k < 3; ++k) {
            buttons[k] = new QRadioButton(QString::fromLatin1(kPotentialNames[k]), box);
            buttons[k]->setObjectName(QStringLiteral("RadioButton%1").arg(buttonNumber + k));
            exclusive->addButton(buttons[k]);
            layout->addWidget(buttons[k]);
        }
        edit = MakeFloatEdit(box, editName, kScreeningCorrectionField);
        layout->addWidget(PlainLabel(QStringLiteral("Scr. Length correction"), box));
        layout->addWidget(edit);
        columns->addWidget(box);
    };
    pair("Projectile-Target", PtButtons, FloatEdit1, "FloatEdit1", 1);
    pair("Target-Target", TtButtons, FloatEdit2, "FloatEdit2", 4);
    auto* layout = new QVBoxLayout(outer);
    layout->addWidget(group);
    return outer;
}

QWidget* TMdlForm::makeMorseGroup() {
    QGroupBox* group =
        HelpGroup(QStringLiteral("Morse and Spline Potentials"), kModelMorseHelp, this);
    auto* constants = new QGroupBox(QStringLiteral("Morse Constants"), group);
    FloatEdit3 = MakeFloatEdit(constants, "FloatEdit3", kMorseDField);
    FloatEdit4 = MakeFloatEdit(constants, "FloatEdit4", kMorseAField);
    FloatEdit5 = MakeFloatEdit(constants, "FloatEdit5", kMorseR0Field);
    auto* constantsForm = new QFormLayout(constants);
    QLabel* labels[] = {PlainLabel(QStringLiteral("D (eV)"), constants),
                        PlainLabel(QStringLiteral("a (/A)"), constants),
                        PlainLabel(QStringLiteral("r0 (A)"), constants)};
    constantsForm->addRow(labels[0], FloatEdit3);
    constantsForm->addRow(labels[1], FloatEdit4);
    constantsForm->addRow(labels[2], FloatEdit5);
    auto* spline = new QGroupBox(QStringLiteral("Spline Range"), group);
    FloatEdit6 = MakeFloatEdit(spline, "FloatEdit6", kSplineLowField);
    FloatEdit7 = MakeFloatEdit(spline, "FloatEdit7", kSplineHighField);
    auto* splineForm = new QFormLayout(spline);
    QLabel* low = PlainLabel(QStringLiteral("Low (A)"), spline);
    QLabel* high = PlainLabel(QStringLiteral("High (A)"), spline);
    splineForm->addRow(low, FloatEdit6);
    splineForm->addRow(high, FloatEdit7);
    CheckBox1 = new QCheckBox(QStringLiteral("Use Morse potential"), group);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    BitBtn4 = new QPushButton(QStringLiteral("View Composite Potential"), group);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setAutoDefault(false);
    SetHelpContext(BitBtn4, kModelCompositeHelp);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(constants);
    boxes->addWidget(spline);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CheckBox1);
    buttons->addStretch();
    buttons->addWidget(BitBtn4);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    morseControls_ = {FloatEdit3, FloatEdit4, FloatEdit5, FloatEdit6, FloatEdit7,
                      labels[0],  labels[1],  labels[2],  low,        high};
    return group;
}

QWidget* TMdlForm::makeVibrationGroup() {
    QGroupBox* group = HelpGroup(QStringLiteral("LATTICE VIBRATIONS"), kModelVibrationsHelp, this);
    CheckBox2 = new QCheckBox(QStringLiteral("Include Vibrational Displacements"), group);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    FloatEdit8 =
        MakeFloatEdit(group, "FloatEdit8", 1e-06L, 1000.0L, decltype(spec_.Mass)::kWidth, "63.546");
    FloatEdit9 = MakeFloatEdit(group, "FloatEdit9", kLatticeTemperatureField);
    auto* debye = new QGroupBox(QStringLiteral("Debeye Temperatures (K)"), group);
    FloatEdit10 = MakeFloatEdit(debye, "FloatEdit10", 1.0L, 3000.0L,
                                decltype(spec_.DebyeBulk)::kWidth, "343");
    FloatEdit11 = MakeFloatEdit(debye, "FloatEdit11", 1.0L, 3000.0L,
                                decltype(spec_.DebyePerpendicular)::kWidth, "192");
    FloatEdit12 = MakeFloatEdit(debye, "FloatEdit12", 1.0L, 3000.0L,
                                decltype(spec_.DebyeParallel)::kWidth, "292");
    QLabel* labels[] = {PlainLabel(QStringLiteral("Lattice atom mass (amu)"), group),
                        PlainLabel(QStringLiteral("Lattice temperature (K)"), group),
                        PlainLabel(QStringLiteral("Bulk"), debye),
                        PlainLabel(QStringLiteral("Surface perpendicular"), debye),
                        PlainLabel(QStringLiteral("Surface parallel"), debye)};
    auto* debyeForm = new QFormLayout(debye);
    debyeForm->addRow(labels[2], FloatEdit10);
    debyeForm->addRow(labels[3], FloatEdit11);
    debyeForm->addRow(labels[4], FloatEdit12);
    auto* form = new QFormLayout;
    form->addRow(labels[0], FloatEdit8);
    form->addRow(labels[1], FloatEdit9);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(CheckBox2);
    layout->addLayout(form);
    layout->addWidget(debye);
    vibrationControls_ = {FloatEdit8, FloatEdit9, FloatEdit10, FloatEdit11, FloatEdit12, labels[0],
                          labels[1],  labels[2],  labels[3],   labels[4],   debye};
    return group;
}

QWidget* TMdlForm::makeEnergyGroup() {
    QGroupBox* group = HelpGroup(QStringLiteral("SPECIFIC ENERGIES"), kModelEnergiesHelp, this);
    FloatEdit13 = MakeFloatEdit(group, "FloatEdit13", kBindingEnergyField);
    FloatEdit14 = MakeFloatEdit(group, "FloatEdit14", kBindingEnergyField);
    FloatEdit15 = MakeFloatEdit(group, "FloatEdit15", kTerminationEnergyField);
    CheckBox3 = new QCheckBox(QStringLiteral("Test projectile energy only"), group);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Surface binding energy (eV)"), FloatEdit13);
    form->addRow(QStringLiteral("'Bulk' binding energy (eV)"), FloatEdit14);
    form->addRow(QStringLiteral("Termination energy (eV)"), FloatEdit15);
    form->addRow(CheckBox3);
    return group;
}

void TMdlForm::setViewCompositeHandler(std::function<void()> handler) {
    viewComposite_ = std::move(handler);
    CheckBox1Click();
}

void TMdlForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    recordToControls();
}

void TMdlForm::recordToControls() {
    CheckKind(PtButtons, spec_.PtKind);
    CheckKind(TtButtons, spec_.TtKind);
    CheckBox1->setChecked(spec_.MorseFlag == 0);
    CheckBox2->setChecked(spec_.VibrationFlag == 0);
    CheckBox3->setChecked(spec_.TestProjectileOnly == 1);
    ShowField(FloatEdit1, spec_.PtCorrection);
    ShowField(FloatEdit2, spec_.TtCorrection);
    ShowField(FloatEdit3, spec_.MorseD);
    ShowField(FloatEdit4, spec_.MorseA);
    ShowField(FloatEdit5, spec_.MorseR0);
    ShowField(FloatEdit6, spec_.SplineLow);
    ShowField(FloatEdit7, spec_.SplineHigh);
    ShowField(FloatEdit8, spec_.Mass);
    ShowField(FloatEdit9, spec_.Temperature);
    ShowField(FloatEdit10, spec_.DebyeBulk);
    ShowField(FloatEdit11, spec_.DebyePerpendicular);
    ShowField(FloatEdit12, spec_.DebyeParallel);
    ShowField(FloatEdit13, spec_.SurfaceBinding);
    ShowField(FloatEdit14, spec_.BulkBinding);
    ShowField(FloatEdit15, spec_.TerminationEnergy);
    CheckBox1Click();
    CheckBox2Click();
}

TModelSpec TMdlForm::controlsRecord() const {
    TModelSpec m;
    m.PtKind = CheckedKind(PtButtons);
    m.PtCorrection = FieldText(FloatEdit1);
    m.TtKind = CheckedKind(TtButtons);
    m.TtCorrection = FieldText(FloatEdit2);
    m.MorseFlag = CheckBox1->isChecked() ? 0 : 1;
    m.MorseD = FieldText(FloatEdit3);
    m.MorseA = FieldText(FloatEdit4);
    m.MorseR0 = FieldText(FloatEdit5);
    m.SplineLow = FieldText(FloatEdit6);
    m.SplineHigh = FieldText(FloatEdit7);
    m.VibrationFlag = CheckBox2->isChecked() ? 0 : 1;
    m.Mass = FieldText(FloatEdit8);
    m.DebyeBulk = FieldText(FloatEdit10);
    m.DebyePerpendicular = FieldText(FloatEdit11);
    m.DebyeParallel = FieldText(FloatEdit12);
    m.SurfaceBinding = FieldText(FloatEdit13);
    m.BulkBinding = FieldText(FloatEdit14);
    m.TerminationEnergy = FieldText(FloatEdit15);
    m.Temperature = FieldText(FloatEdit9);
    m.TestProjectileOnly = CheckBox3->isChecked() ? 1 : 0;
    return m;
}

void TMdlForm::CheckBox1Click() {
    const bool morse = CheckBox1->isChecked();
    for (QWidget* w : morseControls_) w->setEnabled(morse);
    BitBtn4->setEnabled(morse && viewComposite_ != nullptr);
}

void TMdlForm::CheckBox2Click() {
    const bool vibrations = CheckBox2->isChecked();
    for (QWidget* w : vibrationControls_) w->setEnabled(vibrations);
}

bool TMdlForm::OkBtnClick() {
    const TModelSpec candidate = controlsRecord();
    if (const std::optional<VibrationRefusal> refusal = FindVibrationRefusal(candidate)) {
        halvern::UiSink().error(refusal->message);
        QWidget* field = nullptr;
        switch (refusal->field) {
            case VibrationField::Temperature:
                field = FloatEdit9;
                break;
            case VibrationField::Mass:
                field = FloatEdit8;
                break;
            case VibrationField::DebyeBulk:
                field = FloatEdit10;
                break;
            case VibrationField::DebyePerpendicular:
                field = FloatEdit11;
                break;
            case VibrationField::DebyeParallel:
                field = FloatEdit12;
                break;
        }
        // With vibrations off the field cannot take the focus; its switch can.
        (field->isEnabled() ? field : static_cast<QWidget*>(CheckBox2))->setFocus();
        return false;
    }
    const std::optional<std::string> name =
        AskSaveFileName(this, {"Save model specification file as...",
                               "Model specification file|*.MDL *.mdl", FileName, "MDL"});
    if (!name) return false;
    spec_ = candidate;
    const VibrationAmplitudes amplitudes = ComputeVibrationAmplitudes(spec_);
    halvern::MessageSink& sink = halvern::UiSink();
    if (spec_.VibrationFlag == 0) sink.info(AmplitudeBoxText(amplitudes));
    CheckModelValues(spec_, sink);
    WriteModelFile(spec_, amplitudes, *name, sink);
    return true;
}

}  // namespace velkor
