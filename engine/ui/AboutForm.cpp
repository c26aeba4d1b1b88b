#include "AboutForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "AtomIcons.h"

namespace halvern {

namespace {

QLabel* PictureLabel(int size, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setPixmap(EnginePicture(size));
    return label;
}

QLabel* TitleLabel(const QString& text, int pointSize, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutForm"));
    setWindowTitle(QStringLiteral("About Ostrel"));
    auto* text = new QVBoxLayout;
    text->addWidget(TitleLabel(QStringLiteral("Ostrel"), 14, this));
    text->addWidget(new QLabel(QStringLiteral("Version 2.2, 1998"), this));
    auto* purpose = new QLabel(
        QStringLiteral(
            "The Halvern Kit models atomic collisions in solids: Ostrel is its simulation engine."),
        this);
    purpose->setWordWrap(true);
    text->addWidget(purpose);
    text->addWidget(new QLabel(QStringLiteral("The Halvern Kit"), this));
    auto* top = new QHBoxLayout;
    top->addWidget(PictureLabel(64, this), 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMinimumWidth(360);
}

TSplashWin::TSplashWin()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TSplashWin"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(PictureLabel(96, this));
    auto* text = new QVBoxLayout;
    text->addWidget(TitleLabel(QStringLiteral("Ostrel"), 20, this));
    auto* line =
        new QLabel(QStringLiteral("For classical dynamics simulations of atomic collisions "
                                  "in solids. Version 2.2, 1998."),
                   this);
    line->setWordWrap(true);
    text->addWidget(line);
    layout->addLayout(text, 1);
    setFixedWidth(420);
}

}  // namespace halvern
