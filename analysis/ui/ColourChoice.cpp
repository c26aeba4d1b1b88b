#include "ColourChoice.h"

#include <QColorDialog>

#include "ModalRunner.h"
#include "QtColours.h"

namespace brisal {

bool ChooseColour(QWidget* parent, halvern::ColourRef& colour) {
    QColorDialog dialog(halvern::ToQColor(colour), parent);
    dialog.setObjectName(QStringLiteral("ColorDialog"));
    if (RunModal(dialog) != QDialog::Accepted) return false;
    colour = halvern::ToColourRef(dialog.selectedColor());
    return true;
}

}  // namespace brisal
