#include "PairPotlDlg.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "FieldControls.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "ItemRadioGroup.h"
#include "LineChart.h"
#include "QtColours.h"
#include "ReadOnlyEdit.h"
#include "TargetDialogParts.h"
#include "UiSink.h"

namespace velkor {

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// The three series in the chart's colours: red, white and dark purple (0x400040).
const halvern::ColourRef kSeriesColours[kPairPotentialKinds] = {halvern::colour::Red, 0xFFFFFF,
                                                                4194368};
const char* const kSeriesTitles[kPairPotentialKinds] = {"ZBL", "Moliere-Lind.", "Moliere-Fir."};

}  // namespace

TPairPotlDlg::TPairPotlDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PairPotlDlg"));
    setWindowTitle(QStringLiteral("Pair Potential, Apsis"));
    setModal(false);

    FloatEdit7 = MakeFloatEdit(this, "FloatEdit7", kZ1Field);
    FloatEdit8 = MakeFloatEdit(this, "FloatEdit8", kZ2Field);
    FloatEdit1 = MakeFloatEdit(this, "FloatEdit1", kDistanceField);
    FloatEdit2 = MakeFloatEdit(this, "FloatEdit2", kCorrectionField);
    QStringList kinds;
    for (const char* kind : kPairPotentialKindNames) kinds << QString::fromLatin1(kind);
    RadioGroup1 = new halvern::RadioGroup(QStringLiteral("Potential Type"), kinds, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setItemIndex(0);
    Edit1 = halvern::MakeReadOnlyEdit(this, "Edit1", 12);
    Label9 = new QLabel(this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setTextFormat(Qt::PlainText);
    FloatEdit3 = MakeFloatEdit(this, "FloatEdit3", kM1Field);
    FloatEdit4 = MakeFloatEdit(this, "FloatEdit4", kM2Field);
    FloatEdit5 = MakeFloatEdit(this, "FloatEdit5", kImpactParameterField);
    FloatEdit6 = MakeFloatEdit(this, "FloatEdit6", kLabEnergyField);
    for (halvern::TFloatEdit* e : {FloatEdit3, FloatEdit4, FloatEdit5, FloatEdit6}) FitWidth(e, 10);
    Edit2 = halvern::MakeReadOnlyEdit(this, "Edit2", 12);
    Edit3 = halvern::MakeReadOnlyEdit(this, "Edit3", 12);
    BitBtn1 = Button(this, "BitBtn1", "Evaluate");
    BitBtn1->setDefault(true);
    Button1 = Button(this, "Button1", "Undo zoom");
    auto* help = Button(this, "BitBtn2", "Help");
    Chart1 = new halvern::LineChart(this);
    Chart1->setBottomAxis({QStringLiteral("Distance, r  [A]"), 0.05, 2}, 0.2, 1.0);
    Chart1->setLeftAxis({QStringLiteral("V(r) [keV]"), 0.1, 1});

    auto* potential = new QGroupBox(QStringLiteral("Potential"), this);
    auto* potentialForm = new QFormLayout(potential);
    potentialForm->addRow(QStringLiteral("Z1"), FloatEdit7);
    potentialForm->addRow(QStringLiteral("Z2"), FloatEdit8);
    potentialForm->addRow(QStringLiteral("Distance, r ( A)"), FloatEdit1);
    potentialForm->addRow(QStringLiteral("Screening Length Correction"), FloatEdit2);
    potentialForm->addRow(RadioGroup1);
    potentialForm->addRow(QStringLiteral("Potential (eV)"), Edit1);
    potentialForm->addRow(Label9);
    auto* apsis = new QGroupBox(QStringLiteral("Apsis"), this);
    auto* apsisForm = new QFormLayout(apsis);
    apsisForm->addRow(QStringLiteral("m1 (amu)"), FloatEdit3);
    apsisForm->addRow(QStringLiteral("m2 (amu)"), FloatEdit4);
    apsisForm->addRow(QStringLiteral("Impact parameter (A)"), FloatEdit5);
    apsisForm->addRow(QStringLiteral("Lab energy (eV)"), FloatEdit6);
    apsisForm->addRow(QStringLiteral("Apsidal distance (A)"), Edit2);
    apsisForm->addRow(QStringLiteral("COM energy (eV)"), Edit3);

    auto* note = new QLabel(QStringLiteral("Select area to zoom"), this);
    note->setTextFormat(Qt::PlainText);
    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(Chart1, 1);
    auto* chartButtons = new QHBoxLayout;
    chartButtons->addWidget(note);
    chartButtons->addStretch();
    chartButtons->addWidget(Button1);
    chartColumn->addLayout(chartButtons);
    auto* left = new QVBoxLayout;
    left->addWidget(potential);
    left->addWidget(apsis);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(help);
    left->addLayout(buttons);
    left->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(chartColumn, 1);
    resize(860, 520);

    connect(BitBtn1, &QPushButton::clicked, this, halvern::GuardedSlot([this] {
                EvaluatePairPotential();
                PlotPotentials();
            }));
    connect(RadioGroup1, &halvern::RadioGroup::itemClicked, this,
            halvern::GuardedSlot([this] { EvaluatePairPotential(); }));
    connect(Button1, &QPushButton::clicked, this,
            halvern::GuardedSlot([this] { Chart1->undoZoom(); }));
    connect(help, &QPushButton::clicked, this,
            halvern::GuardedSlot([] { halvern::ShowHelp(kHelpProgram, kPairPotentialHelp); }));
    AddHelpKey(this, kPairPotentialHelp);
}

TPairPotentialInput TPairPotlDlg::input() const {
    TPairPotentialInput in;
    in.distance = FieldText(FloatEdit1);
    in.correction = FieldText(FloatEdit2);
    in.Z1 = FieldText(FloatEdit7);
    in.Z2 = FieldText(FloatEdit8);
    in.M1 = FieldText(FloatEdit3);
    in.M2 = FieldText(FloatEdit4);
    in.impactParameter = FieldText(FloatEdit5);
    in.labEnergy = FieldText(FloatEdit6);
    in.kind = RadioGroup1->itemIndex();
    return in;
}

void TPairPotlDlg::EvaluatePairPotential() {
    TPairPotentialOutput out;
    if (!velkor::EvaluatePairPotential(input(), out, halvern::UiSink())) return;
    ShowField(Edit3, out.comEnergy);
    ShowField(Edit2, out.apsis);
    ShowField(Edit1, out.potential);
    Label9->setText(halvern::DecodeText(out.screeningLabel));
}

void TPairPotlDlg::PlotPotentials() {
    const auto series = velkor::PlotPotentials(input());
    if (!series) return Chart1->clearSeries();
    std::vector<halvern::ChartSeries> chart;
    for (int kind = 0; kind < kPairPotentialKinds; ++kind) {
        halvern::ChartSeries s{
            QString::fromLatin1(kSeriesTitles[kind]), halvern::ToQColor(kSeriesColours[kind]), {}};
        for (const TPotentialPoint& p : (*series)[static_cast<size_t>(kind)])
            s.points.push_back({p.r, p.keV});
        chart.push_back(std::move(s));
    }
    Chart1->setSeries(std::move(chart));
}

void TPairPotlDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    halvern::RunGuarded(halvern::UiSink(), [this] {
        EvaluatePairPotential();
        PlotPotentials();
    });
}

}  // namespace velkor
