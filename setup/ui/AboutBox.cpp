#include "AboutBox.h"

#include "ProgramIcon.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velkor {

namespace {

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Velkor"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* name = PlainLabel(QStringLiteral("Velkor"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* purpose = PlainLabel(
        QStringLiteral("The Halvern Kit models atomic collisions in solids. Velkor is a utility "
                       "program which creates the input files used by the simulation engine "
                       "(i.e. Ostrel)."),
        this);
    purpose->setWordWrap(true);
    purpose->setMinimumWidth(320);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(PlainLabel(QStringLiteral("Version 2.2, 1998"), this));
    text->addWidget(PlainLabel(QStringLiteral("The Halvern Kit"), this));
    text->addSpacing(8);
    text->addWidget(purpose);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(text);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velkor
