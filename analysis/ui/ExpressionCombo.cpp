#include "ExpressionCombo.h"

#include <QLineEdit>
#include <vector>

#include "DisplayText.h"
#include "ExpressionHistory.h"

namespace brisal {

ExpressionCombo::ExpressionCombo(const QString& text, QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setMaxLength(255);
    setMinimumContentsLength(40);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setEditText(text);
}

std::string ExpressionCombo::expression() const {
    return halvern::CoreText(currentText());
}

void ExpressionCombo::setExpression(const std::string& text) {
    setEditText(halvern::DecodeText(text));
}

void ExpressionCombo::remember() {
    const QString text = currentText();
    std::vector<std::string> items;
    for (int i = 0; i < count(); ++i) items.push_back(halvern::CoreText(itemText(i)));
    const int index = HistoryInsertIndex(items, halvern::CoreText(text));
    if (index < 0) return;
    insertItem(index, text);
    setEditText(text);
}

}  // namespace brisal
