#include "ImpForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "DisplayText.h"
#include "FieldControls.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "InputDialogParts.h"
#include "ItemRadioGroup.h"
#include "MeshPreviewView.h"
#include "NumberText.h"
#include "NumericControl.h"
#include "TargetDialogParts.h"
#include "UiSink.h"
#include "WaitCursor.h"
#include "inputfiles/ImpactFile.h"
#include "text/TextConversions.h"

namespace velkor {

namespace {

// A real edit's text as a number, quietly: a bad text counts 0 (and is reported where the
// record takes it).
double EditValue(const halvern::TFloatEdit* edit) {
    return static_cast<double>(TextToRealQuiet(FieldText(edit)));
}

}  // namespace

TImpForm::TImpForm(TImpactSpec& spec, QWidget* parent) : QDialog(parent), spec_(spec) {
    setObjectName(QStringLiteral("ImpForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    SetHelpContext(this, kImpactDialogHelp);
    AddHelpKey(this, kImpactDialogHelp);

    auto* columns = new QHBoxLayout;
    columns->addWidget(makeMeshGroup());
    columns->addWidget(makePreviewGroup());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(
        MakeDialogButtons(this, kImpactDialogHelp, "OK", [this] { return OkBtnClick(); }));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TImpForm::makeMeshGroup() {
    auto* group = new QGroupBox(QStringLiteral("Impact mesh"), this);
    FloatEdit1 = MakeFloatEdit(group, "FloatEdit1", kMeshBoundField);
    FloatEdit2 = MakeFloatEdit(group, "FloatEdit2", kMeshBoundField);
    IntegerEdit1 = MakeIntegerEdit(group, "IntegerEdit1", kMeshCountField);
    FloatEdit3 = MakeFloatEdit(group, "FloatEdit3", kMeshBoundField);
    FloatEdit4 = MakeFloatEdit(group, "FloatEdit4", kMeshBoundField);
    IntegerEdit2 = MakeIntegerEdit(group, "IntegerEdit2", kMeshCountField);
    FloatEdit6 = MakeFloatEdit(group, "FloatEdit6", kMeshAngleField);
    FitWidth(FloatEdit6, 8);
    FloatEdit5 = MakeFloatEdit(group, "FloatEdit5", kMeshZ0Field);

    auto* grid = new QGridLayout(group);
    const struct {
        const char* caption;
        QWidget* edit;
        int row, column;
    } cells[] = {
        {"bx (min)", FloatEdit1, 0, 0},   {"bx (max)", FloatEdit2, 0, 1},
        {"No. impacts", IntegerEdit1, 0, 2}, {"by (min)", FloatEdit3, 2, 0},
        {"by (max)", FloatEdit4, 2, 1},   {"No. impacts", IntegerEdit2, 2, 2},
        {"(x,y) angle (deg.)", FloatEdit6, 4, 0}, {"Projectile z0 (A)", FloatEdit5, 4, 1},
    };
    for (const auto& cell : cells) {
        grid->addWidget(PlainLabel(QString::fromLatin1(cell.caption), group), cell.row, cell.column);
        grid->addWidget(cell.edit, cell.row + 1, cell.column);
    }
    RadioGroup1 = new halvern::RadioGroup(QStringLiteral("Impact Density"),
                                          {QStringLiteral("Uniform"), QStringLiteral("Weighted")},
                                          group);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setEnabled(false);  // the weighted density has no point layout
    RadioGroup1->setToolTip(QStringLiteral("[This feature not yet implemented]"));
    grid->addWidget(RadioGroup1, 6, 0, 1, 3);
    return group;
}

QWidget* TImpForm::makePreviewGroup() {
    auto* group = new QGroupBox(QStringLiteral("Preview"), this);
    auto* layout = new QVBoxLayout(group);
    Graph = new MeshPreviewView(group);
    Graph->onCursorMoved = [this](int x, int y) {
        halvern::RunGuarded(halvern::UiSink(), [&] { GraphMouseMove(x, y); });
    };
    layout->addWidget(Graph, 0, Qt::AlignHCenter);
    Label9 = PlainLabel(QString(), group);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label13 = PlainLabel(QStringLiteral("x = "), group);
    Label13->setObjectName(QStringLiteral("Label13"));
    Label14 = PlainLabel(QStringLiteral("y = "), group);
    Label14->setObjectName(QStringLiteral("Label14"));
    for (QLabel* label : {Label9, Label13, Label14}) {
        label->setWordWrap(true);
        label->setFixedWidth(170);
        layout->addWidget(label);
    }
    PreviewBtn = new QPushButton(QStringLiteral("Preview"), group);
    PreviewBtn->setObjectName(QStringLiteral("PreviewBtn"));
    PreviewBtn->setAutoDefault(false);
    auto* copy = new QPushButton(QStringLiteral("Copy"), group);
    copy->setObjectName(QStringLiteral("BitBtn1Copy"));
    copy->setAutoDefault(false);
    auto* templates = new QPushButton(QStringLiteral("&Templates"), group);
    templates->setObjectName(QStringLiteral("BitBtn2Templates"));
    templates->setAutoDefault(false);
    connect(PreviewBtn, &QPushButton::clicked, this,
            halvern::GuardedSlot([this] { PreviewBtnClick(); }));
    connect(copy, &QPushButton::clicked, this,
            halvern::GuardedSlot([this] { Graph->copyToClipboard(); }));
    connect(templates, &QPushButton::clicked, this, halvern::GuardedSlot([] {
                halvern::ShowHelp(kHelpProgram, kImpactTemplatesHelp);
            }));
    for (QPushButton* button : {PreviewBtn, copy, templates}) layout->addWidget(button);
    return group;
}

void TImpForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    halvern::RunGuarded(halvern::UiSink(), [this] {
        RecordToControls();
        PreviewBtnClick();
        Label13->setText(QStringLiteral("x = "));
        Label14->setText(QStringLiteral("y = "));
    });
}

void TImpForm::RecordToControls() {
    ShowField(FloatEdit1, spec_.BxMin);
    ShowField(FloatEdit2, spec_.BxMax);
    ShowField(IntegerEdit1, halvern::FormatInt(spec_.Nx));
    ShowField(FloatEdit3, spec_.ByMin);
    ShowField(FloatEdit4, spec_.ByMax);
    ShowField(IntegerEdit2, halvern::FormatInt(spec_.Ny));
    ShowField(FloatEdit6, halvern::ShortestRealText(spec_.Angle));
    ShowField(FloatEdit5, spec_.Z0);
    RadioGroup1->setItemIndex(spec_.Density);
}

void TImpForm::ControlsToRecordQuietly() {
    spec_.BxMin = FieldText(FloatEdit1);
    spec_.BxMax = FieldText(FloatEdit2);
    spec_.ByMin = FieldText(FloatEdit3);
    spec_.ByMax = FieldText(FloatEdit4);
    spec_.Z0 = FieldText(FloatEdit5);
    spec_.Nx = TextToIntQuiet(FieldText(IntegerEdit1));
    spec_.Ny = TextToIntQuiet(FieldText(IntegerEdit2));
    spec_.Angle = EditValue(FloatEdit6);
    spec_.Density = static_cast<uint16_t>(std::max(RadioGroup1->itemIndex(), 0));
}

void TImpForm::ControlsToRecord() {
    ControlsToRecordQuietly();
    halvern::MessageSink& sink = halvern::UiSink();
    spec_.Nx = TextToInt(sink, FieldText(IntegerEdit1));
    spec_.Ny = TextToInt(sink, FieldText(IntegerEdit2));
    spec_.Angle = static_cast<double>(TextToReal(sink, FieldText(FloatEdit6)));
}

bool TImpForm::OriginRuleHolds() {
    if (velkor::OriginRuleHolds(EditValue(FloatEdit6), EditValue(FloatEdit1),
                                EditValue(FloatEdit3)))
        return true;
    halvern::UiSink().info(kOriginRuleMessage);
    return false;
}

void TImpForm::PreviewBtnClick() {
    if (!OriginRuleHolds()) return;
    Graph->clear();
    ControlsToRecord();
    PreviewBtn->setText(QStringLiteral("Working..."));
    PreviewBtn->repaint();
    halvern::MessageSink& sink = halvern::UiSink();
    const TMeshNumbers mesh = MeshNumbersOf(spec_, sink);
    const TMeshPreview preview = PreviewImpactMesh(mesh);
    if (mesh.density == 0 && !preview.drawable)
        sink.error("Impact param. range error: cannot preview.");
    Graph->draw(preview);
    Label9->setText(QString::fromStdString(PreviewCountText(preview.count)));
    PreviewBtn->setText(QStringLiteral("Refresh"));
}

// The read-out never opens a box: the texts are read quietly and a wrong range is said in
// the read-out itself.
void TImpForm::GraphMouseMove(int x, int y) {
    ControlsToRecordQuietly();
    std::string xText, yText;
    PreviewReadOut(QuietMeshBounds(spec_), x, y, xText, yText);
    Label13->setText(halvern::DecodeText(xText));
    Label14->setText(yText == xText ? QString() : halvern::DecodeText(yText));
}

bool TImpForm::OkBtnClick() {
    if (!OriginRuleHolds()) return false;  // the dialog stays open with the user's values
    const std::optional<std::string> name =
        AskSaveFileName(this, {"Save impact points specification file as...",
                               "Impact specification file|*.IMP;*.imp", FileName, "imp"});
    if (!name) return true;
    const halvern::WaitCursor wait;
    ControlsToRecord();
    WriteImpactFile(spec_, *name, halvern::UiSink());
    return true;
}

}  // namespace velkor
