#include "PrjForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>
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

TPrjForm::TPrjForm(TProjectileSpec& spec, QWidget* parent) : QDialog(parent), spec_(spec) {
    setObjectName(QStringLiteral("PrjForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    SetHelpContext(this, kProjectileDialogHelp);

    ComboBox1 = new QComboBox(this);
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

    // Only the user's changes consult the presets; the record shown does not.
    connect(ComboBox1, &QComboBox::activated, this, [this](int index) {
        halvern::RunGuarded(halvern::UiSink(),
                            [&] { ComboBox1Change(ComboBox1->itemText(index)); });
    });
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        halvern::RunGuarded(halvern::UiSink(), [&] { ComboBox1Change(text); });
    });
}

void TPrjForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    recordToControls();
}

// The symbol is set without consulting the presets, so a loaded mass stays. A symbol of the
// list is made its current entry, so that leaving the box does not report it as chosen.
void TPrjForm::recordToControls() {
    {
        const QSignalBlocker block(ComboBox1);
        const QString symbol = halvern::DecodeText(spec_.Symbol);
        ComboBox1->setCurrentIndex(
            ComboBox1->findText(symbol, Qt::MatchExactly | Qt::MatchCaseSensitive));
        ComboBox1->setEditText(symbol);
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

void TPrjForm::ComboBox1Change(const QString& symbol) {
    const std::optional<ElementTexts> element = ElementOfSymbol(halvern::CoreText(symbol));
    if (!element) return;
    ShowField(IntegerEdit1, element->AtomicNumber);
    ShowField(FloatEdit1, element->Mass);
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
