#include "Genius2Form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DialogButtons.h"
#include "DisplayText.h"
#include "GeniusTables.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "ItemRadioGroup.h"
#include "NumericFields.h"

namespace brisal {

using halvern::GuardedSlot;

namespace {

template <size_t N>
QStringList Captions(const std::array<GeniusChoice, N>& choices) {
    QStringList captions;
    for (const GeniusChoice& choice : choices) captions << QString::fromUtf8(choice.caption);
    return captions;
}

halvern::RadioGroup* Group(const char* name, const QString& title, const QStringList& items) {
    auto* group = new halvern::RadioGroup(title, items);
    group->setObjectName(QString::fromLatin1(name));
    group->setItemIndex(0);
    return group;
}

QPushButton* Button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

const QString kExpressionForm =
    QStringLiteral("= logical expression [+ [logical operator] + [logical expression]...]");

}  // namespace

TGenius2Form::TGenius2Form(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Filter Genius"));
    ParamGroup = Group("ParamGroup", QStringLiteral("Parameters"), Captions(kFilterParameters));
    RelationGroup =
        Group("RelationGroup", QStringLiteral("Relational operators"), Captions(kFilterRelations));
    LogicGroup =
        Group("LogicGroup", QStringLiteral("Logical operators"), Captions(kFilterLogicOperators));

    FloatEdit1 = RealField("FloatEdit1", "0.0", -1e100L, 1e100L);
    FloatEdit1->setMaxLength(20);
    IntegerEdit1 = IntegerField("IntegerEdit1", "0", 0, 100000);
    FloatLbl =
        new QLabel(QStringLiteral("Floating point value (same units as the selected "
                                  "parameter)"));
    FloatLbl->setObjectName(QStringLiteral("FloatLbl"));
    IntLbl = new QLabel(QStringLiteral("Integral value (dimensionless)"));
    IntLbl->setObjectName(QStringLiteral("IntLbl"));
    for (QWidget* edit : {static_cast<QWidget*>(FloatEdit1), static_cast<QWidget*>(IntegerEdit1)})
        edit->setMinimumWidth(140);
    auto* testValue = new QGroupBox(QStringLiteral("Test value"));
    auto* testLayout = new QGridLayout(testValue);
    testLayout->addWidget(FloatLbl, 0, 0);
    testLayout->addWidget(FloatEdit1, 0, 1);
    testLayout->addWidget(IntLbl, 1, 0);
    testLayout->addWidget(IntegerEdit1, 1, 1);
    ParamGroupClick(0);

    auto* paste = Button("BitBtn1", QStringLiteral("Paste logical expression"));
    LogicBtn = Button("LogicBtn", QStringLiteral("Paste logical operator"));
    auto* clear = Button("BitBtn2", QStringLiteral("&Clear"));
    Result1 = new QLineEdit;
    Result1->setObjectName(QStringLiteral("Result1"));
    Result1->setMinimumWidth(420);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NoteLabel(kExpressionForm));
    layout->addWidget(NoteLabel(
        QStringLiteral("logical expression = [parameter] + [relational operator] + [test value]")));
    auto* choices = new QGridLayout;
    choices->addWidget(ParamGroup, 0, 0, 3, 1);
    choices->addWidget(RelationGroup, 0, 1);
    choices->addWidget(testValue, 1, 1);
    choices->addWidget(paste, 2, 1, Qt::AlignTop);
    choices->addWidget(LogicGroup, 3, 0);
    choices->addWidget(LogicBtn, 3, 1, Qt::AlignTop);
    layout->addLayout(choices);
    layout->addWidget(BuddyLabel(QStringLiteral("Result"), Result1));
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(Result1, 1);
    resultRow->addWidget(clear);
    layout->addLayout(resultRow);
    layout->addWidget(NoteLabel(QStringLiteral(
        "This Genius only invokes a subset of the query language and its parameters. See Help "
        "for a comprehensive definition. You may edit the Result by hand if you need to "
        "substitute a parametric expression in place of the numeric test value, e.g. [rz > rx].")));
    layout->addWidget(NoteLabel(QStringLiteral(
        "Note: the correctness of the syntax is not checked until you execute the filter.")));
    const DialogButtons buttons = MakeDialogButtons(*this, kFilterGeniusHelp);
    OkBtn = buttons.ok;
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    layout->addLayout(buttons.row);
    setJoinEnabled(false);

    connect(ParamGroup, &halvern::RadioGroup::itemClicked, this, [this](int index) {
        halvern::RunGuarded(halvern::UiSink(), [&] { ParamGroupClick(index); });
    });
    connect(paste, &QPushButton::clicked, this, GuardedSlot([this] { BitBtn1Click(); }));
    connect(LogicBtn, &QPushButton::clicked, this, GuardedSlot([this] { LogicBtnClick(); }));
    connect(clear, &QPushButton::clicked, this, GuardedSlot([this] { BitBtn2Click(); }));
}

std::string TGenius2Form::result() const {
    return halvern::CoreText(Result1->text());
}

void TGenius2Form::ParamGroupClick(int index) {
    const bool real = index < kFirstIntegerParameter;
    FloatEdit1->setEnabled(real);
    FloatLbl->setEnabled(real);
    IntegerEdit1->setEnabled(!real);
    IntLbl->setEnabled(!real);
}

void TGenius2Form::BitBtn1Click() {
    const int parameter = ParamGroup->itemIndex(), relation = RelationGroup->itemIndex();
    if (parameter < 0 || relation < 0) return;
    // The test value is checked here: a click on this button need not move the focus.
    const bool real = FloatEdit1->isEnabled();
    if (real ? !FloatEdit1->validate() : !IntegerEdit1->validate()) return;
    const std::string value = FilterTestValue(real, halvern::CoreText(FloatEdit1->text()),
                                              halvern::CoreText(IntegerEdit1->text()));
    Result1->setText(Result1->text() +
                     halvern::DecodeText(FilterPiece(parameter, relation, value)));
    setJoinEnabled(true);
}

void TGenius2Form::LogicBtnClick() {
    const int index = LogicGroup->itemIndex();
    if (index < 0) return;
    Result1->setText(Result1->text() +
                     QString::fromUtf8(kFilterLogicOperators[static_cast<size_t>(index)].text));
}

void TGenius2Form::BitBtn2Click() {
    Result1->clear();
    setJoinEnabled(false);
}

void TGenius2Form::setJoinEnabled(bool enabled) {
    OkBtn->setEnabled(enabled);
    LogicGroup->setEnabled(enabled);
    LogicBtn->setEnabled(enabled);
}

}  // namespace brisal
