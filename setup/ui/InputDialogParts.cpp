#include "InputDialogParts.h"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QVariant>
#include <QWidget>

#include "ShortString.h"
#include "UiSink.h"

namespace velkor {

namespace {
constexpr size_t kFileNameWidth = 255;
}  // namespace

std::optional<std::string> AskSaveFileName(QWidget* parent, const halvern::FileDialogSpec& spec) {
    std::optional<std::string> name = halvern::UiFileChooser().saveFile(parent, spec);
    if (!name || name->empty()) return std::nullopt;
    if (!halvern::FileNameFits(*name, kFileNameWidth)) {
        halvern::UiSink().error(halvern::FileNameTooLongText(*name, kFileNameWidth));
        return std::nullopt;
    }
    return name;
}

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGroupBox* HelpGroup(const QString& title, int helpContext, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    if (helpContext != 0) SetHelpContext(group, helpContext);
    return group;
}

void LayOutColumns(QDialog* dialog, std::initializer_list<QWidget*> left,
                   std::initializer_list<QWidget*> right, QLayout* buttons) {
    auto* columns = new QHBoxLayout;
    for (const std::initializer_list<QWidget*>& groups : {left, right}) {
        auto* column = new QVBoxLayout;
        for (QWidget* group : groups) column->addWidget(group);
        column->addStretch();
        columns->addLayout(column);
    }
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace velkor
