#include "GraphFontDialog.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "ColourChoice.h"
#include "DialogButtons.h"
#include "DisplayText.h"
#include "GraphPainter.h"
#include "GuardedSlot.h"
#include "HelpContexts.h"
#include "QtColours.h"
#include "ShortString.h"

namespace brisal {

GraphFontDialog::GraphFontDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Font"));
    // The font chooser as a part of this dialog, whose own buttons serve it.
    fonts = new QFontDialog(this);
    fonts->setObjectName(QStringLiteral("FontDialog1"));
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts->setWindowFlags(Qt::Widget);
    colourButton_ = new QPushButton(QStringLiteral("&Colour..."));
    colourButton_->setObjectName(QStringLiteral("ColourButton"));
    connect(colourButton_, &QPushButton::clicked, this,
            halvern::GuardedSlot([this] { chooseColour(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts);
    DialogButtons buttons = MakeDialogButtons(*this, kGraphFontHelp);
    buttons.row->insertWidget(0, colourButton_);
    layout->addLayout(buttons.row);
}

// Shows the family the picture is drawn in: a family that is not installed is drawn in its
// fallback, and the chooser would otherwise show a family of its own.
void GraphFontDialog::setGraphFont(const halvern::GraphFont& font) {
    QFont drawn = GraphQFont(font, false);
    drawn.setFamily(QFontInfo(drawn).family());
    fonts->setCurrentFont(drawn);
    colour_ = font.colour;
}

halvern::GraphFont GraphFontDialog::graphFont() const {
    const QFont chosen = fonts->currentFont();
    halvern::GraphFont font;
    font.name = halvern::CutTo(halvern::CoreText(chosen.family()), halvern::kFontNameMax);
    font.size = std::max(1, chosen.pointSize());
    font.style = {chosen.bold(), chosen.italic(), chosen.underline(), chosen.strikeOut()};
    font.colour = colour_;
    return font;
}

void GraphFontDialog::chooseColour() {
    ChooseColour(this, colour_);
}

}  // namespace brisal
