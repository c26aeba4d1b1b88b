#include "PrjForm.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "FieldControls.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "InputDialogParts.h"
#include "NumberText.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "inputfiles/ProjectileFile.h"
#include "text/TextConversions.h"

namespace velkor {

void ListPickComboBox::showPopup() {
    listOpen_ = true;
    QComboBox::showPopup();
}

// The list reports its pick right after it closes.
void ListPickComboBox::hidePopup() {
    QComboBox::hidePopup();
    QTimer::singleShot(0, this, [this] { listOpen_ = false; });
}

TPrjForm::TPrjForm(TProjectileSpec& spec, QWidget* parent) : QDialog(parent), spec_(spec) {
    setObjectName(QStringLiteral("PrjForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    SetHelpContext(this, kProjectileDialogHelp);

    ComboBox1 = new ListPickComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (const ProjectilePreset& p : ProjectilePresets())
        ComboBox1->addItem(QString::fromLatin1(p.Symbol));
    ComboBox1->lineEdit()->setMaxLength(decltype(spec.Symbol)::kWidth);
    ComboBox1->setMinimumContentsLength(3);
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A typed "H" must stay "H", not be completed to "He".
    ComboBox1->setCompleter(nullptr);
    SetHelpContext(ComboBox1, kProjectileSymbolHelp);
    IntegerEdit1 = MakeIntegerEdit(this, "IntegerEdit1", kProjectileZField);
    SetHelpContext(IntegerEdit1, kProjectileAtomicNumberHelp);
    FloatEdit1 = MakeFloatEdit(this, "FloatEdit1", kProjectileMassField);
    SetHelpContext(FloatEdit1, kProjectileMassHelp);
    FloatEdit2 = MakeFloatEdit(this, "FloatEdit2", kProjectileEnergyField);
    SetHelpContext(FloatEdit2, kProjectileEnergyHelp);
    FlagEdit = MakeIntegerEdit(this, "FlagEdit", 0, 255, 3, "0");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Elemental symbol"), ComboBox1);
    form->addRow(QStringLiteral("Atomic number"), IntegerEdit1);
    form->addRow(QStringLiteral("Atomic mass (amu)"), FloatEdit1);
    form->addRow(QStringLiteral("Energy (keV)"), FloatEdit2);
    form->addRow(QStringLiteral("Flags"), FlagEdit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(
        MakeDialogButtons(this, kProjectileDialogHelp, "OK", [this] { return OkBtnClick(); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        halvern::RunGuarded(halvern::UiSink(), [&] { ComboBox1Change(index); });
    });
}

void TPrjForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    recordToControls();
}

// The symbol is set without consulting the presets, so a loaded mass stays.
void TPrjForm::recordToControls() {
    {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->setCurrentIndex(-1);
        ComboBox1->setEditText(halvern::DecodeText(spec_.Symbol));
    }
    ShowField(IntegerEdit1, spec_.AtomicNumber);
    ShowField(FloatEdit1, spec_.Mass);
    ShowField(FloatEdit2, spec_.Energy);
    ShowField(FlagEdit, halvern::FormatInt(spec_.Flags));
}

void TPrjForm::controlsToRecord() {
    spec_.Symbol = halvern::CoreText(ComboBox1->currentText());
    spec_.Energy = FieldText(FloatEdit2);
    spec_.AtomicNumber = FieldText(IntegerEdit1);
    spec_.Mass = FieldText(FloatEdit1);
    // The edit holds 0..255 once it has been checked.
    spec_.Flags = static_cast<uint8_t>(TextToInt(halvern::UiSink(), FieldText(FlagEdit)));
}

void TPrjForm::ComboBox1Change(int index) {
    if (!ComboBox1->pickingFromList()) return;  // typed, not chosen
    if (index < 0 || index >= static_cast<int>(ProjectilePresets().size())) return;
    const ProjectilePreset& preset = ProjectilePresets()[static_cast<size_t>(index)];
    ShowField(IntegerEdit1, preset.AtomicNumber);
    ShowField(FloatEdit1, preset.Mass);
}

bool TPrjForm::OkBtnClick() {
    controlsToRecord();
    const std::optional<std::string> name =
        AskSaveFileName(this, {"Save projectile specification file as...",
                               "Projectile specification file|*.PRJ *.prj", FileName, "prj"});
    if (!name) return false;
    WriteProjectileFile(spec_, *name, halvern::UiSink());
    return true;
}

}  // namespace velkor
