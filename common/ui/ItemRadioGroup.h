// A titled group of radio buttons in one column, chosen by item index.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace halvern {

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    RadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return buttons_.checkedId(); }
    // Sets the index without emitting itemClicked; an index outside the items clears the choice.
    void setItemIndex(int index);
    QAbstractButton* item(int index) const { return buttons_.button(index); }

  Q_SIGNALS:
    // Emitted only when the user picks an item.
    void itemClicked(int index);

  private:
    QButtonGroup buttons_;
};

}  // namespace halvern
