#include "InputDialogParts.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

#include "ShortString.h"
#include "UiSink.h"

namespace velkor {

namespace {
constexpr const char* kHelpContextProperty = "helpContext";
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

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget())
        if (const QVariant v = widget->property(kHelpContextProperty); v.isValid())
            return v.toInt();
    return 0;
}

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace velkor
