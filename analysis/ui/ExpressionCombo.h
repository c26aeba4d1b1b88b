// The expression boxes of the dialogs: an editable combo box of at most 255 characters whose
// list is the sorted history of the expressions used since the program started.
#pragma once

#include <QComboBox>
#include <string>

namespace brisal {

class ExpressionCombo : public QComboBox {
    Q_OBJECT
  public:
    explicit ExpressionCombo(const QString& text = {}, QWidget* parent = nullptr);

    std::string expression() const;
    void setExpression(const std::string& text);
    // Adds the text to the history unless the history holds it already.
    void remember();
};

}  // namespace brisal
