#include "ParseErrorDialog.h"

#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "DisplayText.h"
#include "ScreenPlacement.h"
#include "UiFonts.h"

namespace halvern {

CharSize AverageCharSize(const QFontMetrics& metrics) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {metrics.horizontalAdvance(letters) / 52, metrics.height()};
}

std::unique_ptr<QDialog> MakeParseErrorDialog(const std::string& title, const std::string& text) {
    auto dialog =
        std::make_unique<QDialog>(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                               Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setWindowTitle(DisplayText(title));
    dialog->setFont(CourierNewFont());

    auto* label = new QLabel(dialog.get());
    label->setTextFormat(Qt::PlainText);
    label->setText(DisplayText(text));
    label->adjustSize();

    auto* ok = new QPushButton(QStringLiteral("OK"), dialog.get());
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog.get(), &QDialog::accept);

    const ParseErrorLayout layout = LayOutParseError(AverageCharSize(QFontMetrics(dialog->font())),
                                                     label->width(), label->height());
    label->move(layout.labelLeft, layout.labelTop);
    ok->setGeometry(layout.button.left, layout.button.top, layout.button.width,
                    layout.button.height);
    dialog->setFixedSize(layout.clientWidth, layout.clientHeight);

    CentreOnScreen(dialog.get());
    ok->setFocus();
    return dialog;
}

void ShowParseError(const std::string& title, const std::string& text) {
    MakeParseErrorDialog(title, text)->exec();
}

}  // namespace halvern
