#include "ScatterForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "DisplayText.h"
#include "ContextHelp.h"
#include "GuardedSlot.h"
#include "HelpWindow.h"
#include "ReadOnlyEdit.h"
#include "UiSink.h"

namespace halvern {

namespace {

QLineEdit* ResultEdit(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    MakeReadOnly(edit);
    edit->setMaxLength(static_cast<int>(kScatterTextWidth));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    return edit;
}

template <size_t N>
TFloatComboBox* MassCombo(QWidget* parent, const char* name, const std::array<const char*, N>& list,
                          const char* text) {
    auto* combo = new TFloatComboBox(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setMinValue(kScatterMassMin);
    combo->setMaxValue(kScatterMassMax);
    for (const char* item : list) combo->addItem(QString::fromLatin1(item));
    combo->setEditText(QString::fromLatin1(text));
    return combo;
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Arrow(QPainter& painter, QPointF from, QPointF to) {
    painter.drawLine(from, to);
    const double angle = std::atan2(from.y() - to.y(), from.x() - to.x());
    for (double side : {-0.4, 0.4})
        painter.drawLine(to, to + QPointF(9 * std::cos(angle + side), 9 * std::sin(angle + side)));
}

}  // namespace

LabSystemFigure::LabSystemFigure(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("LabFigure"));
    setMinimumSize(sizeHint());
}

void LabSystemFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().text().color());
    const QFontMetrics metrics(font());
    painter.drawText(QPointF(6, metrics.ascent() + 4), QStringLiteral("Lab system"));
    const QPointF centre(width() * 0.45, height() * 0.55);
    const double arm = std::min(width() * 0.45, height() * 0.4);
    Arrow(painter, centre - QPointF(arm, 0), centre);
    painter.setPen(QPen(palette().text().color(), 1, Qt::DotLine));
    painter.drawLine(centre, centre + QPointF(arm, 0));
    painter.setPen(palette().text().color());
    const double theta1 = 40 * M_PI / 180, theta2 = 55 * M_PI / 180;
    const QPointF scattered = centre + QPointF(arm * std::cos(theta1), -arm * std::sin(theta1));
    const QPointF recoil = centre + QPointF(arm * std::cos(theta2), arm * std::sin(theta2));
    Arrow(painter, centre, scattered);
    Arrow(painter, centre, recoil);
    painter.drawArc(QRectF(centre - QPointF(28, 28), QSizeF(56, 56)), 0, 40 * 16);
    painter.drawArc(QRectF(centre - QPointF(22, 22), QSizeF(44, 44)), -55 * 16, 55 * 16);
    painter.drawText(centre - QPointF(arm, 6), QStringLiteral("E0"));
    painter.drawText(scattered + QPointF(-14, -4), QStringLiteral("E1"));
    painter.drawText(recoil + QPointF(4, 0), QStringLiteral("E2"));
    painter.drawText(centre + QPointF(31, -6), QString::fromUtf8("\u03b81"));
    painter.drawText(centre + QPointF(16, 26), QString::fromUtf8("\u03b82"));
}

TScatterForm::TScatterForm(std::string helpProgram, QWidget* parent)
    : QDialog(parent), helpProgram_(std::move(helpProgram)) {
    setObjectName(QStringLiteral("ScatterForm"));
    setWindowTitle(QStringLiteral("Scattering Relations"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setModal(false);

    ComboBox1 = MassCombo(this, "ComboBox1", kProjectileMassList, kDefaultProjectileMass);
    ComboBox2 = MassCombo(this, "ComboBox2", kTargetMassList, kDefaultTargetMass);
    FloatEdit1 = new TFloatEdit(this);
    FloatEdit1->setObjectName(QStringLiteral("FloatEdit1"));
    FloatEdit1->setMinValue(kScatterAngleMin);
    FloatEdit1->setMaxValue(kScatterAngleMax);
    FloatEdit1->setText(QString::fromLatin1(kDefaultLabAngle));
    Edit1 = ResultEdit(this, "Edit1");
    Edit2 = ResultEdit(this, "Edit2");
    Edit3 = ResultEdit(this, "Edit3");
    Edit4 = ResultEdit(this, "Edit4");
    Edit5 = ResultEdit(this, "Edit5");
    Edit6 = ResultEdit(this, "Edit6");
    Edit7 = ResultEdit(this, "Edit7");
    BitBtn1 = new QPushButton(QStringLiteral("Evaluate"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Help"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* inputs = new QGridLayout;
    inputs->addWidget(Caption(QStringLiteral("M1 Projectile"), this), 0, 0);
    inputs->addWidget(ComboBox1, 0, 1);
    inputs->addWidget(Caption(QStringLiteral("M2 Target"), this), 1, 0);
    inputs->addWidget(ComboBox2, 1, 1);
    inputs->addWidget(Caption(QString::fromUtf8("\u03b81 Lab"), this), 2, 0);
    inputs->addWidget(FloatEdit1, 2, 1);
    inputs->addWidget(Caption(QString::fromUtf8("\u03b82 Lab"), this), 3, 0);
    inputs->addWidget(Edit1, 3, 1);
    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addWidget(new LabSystemFigure(this));

    auto* results = new QGridLayout;
    results->addWidget(Caption(QStringLiteral("COM (1)"), this), 0, 1, Qt::AlignHCenter);
    results->addWidget(Caption(QStringLiteral("COM (2)"), this), 0, 2, Qt::AlignHCenter);
    results->addWidget(Caption(QStringLiteral("Angle"), this), 1, 0);
    results->addWidget(Edit2, 1, 1);
    results->addWidget(Caption(QStringLiteral("E1/E0 (Lab)"), this), 2, 0);
    results->addWidget(Edit4, 2, 1);
    results->addWidget(Caption(QStringLiteral("E2/E0 (Lab)"), this), 3, 0);
    results->addWidget(Edit6, 3, 1);
    results->addWidget(Edit3, 1, 2);
    results->addWidget(Edit5, 2, 2);
    results->addWidget(Edit7, 3, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(results);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BitBtn1, &QPushButton::clicked, this, GuardedSlot([this] {
                Evaluate();
                ShowResults();
            }));
    const auto help = GuardedSlot([this] { ShowHelp(helpProgram_, kScatterHelp); });
    connect(BitBtn2, &QPushButton::clicked, this, help);
    SetHelpContext(this, kScatterHelp);
}

void TScatterForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    RunGuarded(UiSink(), [this] {
        Evaluate();
        ShowResults();
    });
}

void TScatterForm::Evaluate() {
    TScatterInput input{CoreText(ComboBox1->currentText()), CoreText(ComboBox2->currentText()),
                        CoreText(FloatEdit1->text())};
    EvaluateScattering(input, masses_, results_, UiSink());
    // A refused mass shows the one that was used.
    if (QString m1 = DecodeText(input.m1); m1 != ComboBox1->currentText())
        ComboBox1->setEditText(m1);
    if (QString m2 = DecodeText(input.m2); m2 != ComboBox2->currentText())
        ComboBox2->setEditText(m2);
}

void TScatterForm::ShowResults() {
    const auto show = [](QLineEdit* edit, const std::string& text) {
        edit->setText(DecodeText(text));
    };
    show(Edit1, results_.recoilAngle);
    show(Edit2, results_.comAngle1);
    show(Edit3, results_.comAngle2);
    show(Edit4, results_.e1Ratio1);
    show(Edit5, results_.e1Ratio2);
    show(Edit6, results_.e2Ratio1);
    show(Edit7, results_.e2Ratio2);
}

}  // namespace halvern
