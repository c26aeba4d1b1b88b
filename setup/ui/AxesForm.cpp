#include "AxesForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "AxesFigure.h"
#include "DisplayText.h"
#include "FieldControls.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "ReadOnlyEdit.h"
#include "StrictConversions.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "calculators/CrystalAxes.h"

namespace velkor {

namespace {

QLineEdit* Angle(QWidget* parent, const char* name, const char* hint) {
    QLineEdit* edit = halvern::MakeReadOnlyEdit(parent, name, 16);
    edit->setToolTip(QString::fromLatin1(hint));
    return edit;
}

QLabel* Text(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

constexpr const char* kFigureHint = "See figure for definition";

}  // namespace

TAxesForm::TAxesForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AxesForm"));
    setWindowTitle(QStringLiteral("Crystal Axes"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);
    halvern::TIntegerEdit** edits[] = {&i1, &j1, &k1, &i2, &j2, &k2};
    const char* names[] = {"i1", "j1", "k1", "i2", "j2", "k2"};
    for (int n = 0; n < 6; ++n)
        *edits[n] =
            MakeIntegerEdit(this, names[n], n % 3 == 2 ? kMillerLIndexField : kMillerIndexField);
    theta1 = Angle(this, "theta1", kFigureHint);
    phi1 = Angle(this, "phi1", kFigureHint);
    theta2 = Angle(this, "theta2", kFigureHint);
    phi2 = Angle(this, "phi2", kFigureHint);
    IPAngle = Angle(this, "IPAngle", "Angle subtended by the 2 surface normals");
    BitBtn1 = new QPushButton(QStringLiteral("&Evaluate"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setToolTip(QStringLiteral("Calculate angles for specified Miller Indices"));
    BitBtn1->setDefault(true);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("BitBtn2"));

    auto* grid = new QGridLayout;
    grid->addWidget(Text(this, "Miller indices"), 0, 1, 1, 3, Qt::AlignHCenter);
    grid->addWidget(Text(this, "polar"), 0, 4);
    grid->addWidget(Text(this, "azimuth"), 0, 5);
    grid->addWidget(Text(this, "Surface 1"), 1, 0);
    grid->addWidget(Text(this, "Surface 2"), 2, 0);
    for (int n = 0; n < 6; ++n) grid->addWidget(*edits[n], 1 + n / 3, 1 + n % 3);
    grid->addWidget(theta1, 1, 4);
    grid->addWidget(phi1, 1, 5);
    grid->addWidget(theta2, 2, 4);
    grid->addWidget(phi2, 2, 5);
    grid->addWidget(Text(this, "Inter-plane angle"), 3, 0, 1, 4, Qt::AlignRight);
    grid->addWidget(IPAngle, 3, 4);
    auto* figure = new QVBoxLayout;
    figure->addWidget(new AxesFigure(this));
    QLabel* directions = Text(this, "Axial directions:\nx: [100] y: [010] z: [001]");
    directions->setToolTip(QStringLiteral("(x,y,z) axes coincide with cubic crystal axes a, b, c"));
    figure->addWidget(directions);
    auto* top = new QHBoxLayout;
    top->addLayout(grid);
    top->setAlignment(grid, Qt::AlignTop);
    top->addLayout(figure);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn1, &QPushButton::clicked, this, halvern::GuardedSlot([this] { BitBtn1Click(); }));
    connect(help, &QPushButton::clicked, this,
            halvern::GuardedSlot([] { halvern::ShowHelp(kHelpProgram, kCrystalAxesHelp); }));
    AddHelpKey(this, kCrystalAxesHelp);
}

void TAxesForm::BitBtn1Click() {
    int32_t v[6] = {};
    halvern::TIntegerEdit* edits[] = {i1, j1, k1, i2, j2, k2};
    for (int n = 0; n < 6; ++n)
        if (!halvern::StrToInt(halvern::UiSink(), FieldText(edits[n]), v[n])) return;
    TAxesAngles out;
    if (!EvaluateAxes({v[0], v[1], v[2]}, {v[3], v[4], v[5]}, out, halvern::UiSink())) return;
    ShowField(theta1, out.theta1);
    ShowField(phi1, out.phi1);
    ShowField(theta2, out.theta2);
    ShowField(phi2, out.phi2);
    ShowField(IPAngle, out.interPlane);
}

}  // namespace velkor
