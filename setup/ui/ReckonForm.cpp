#include "ReckonForm.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "FieldControls.h"
#include "GuardedSlot.h"
#include "ReadOnlyEdit.h"
#include "TargetDialogParts.h"
#include "calculators/VelocityReckoner.h"

namespace velkor {

TReckonForm::TReckonForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReckonForm"));
    setWindowTitle(QStringLiteral("Velocity Reckoner"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    Energy = MakeFloatEdit(this, "Energy", kReckonerEnergyField);
    Mass = MakeFloatEdit(this, "Mass", kReckonerMassField);
    for (halvern::TFloatEdit* e : {Energy, Mass}) FitWidth(e, 10);
    Velocity = halvern::MakeReadOnlyEdit(this, "Velocity", 10, QStringLiteral("2.19570"));
    timestep = halvern::MakeReadOnlyEdit(this, "timestep", 10, QStringLiteral("0.0455"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Energy (keV)"), Energy);
    form->addRow(QStringLiteral("Mass (amu)"), Mass);
    form->addRow(QStringLiteral("Velocity (A/fs)"), Velocity);
    form->addRow(QStringLiteral("dt  (fs)"), timestep);
    auto* note = new QLabel(QStringLiteral("dx = 0.1 A"), this);
    note->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    for (halvern::TFloatEdit* e : {Energy, Mass})
        connect(e, &QLineEdit::textChanged, this, halvern::GuardedSlot([this] { ParmChange(); }));
}

void TReckonForm::ParmChange() {
    const TReckoning r = ReckonVelocity(FieldText(Energy), FieldText(Mass));
    ShowField(Velocity, r.velocity);
    ShowField(timestep, r.timestep);
}

}  // namespace velkor
