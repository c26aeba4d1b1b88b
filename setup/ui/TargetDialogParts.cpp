#include "TargetDialogParts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "DialogDefault.h"
#include "DisplayText.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "HelpWindow.h"
#include "NumberText.h"
#include "NumericControl.h"
#include "UiSink.h"
#include "targets/GeneratorFrame.h"
#include "text/TextConversions.h"

namespace velkor {

std::string FieldText(const QLineEdit* edit) {
    return halvern::CoreText(edit->text());
}

void ShowField(QLineEdit* edit, std::string_view text) {
    edit->setText(halvern::DecodeText(text));
}

void FitWidth(QLineEdit* edit, int chars) {
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QString(chars, QLatin1Char('0'))) + 16);
}

namespace {

template <class Edit, class Bound>
Edit* MakeNumericEdit(QWidget* parent, const char* name, Bound min, Bound max, int maxLength,
                      const char* text) {
    auto* edit = new Edit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMinValue(min);
    edit->setMaxValue(max);
    if (maxLength > 0) edit->setMaxLength(maxLength);
    FitWidth(edit, maxLength > 0 ? std::max(maxLength, 3) : 3);
    edit->setText(QString::fromLatin1(text));
    return edit;
}

}  // namespace

halvern::TFloatEdit* MakeFloatEdit(QWidget* parent, const char* name, long double min,
                                   long double max, int maxLength, const char* text) {
    return MakeNumericEdit<halvern::TFloatEdit>(parent, name, min, max, maxLength, text);
}

halvern::TIntegerEdit* MakeIntegerEdit(QWidget* parent, const char* name, int32_t min, int32_t max,
                                       int maxLength, const char* text) {
    return MakeNumericEdit<halvern::TIntegerEdit>(parent, name, min, max, maxLength, text);
}

void DimensionControls::updateCount(int atomsPerSite) const {
    const int64_t n =
        TargetLineCount(FieldText(xWidth), FieldText(yWidth), FieldText(depth), atomsPerSite);
    count->setText(QString::fromStdString(halvern::FormatInt(n) + " atoms"));
}

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setTextFormat(Qt::PlainText);
    if (name) label->setObjectName(QString::fromLatin1(name));
    return label;
}

QWidget* Row(QWidget* parent, QWidget* edit, QLabel* factor) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    edit->setParent(row);
    factor->setParent(row);
    layout->addWidget(edit);
    layout->addWidget(factor);
    layout->addStretch();
    return row;
}

}  // namespace

DimensionControls MakeDimensionGroup(QWidget* parent, const DimensionNames& names,
                                     const char* depthFactorText) {
    DimensionControls c;
    c.group = new QGroupBox(QStringLiteral("Lattice dimensions (atoms)"), parent);
    c.xWidth = MakeIntegerEdit(c.group, names.xWidth, 0, 99, CountText::kWidth, "5");
    c.yWidth = MakeIntegerEdit(c.group, names.yWidth, 0, 99, CountText::kWidth, "5");
    c.depth = MakeIntegerEdit(c.group, names.depth, 0, 99, CountText::kWidth, "8");
    c.xFactor = MakeLabel(c.group, names.xFactor, "*2 + 1");
    c.yFactor = MakeLabel(c.group, names.yFactor, "*2 + 1");
    c.depthFactor = MakeLabel(c.group, names.depthFactor, depthFactorText);
    c.count = MakeLabel(c.group, "Label14", "");
    auto* form = new QFormLayout(c.group);
    form->addRow(QStringLiteral("X-width ="), Row(c.group, c.xWidth, c.xFactor));
    form->addRow(QStringLiteral("Y-width ="), Row(c.group, c.yWidth, c.yFactor));
    form->addRow(QStringLiteral("Z-depth ="), Row(c.group, c.depth, c.depthFactor));
    form->addRow(c.count);
    return c;
}

