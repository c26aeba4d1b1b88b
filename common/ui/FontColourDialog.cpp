#include "FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "GuardedSlot.h"

namespace halvern {

FontColourDialog::FontColourDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent), colour_(initial.colour) {
    setObjectName(QStringLiteral("FontDlg"));
    setWindowTitle(QStringLiteral("Font"));
    fonts_ = new QFontDialog(initial.font, this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    colourButton_ = new QPushButton(QStringLiteral("&Colour..."), this);
    colourButton_->setObjectName(QStringLiteral("ColourButton"));
    connect(colourButton_, &QPushButton::clicked, this, GuardedSlot([this] {
                if (const auto c = UiStandardDialogs().chooseColour(this, colour_)) {
                    colour_ = *c;
                    showColour();
                }
            }));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("Text colour:"), this));
    colourRow->addWidget(colourButton_);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    showColour();
}

FontChoice FontColourDialog::choice() const {
    return {fonts_->currentFont(), colour_};
}

void FontColourDialog::showColour() {
    QPixmap swatch(24, 14);
    swatch.fill(colour_);
    colourButton_->setIcon(QIcon(swatch));
}

}  // namespace halvern
