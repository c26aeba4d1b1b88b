#include "CubicForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "elements/ElementTable.h"
#include "targets/TargetSpec.h"

namespace velkor {

TCubicForm::TCubicForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CubicForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto* elements = new QGroupBox(QStringLiteral("Elemental data"), this);
    Edit1 = new QComboBox(elements);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEditable(true);
    Edit1->setInsertPolicy(QComboBox::NoInsert);
    for (const CubicElement& e : CubicElementTable()) Edit1->addItem(halvern::DecodeText(e.Symbol));
    Edit1->lineEdit()->setMaxLength(SymbolText::kWidth);
    Edit1->setCurrentIndex(-1);
    Edit1->setMinimumContentsLength(3);
    Edit1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    IntegerEdit1 = MakeIntegerEdit(elements, "IntegerEdit1", 1, 99, AtomicNumberText::kWidth, "29");
    FloatEdit1 =
        MakeFloatEdit(elements, "FloatEdit1", 1.0L, 10.0L, LatticeConstText::kWidth, "3.6147");
    FloatEdit2 = MakeFloatEdit(elements, "FloatEdit2", 1.0L, 1000.0L, MassText::kWidth, "63.546");
    auto* elementForm = new QFormLayout(elements);
    elementForm->addRow(QStringLiteral("Symbol"), Edit1);
    elementForm->addRow(QStringLiteral("Atomic No. (Z)"), IntegerEdit1);
    elementForm->addRow(QStringLiteral("Lattice const. (A)"), FloatEdit1);
    elementForm->addRow(QStringLiteral("Atomic mass (amu)"), FloatEdit2);

    box = MakeLatticeBoxControls(this, kSingleSpeciesBoxNames, "");
    LayOutTargetDialog(this, {elements}, box, MakeDialogButtons(this, kCubicDialogHelp));

    // Only the user's choice consults the table; the program's own filling does not.
    connect(Edit1, &QComboBox::activated, this,
            halvern::GuardedSlot([this] { Edit1Change(Edit1->currentText()); }));
    connect(Edit1->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        halvern::RunGuarded(halvern::UiSink(), [&] { Edit1Change(text); });
    });
    ConnectAtomCount(this, box.dimensions, [this] { UpdateAtomCount(); });
}

void TCubicForm::UpdateAtomCount() {
    box.dimensions.updateCount(CellFactor);
}

void TCubicForm::setSymbolText(const QString& symbol) {
    const QSignalBlocker block(Edit1);
    const QSignalBlocker blockEdit(Edit1->lineEdit());
    Edit1->setCurrentIndex(Edit1->findText(symbol, Qt::MatchExactly | Qt::MatchCaseSensitive));
    Edit1->setEditText(symbol);
}

void TCubicForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    UpdateAtomCount();
}

void TCubicForm::Edit1Change(const QString& symbol) {
    const int row = Edit1->findText(symbol, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0) return;
    const CubicElement& e = CubicElementTable()[static_cast<size_t>(row)];
    ShowField(IntegerEdit1, e.AtomicNumber);
    ShowField(FloatEdit1, e.LatticeConst);
    ShowField(FloatEdit2, e.Mass);
}

}  // namespace velkor