OriginControls MakeOriginGroup(QWidget* parent, const char* xName, const char* yName,
                               const char* zName) {
    OriginControls c;
    c.group = new QGroupBox(QStringLiteral("Lattice origin (A)"), parent);
    c.x = MakeFloatEdit(c.group, xName, -100.0L, 100.0L, OriginText::kWidth, "0.0");
    c.y = MakeFloatEdit(c.group, yName, -100.0L, 100.0L, OriginText::kWidth, "0.0");
    c.z = MakeFloatEdit(c.group, zName, -100.0L, 100.0L, OriginText::kWidth, "0.0");
    auto* form = new QFormLayout(c.group);
    form->addRow(QStringLiteral("X ="), c.x);
    form->addRow(QStringLiteral("Y ="), c.y);
    form->addRow(QStringLiteral("Z ="), c.z);
    return c;
}

LatticeBoxControls MakeLatticeBoxControls(QWidget* parent, const LatticeBoxNames& names,
                                          const char* depthFactorText) {
    LatticeBoxControls c;
    c.dimensions = MakeDimensionGroup(parent, names.dimensions, depthFactorText);
    c.origin = MakeOriginGroup(parent, names.xOrigin, names.yOrigin, names.zOrigin);
    c.flagEdit = MakeIntegerEdit(parent, "FlagEdit", 0, 255, 0, "0");
    return c;
}

void ShowLatticeBox(const LatticeBoxControls& c, std::string_view x, std::string_view y,
                    std::string_view layers, std::string_view x0, std::string_view y0,
                    std::string_view z0, uint8_t flags) {
    ShowField(c.dimensions.xWidth, x);
    ShowField(c.dimensions.yWidth, y);
    ShowField(c.dimensions.depth, layers);
    ShowField(c.origin.x, x0);
    ShowField(c.origin.y, y0);
    ShowField(c.origin.z, z0);
    ShowField(c.flagEdit, halvern::FormatInt(flags));
}

void StoreLatticeBox(const LatticeBoxControls& c, CountText& x, CountText& y, CountText& layers,
                     OriginText& x0, OriginText& y0, OriginText& z0, uint8_t& flags) {
    x = FieldText(c.dimensions.xWidth);
    y = FieldText(c.dimensions.yWidth);
    layers = FieldText(c.dimensions.depth);
    x0 = FieldText(c.origin.x);
    y0 = FieldText(c.origin.y);
    z0 = FieldText(c.origin.z);
    // The edit holds 0..255 when it is left; the byte keeps the low 8 bits of any other value.
    flags = static_cast<uint8_t>(TextToInt(halvern::UiSink(), FieldText(c.flagEdit)));
}

void ConnectAtomCount(QDialog* dialog, const DimensionControls& dimensions,
                      std::function<void()> update) {
    for (QLineEdit* edit :
         {static_cast<QLineEdit*>(dimensions.xWidth), static_cast<QLineEdit*>(dimensions.yWidth),
          static_cast<QLineEdit*>(dimensions.depth)})
        QObject::connect(edit, &QLineEdit::textChanged, dialog, halvern::GuardedSlot(update));
}

void LayOutTargetDialog(QDialog* dialog, std::initializer_list<QWidget*> elementGroups,
                        const LatticeBoxControls& box, QLayout* buttons) {
    auto* left = new QVBoxLayout;
    for (QWidget* group : elementGroups) left->addWidget(group);
    auto* flags = new QFormLayout;
    flags->addRow(QStringLiteral("Flags"), box.flagEdit);
    left->addLayout(flags);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(box.dimensions.group);
    right->addWidget(box.origin.group);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLayout* MakeDialogButtons(QDialog* dialog, int helpContext, const char* okText,
                           std::function<bool()> onAccept) {
    auto* ok = new QPushButton(QString::fromLatin1(okText), dialog);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    auto* help = new QPushButton(QStringLiteral("Help"), dialog);
    help->setObjectName(QStringLiteral("BitBtn3"));
    QObject::connect(ok, &QPushButton::clicked, dialog,
                     halvern::GuardedSlot([dialog, onAccept = std::move(onAccept)] {
                         if (!halvern::ValidateNumericControls(dialog)) return;
                         if (onAccept && !onAccept()) return;
                         dialog->accept();
                     }));
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, dialog, halvern::GuardedSlot([helpContext] {
                         halvern::ShowHelp(kHelpProgram, helpContext);
                     }));
    halvern::SetHelpContext(dialog, helpContext);
    halvern::KeepOkDefault(dialog, ok);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(help);
    return row;
}

}  // namespace velkor
