#include "RunForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "DisplayText.h"
#include "FieldControls.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "InputDialogParts.h"
#include "ItemRadioGroup.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "inputfiles/RunFile.h"

namespace velkor {

namespace {

const QStringList kOutputItems = {"All particles in system",
                                  "Projectile only",
                                  "All particles with KE > 1 eV",
                                  "All particles with KE > 10 eV",
                                  "All particles with KE > 100 eV",
                                  "All emitted particles",
                                  "Projectile emission (reflection) only",
                                  "All particles emitted within 5 deg. of normal",
                                  "User-programmed option (define below)"};

// An edit with a note beside it.
QWidget* WithNote(QWidget* edit, const QString& note, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit->setParent(row);
    layout->addWidget(edit);
    layout->addWidget(PlainLabel(note, row));
    layout->addStretch();
    return row;
}

}  // namespace

TRunForm::TRunForm(TRunSpec& spec, QWidget* parent) : QDialog(parent), spec_(spec) {
    setObjectName(QStringLiteral("RunForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    SetHelpContext(this, kRunDialogHelp);

    LayOutColumns(this, {makeSamplingGroup(), makeOutputGroup()},
                  {makeAnglesGroup(), makePeriodicGroup(), makeCutOffGroup()},
                  MakeDialogButtons(this, kRunDialogHelp, "OK", [this] { return BitBtn1Click(); }));

    for (QCheckBox* box : {CheckBox1, CheckBox2})
        connect(box, &QCheckBox::toggled, this,
                halvern::GuardedSlot([this] { applyEnablingRules(); }));
    connect(RadioGroup1, &halvern::RadioGroup::itemClicked, this,
            halvern::GuardedSlot([this] { applyEnablingRules(); }));
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { limitMemo(); });
    connect(SamplesButton, &QPushButton::clicked, this,
            halvern::GuardedSlot([] { halvern::ShowHelp(kHelpProgram, kRunSamplesHelp); }));
}

QWidget* TRunForm::makeSamplingGroup() {
    QGroupBox* group =
        HelpGroup(QStringLiteral("Sampling frequency (output)"), kRunSamplingHelp, this);
    CheckBox1 = new QCheckBox(QStringLiteral("At termination of each run"), group);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(QStringLiteral("Periodically during each run..."), group);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    IntegerEdit1 = MakeIntegerEdit(group, "IntegerEdit1", kPeriodField);
    PeriodLabel = PlainLabel(QStringLiteral("Period (timesteps):"), group);
    auto* period = new QHBoxLayout;
    period->addSpacing(20);
    period->addWidget(PeriodLabel);
    period->addWidget(IntegerEdit1);
    period->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(CheckBox1);
    layout->addWidget(CheckBox2);
    layout->addLayout(period);
    return group;
}

QWidget* TRunForm::makeOutputGroup() {
    RadioGroup1 = new halvern::RadioGroup(
        QStringLiteral("Output dynamical variables information for..."), kOutputItems, this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    SetHelpContext(RadioGroup1, kRunOutputHelp);
    MemoLabel = PlainLabel(QStringLiteral("User-programmed output function"), RadioGroup1);
    Memo1 = new QPlainTextEdit(RadioGroup1);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setTabChangesFocus(true);
    Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * 4 + 12);
    SamplesButton = new QPushButton(QStringLiteral("Samples"), RadioGroup1);
    SamplesButton->setObjectName(QStringLiteral("SamplesButton"));
    SamplesButton->setAutoDefault(false);
    auto* memoHead = new QHBoxLayout;
    memoHead->addWidget(MemoLabel);
    memoHead->addStretch();
    memoHead->addWidget(SamplesButton);
    auto* layout = static_cast<QVBoxLayout*>(RadioGroup1->layout());
    layout->addLayout(memoHead);
    layout->addWidget(Memo1);
    return RadioGroup1;
}

QWidget* TRunForm::makeAnglesGroup() {
    QGroupBox* group =
        HelpGroup(QStringLiteral("Projectile incident angles"), kRunAnglesHelp, this);
    FloatEdit1 = MakeFloatEdit(group, "FloatEdit1", kAltitudeField);
    FloatEdit2 = MakeFloatEdit(group, "FloatEdit2", kAzimuthField);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Altitudinal angle"),
                 WithNote(FloatEdit1, QStringLiteral("(\u03B8\u2032 = 90 - \u03B8)"), group));
    form->addRow(QStringLiteral("Azimuthal angle"),
                 WithNote(FloatEdit2, QStringLiteral("(\u03A6)"), group));
    return group;
}

QWidget* TRunForm::makePeriodicGroup() {
    QGroupBox* group = HelpGroup(QStringLiteral("Periodic parameters"), kRunPeriodicHelp, this);
    FloatEdit3 = MakeFloatEdit(group, "FloatEdit3", kTimeStepField);
    IntegerEdit2 = MakeIntegerEdit(group, "IntegerEdit2", kNeighbourUpdateField);
    FloatEdit4 =
        MakeFloatEdit(group, "FloatEdit4", 0.0L, 100000.0L, decltype(spec_.TMax)::kWidth, "300.0");
    FloatEdit5 =
        MakeFloatEdit(group, "FloatEdit5", 0.0L, 100000.0L, decltype(spec_.TMin)::kWidth, "10.0");
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Initial timestep (s)"), FloatEdit3);
    form->addRow(QStringLiteral("Neighbour update time  (timesteps)"), IntegerEdit2);
    form->addRow(QStringLiteral("Termination time, maximum (fs)"), FloatEdit4);
    form->addRow(QStringLiteral("Termination time, minimum (fs)"), FloatEdit5);
    return group;
}

QWidget* TRunForm::makeCutOffGroup() {
    QGroupBox* group = HelpGroup(QStringLiteral("Cut-off parameters"), kRunCutOffHelp, this);
    FloatEdit6 = MakeFloatEdit(group, "FloatEdit6", kCutOffField);
    IntegerEdit3 = MakeIntegerEdit(group, "IntegerEdit3", kPartnersField);
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("Potential cut-off (A)"), FloatEdit6);
    form->addRow(QStringLiteral("Maximum number of partners"), IntegerEdit3);
    form->addRow(PlainLabel(QStringLiteral("Use F1 key for context-sensitive Help"), group));
    return group;
}

void TRunForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    recordToControls();
}

void TRunForm::recordToControls() {
    {
        const QSignalBlocker block1(CheckBox1);
        const QSignalBlocker block2(CheckBox2);
        CheckBox1->setChecked(SamplesAtTermination(spec_.SampleMode));
        CheckBox2->setChecked(SamplesPeriodically(spec_.SampleMode));
    }
    ShowField(IntegerEdit1, spec_.Period);
    RadioGroup1->setItemIndex(spec_.OutputOption);
    ShowField(FloatEdit1, spec_.Altitude);
    ShowField(FloatEdit2, spec_.Azimuth);
    ShowField(FloatEdit3, spec_.TimeStep);
    ShowField(IntegerEdit2, spec_.NeighbourUpdate);
    ShowField(FloatEdit4, spec_.TMax);
    ShowField(FloatEdit5, spec_.TMin);
    ShowField(FloatEdit6, spec_.CutOff);
    ShowField(IntegerEdit3, spec_.Partners);
    Memo1->setPlainText(halvern::DecodeText(spec_.Expression));
    applyEnablingRules();
}

void TRunForm::controlsToRecord() {
    spec_.SampleMode = SampleModeOf(CheckBox1->isChecked(), CheckBox2->isChecked());
    spec_.OutputOption = static_cast<uint16_t>(std::max(RadioGroup1->itemIndex(), 0));
    spec_.Period = FieldText(IntegerEdit1);
    spec_.Altitude = FieldText(FloatEdit1);
    spec_.Azimuth = FieldText(FloatEdit2);
    spec_.TimeStep = FieldText(FloatEdit3);
    spec_.NeighbourUpdate = FieldText(IntegerEdit2);
    spec_.TMax = FieldText(FloatEdit4);
    spec_.TMin = FieldText(FloatEdit5);
    spec_.CutOff = FieldText(FloatEdit6);
    spec_.Partners = FieldText(IntegerEdit3);
    spec_.Expression = halvern::CoreText(Memo1->toPlainText());
}

void TRunForm::applyEnablingRules() {
    const RunControlsEnabled enabled =
        RunControlsEnabledFor(CheckBox1->isChecked(), CheckBox2->isChecked(),
                              static_cast<uint16_t>(std::max(RadioGroup1->itemIndex(), 0)));
    IntegerEdit1->setEnabled(enabled.period);
    PeriodLabel->setEnabled(enabled.period);
    // The memo lies inside the group; it needs some sampling as well.
    RadioGroup1->setEnabled(enabled.output);
    Memo1->setEnabled(enabled.expression);
    MemoLabel->setEnabled(enabled.expression);
    SamplesButton->setEnabled(enabled.expression);
}

void TRunForm::limitMemo() {
    const QString text = Memo1->toPlainText();
    if (halvern::CoreText(text).size() <= decltype(spec_.Expression)::kWidth) return;
    QString cut = text;
    while (halvern::CoreText(cut).size() > decltype(spec_.Expression)::kWidth) cut.chop(1);
    const QSignalBlocker block(Memo1);
    Memo1->setPlainText(cut);
    Memo1->moveCursor(QTextCursor::End);
}

bool TRunForm::BitBtn1Click() {
    const std::optional<std::string> name =
        AskSaveFileName(this, {"Save run specification file as...",
                               "Run specification file|*.RUN *.run", FileName, "RUN"});
    if (!name) return false;
    spec_.FileName = *name;
    controlsToRecord();
    WriteRunFile(spec_, halvern::UiSink());
    return true;
}

}  // namespace velkor
