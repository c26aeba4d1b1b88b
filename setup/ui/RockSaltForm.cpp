#include "RockSaltForm.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "HelpContexts.h"
#include "NumberText.h"
#include "UiSink.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

constexpr LatticeBoxNames kBoxNames{
    {"IntegerEdit3", "IntegerEdit4", "IntegerEdit5", "Label12", "Label13", "Label15"},
    "FloatEdit4",
    "FloatEdit5",
    "FloatEdit6"};

struct SpeciesControls {
    QGroupBox* group;
    QLineEdit* symbol;
    halvern::TIntegerEdit* z;
    halvern::TFloatEdit* mass;
};

SpeciesControls MakeSpeciesGroup(QWidget* parent, const char* title, const char* names[3],
                                 const char* texts[3]) {
    SpeciesControls c;
    c.group = new QGroupBox(QString::fromLatin1(title), parent);
    c.symbol = new QLineEdit(QString::fromLatin1(texts[0]), c.group);
    c.symbol->setObjectName(QString::fromLatin1(names[0]));
    c.symbol->setMaxLength(SymbolText::kWidth);
    FitWidth(c.symbol, 3);
    c.z = MakeIntegerEdit(c.group, names[1], 1, 99, AtomicNumberText::kWidth, texts[1]);
    c.mass = MakeFloatEdit(c.group, names[2], 1.0L, 1000.0L, MassText::kWidth, texts[2]);
    auto* form = new QFormLayout(c.group);
    form->addRow(QStringLiteral("Symbol"), c.symbol);
    form->addRow(QStringLiteral("Atomic No. (Z)"), c.z);
    form->addRow(QStringLiteral("Atomic mass (amu)"), c.mass);
    return c;
}

}  // namespace

TRockSaltForm::TRockSaltForm(TTwoSpeciesTargetSpec& RockSaltParams, QWidget* parent)
    : QDialog(parent), params_(RockSaltParams) {
    setObjectName(QStringLiteral("RockSaltForm"));
    setWindowTitle(QStringLiteral("Rocksalt (100)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    const char* names1[3] = {"Edit1", "IntegerEdit1", "FloatEdit1"};
    const char* texts1[3] = {"Na", "11", "22.98977"};
    const char* names2[3] = {"Edit2", "IntegerEdit2", "FloatEdit2"};
    const char* texts2[3] = {"Cl", "17", "35.453"};
    const SpeciesControls type1 =
        MakeSpeciesGroup(this, "Elemental data for type 1 atom", names1, texts1);
    const SpeciesControls type2 =
        MakeSpeciesGroup(this, "Elemental data for type 2 atom", names2, texts2);
    Edit1 = type1.symbol;
    IntegerEdit1 = type1.z;
    FloatEdit1 = type1.mass;
    Edit2 = type2.symbol;
    IntegerEdit2 = type2.z;
    FloatEdit2 = type2.mass;

    auto* lattice = new QWidget(this);
    FloatEdit3 =
        MakeFloatEdit(lattice, "FloatEdit3", 1.0L, 10.0L, LatticeConstText::kWidth, "5.6402");
    auto* latticeForm = new QFormLayout(lattice);
    latticeForm->setContentsMargins(0, 0, 0, 0);
    latticeForm->addRow(QStringLiteral("Lattice const. (A)"), FloatEdit3);

    box = MakeLatticeBoxControls(this, kBoxNames, "*2");
    LayOutTargetDialog(
        this, {type1.group, type2.group, lattice}, box,
        MakeDialogButtons(this, kTwoSpeciesDialogHelp, "Ok", [this] {
            BitBtn1Click();
            return true;
        }));
    ConnectAtomCount(this, box.dimensions, [this] { UpdateAtomCount(); });
}

void TRockSaltForm::UpdateAtomCount() {
    box.dimensions.updateCount(LatticeMode == 2 ? 2 : 1);
}

void TRockSaltForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TRockSaltForm::FormShow() {
    ShowField(Edit1, params_.Symbol1);
    ShowField(IntegerEdit1, params_.AtomicNumber1);
    ShowField(FloatEdit1, params_.Mass1);
    ShowField(Edit2, params_.Symbol2);
    ShowField(IntegerEdit2, params_.AtomicNumber2);
    ShowField(FloatEdit2, params_.Mass2);
    ShowField(FloatEdit3, params_.LatticeConst);
    ShowLatticeBox(box, params_.NX, params_.NY, params_.NZ, params_.XOrigin, params_.YOrigin,
                   params_.ZOrigin, params_.Flags);
    UpdateAtomCount();
}

void TRockSaltForm::BitBtn1Click() {
    params_.Symbol1 = FieldText(Edit1);
    params_.AtomicNumber1 = FieldText(IntegerEdit1);
    params_.Mass1 = FieldText(FloatEdit1);
    params_.Symbol2 = FieldText(Edit2);
    params_.AtomicNumber2 = FieldText(IntegerEdit2);
    params_.Mass2 = FieldText(FloatEdit2);
    params_.LatticeConst = FieldText(FloatEdit3);
    StoreLatticeBox(box, params_.NX, params_.NY, params_.NZ, params_.XOrigin, params_.YOrigin,
                    params_.ZOrigin, params_.Flags);
}

}  // namespace velkor
