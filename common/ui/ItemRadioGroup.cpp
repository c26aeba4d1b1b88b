#include "ItemRadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace halvern {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent) {
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_.addButton(button, i);
        layout->addWidget(button);
    }
    connect(&buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* b = buttons_.button(index)) {
        b->setChecked(true);
        return;
    }
    buttons_.setExclusive(false);
    if (QAbstractButton* checked = buttons_.checkedButton()) checked->setChecked(false);
    buttons_.setExclusive(true);
}

}  // namespace halvern
