// TGeniusForm, the Expression Genius: a list of standard value expressions. The calling dialogs
// map the chosen item to its expression.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

namespace halvern {
class RadioGroup;
}  // namespace halvern

namespace brisal {

class TGeniusForm : public QDialog {
    Q_OBJECT
  public:
    explicit TGeniusForm(QWidget* parent = nullptr);

    halvern::RadioGroup* RadioGroup1 = nullptr;
};

// Shows the Genius modally; the chosen item's expression after OK.
std::optional<std::string> ChooseGeniusExpression(TGeniusForm& genius);

}  // namespace brisal
