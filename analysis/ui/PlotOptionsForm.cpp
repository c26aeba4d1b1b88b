#include "PlotOptionsForm.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "FltEdit.h"
#include "HelpContexts.h"
#include "ItemRadioGroup.h"
#include "NumberText.h"
#include "NumericControl.h"

namespace brisal {

using halvern::PlotterSettings;

namespace {

halvern::TIntegerEdit* IntegerEdit(const char* name, const halvern::IntFieldSpec& spec,
                                   int32_t value) {
    auto* edit = new halvern::TIntegerEdit;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinValue(spec.min);
    edit->setMaxValue(spec.max);
    edit->setMaxLength(spec.maxLength);
    edit->setText(QString::number(value));
    edit->setMaximumWidth(90);
    return edit;
}

int32_t ValueOf(const halvern::TIntegerEdit& edit, const halvern::IntFieldSpec& spec) {
    int32_t value = spec.min;
    if (!halvern::ParseInt32(edit.text().toStdString(), value)) return spec.min;
    return std::clamp(value, spec.min, spec.max);
}

}  // namespace

TTOptionsForm::TTOptionsForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Trajectory display options"));
    const PlotterSettings initial;
    auto* layout = new QVBoxLayout(this);

    FrameGroup = new halvern::RadioGroup(
        QStringLiteral("Framing method"),
        {QStringLiteral("Constant frame interval = "), QStringLiteral("Time-based frame interval")});
    FrameGroup->setObjectName(QStringLiteral("FrameGroup"));
    FrameGroup->setItemIndex(initial.framing == halvern::Framing::Constant ? 0 : 1);
    IntegerEdit1 = IntegerEdit("IntegerEdit1", halvern::kRecordsPerFrameField,
                               initial.recordsPerFrame);
    IntegerEdit1->setToolTip(QStringLiteral("Number of records per frame"));
    auto* framing = new QHBoxLayout;
    framing->addWidget(FrameGroup);
    framing->addWidget(IntegerEdit1, 0, Qt::AlignTop);
    layout->addLayout(framing);
    connect(FrameGroup, &halvern::RadioGroup::itemClicked, this, [this] { FrameGroupClick(); });

    DisplayGroup = new halvern::RadioGroup(
        QStringLiteral("Display type (units)"),
        {QStringLiteral("Spatial coordinates (Angstrom)"), QStringLiteral("Momenta (10-22 kg m /s)")});
    DisplayGroup->setObjectName(QStringLiteral("DisplayGroup"));
    DisplayGroup->setItemIndex(static_cast<int>(initial.display));
    layout->addWidget(DisplayGroup);

    auto* fields = new QFormLayout;
    IntegerEdit2 = IntegerEdit("IntegerEdit2", halvern::kFrameDelayField, initial.delayMs);
    IntegerEdit3 = IntegerEdit("IntegerEdit3", halvern::kHighlightField, initial.highlighted);
    fields->addRow(BuddyLabel(QStringLiteral("&Delay between frames (ms)"), IntegerEdit2),
                   IntegerEdit2);
    fields->addRow(QStringLiteral("Highlighted particle index"), IntegerEdit3);
    layout->addLayout(fields);

    DialogButtons buttons = MakeDialogButtons(*this, kPlotterOptionsHelp, [this] {
        if (halvern::ValidateNumericControls(this)) accept();
    });
    buttons.ok->setText(QStringLiteral("&Reload"));
    layout->addLayout(buttons.row);
    FrameGroupClick();
}

void TTOptionsForm::FrameGroupClick() {
    IntegerEdit1->setEnabled(FrameGroup->itemIndex() == 0);
}

PlotterSettings TTOptionsForm::settings() const {
    PlotterSettings s;
    s.framing = FrameGroup->itemIndex() == 0 ? halvern::Framing::Constant
                                             : halvern::Framing::TimeBased;
    s.recordsPerFrame = ValueOf(*IntegerEdit1, halvern::kRecordsPerFrameField);
    s.display = DisplayGroup->itemIndex() == 1 ? halvern::DisplayType::Momenta
                                               : halvern::DisplayType::Spatial;
    s.delayMs = ValueOf(*IntegerEdit2, halvern::kFrameDelayField);
    s.highlighted = ValueOf(*IntegerEdit3, halvern::kHighlightField);
    return s;
}

}  // namespace brisal
