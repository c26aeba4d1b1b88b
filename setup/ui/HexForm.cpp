#include "HexForm.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "targets/TargetSpec.h"

namespace velkor {

THexForm::THexForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HexForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto* elements = new QGroupBox(QStringLiteral("Elemental data"), this);
    Edit1 = new QLineEdit(QStringLiteral("Cu"), elements);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(SymbolText::kWidth);
    FitWidth(Edit1, 3);
    IntegerEdit1 = MakeIntegerEdit(elements, "IntegerEdit1", 1, 99, AtomicNumberText::kWidth, "29");
    FloatEdit1 =
        MakeFloatEdit(elements, "FloatEdit1", 0.1L, 20.0L, LatticeConstText::kWidth, "3.6147");
    FloatEdit6 =
        MakeFloatEdit(elements, "FloatEdit6", 0.1L, 20.0L, LatticeConstText::kWidth, "3.6147");
    FloatEdit2 = MakeFloatEdit(elements, "FloatEdit2", 1.0L, 1000.0L, MassText::kWidth, "63.546");
    auto* constants = new QWidget(elements);
    auto* constantsRow = new QHBoxLayout(constants);
    constantsRow->setContentsMargins(0, 0, 0, 0);
    constantsRow->addWidget(new QLabel(QStringLiteral("a1, a2"), constants));
    constantsRow->addWidget(FloatEdit1);
    constantsRow->addWidget(new QLabel(QStringLiteral("a3"), constants));
    constantsRow->addWidget(FloatEdit6);
    auto* elementForm = new QFormLayout(elements);
    elementForm->addRow(QStringLiteral("Symbol"), Edit1);
    elementForm->addRow(QStringLiteral("Atomic No. (Z)"), IntegerEdit1);
    elementForm->addRow(QStringLiteral("Lattice constants (A)"), constants);
    elementForm->addRow(QStringLiteral("Atomic mass (amu)"), FloatEdit2);

    box = MakeLatticeBoxControls(this, kSingleSpeciesBoxNames, "");
    LayOutTargetDialog(this, {elements}, box, MakeDialogButtons(this, kHexDialogHelp, "Ok"));

    ConnectAtomCount(this, box.dimensions, [this] { UpdateAtomCount(); });
}

void THexForm::UpdateAtomCount() {
    box.dimensions.updateCount(1);
}

void THexForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    UpdateAtomCount();
}

}  // namespace velkor
