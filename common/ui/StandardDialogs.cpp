#include "StandardDialogs.h"

#include <QColorDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextEdit>

#include "DisplayText.h"
#include "FontColourDialog.h"
#include "InsertObjectDialog.h"
#include "UiSink.h"
#include "editor/EditorRules.h"

namespace halvern {

namespace {

class QtStandardDialogs : public StandardDialogs {
  public:
    bool choosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) override {
        const QColor colour = QColorDialog::getColor(initial, parent);
        if (!colour.isValid()) return std::nullopt;
        return colour;
    }
    std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) override {
        FontColourDialog dialog(initial, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.choice();
    }
    std::optional<ObjectRequest> chooseObject(QWidget* parent, const std::string& helpProgram,
                                              int helpContext) override {
        InsertObjectDialog dialog(helpProgram, helpContext, parent);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.request();
    }
};

StandardDialogs* installed = nullptr;

// The format of the selection's first character, or without a selection the one typing takes.
QTextCharFormat SelectionStartFormat(const QTextEdit& edit) {
    QTextCursor cursor = edit.textCursor();
    if (!cursor.hasSelection()) return cursor.charFormat();
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
}

}  // namespace

StandardDialogs& UiStandardDialogs() {
    static QtStandardDialogs dialogs;
    return installed != nullptr ? *installed : dialogs;
}

void SetUiStandardDialogs(StandardDialogs* dialogs) {
    installed = dialogs;
}

FontChoice TextFontChoice(const QWidget& edit) {
    return {edit.font(), edit.palette().color(QPalette::Text)};
}

void ApplyFontChoice(QWidget& edit, const FontChoice& choice) {
    edit.setFont(choice.font);
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Text, choice.colour);
    edit.setPalette(palette);
}

void ChooseTextFont(QWidget& edit, QWidget* parent) {
    if (const auto choice = UiStandardDialogs().chooseFont(parent, TextFontChoice(edit)))
        ApplyFontChoice(edit, *choice);
}

void ChooseSelectionFont(QTextEdit& edit, QWidget* parent) {
    const QTextCharFormat shown = SelectionStartFormat(edit);
    FontChoice initial = TextFontChoice(edit);
    initial.font = shown.font().resolve(edit.document()->defaultFont());
    if (shown.hasProperty(QTextFormat::ForegroundBrush) &&
        shown.foreground().style() != Qt::NoBrush)
        initial.colour = shown.foreground().color();
    const auto choice = UiStandardDialogs().chooseFont(parent, initial);
    if (!choice) return;
    QTextCharFormat format;
    format.setFontFamilies({choice->font.family()});
    format.setFontPointSize(choice->font.pointSizeF());
    format.setFontWeight(choice->font.weight());
    format.setFontItalic(choice->font.italic());
    format.setFontUnderline(choice->font.underline());
    format.setFontStrikeOut(choice->font.strikeOut());
    format.setForeground(choice->colour);
    edit.mergeCurrentCharFormat(format);
}

void ChoosePageColour(QWidget& edit, QWidget* parent) {
    const auto colour = UiStandardDialogs().chooseColour(parent, edit.palette().color(QPalette::Base));
    if (!colour) return;
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, *colour);
    edit.setPalette(palette);
}

void PrintTextEdit(QTextEdit& edit, QWidget* parent) {
    PrintWithDialog(parent, [&](QPrinter& printer) {
        edit.document()->setMetaInformation(QTextDocument::DocumentTitle, QString());
        edit.print(&printer);
    });
}

void PrintWithDialog(QWidget* parent, const std::function<void(QPrinter&)>& print) {
    QPrinter printer(QPrinter::HighResolution);
    if (!UiStandardDialogs().choosePrinter(parent, printer)) return;
    print(printer);
    const QString file = printer.outputFileName();
    if (printer.printerState() == QPrinter::Error || (!file.isEmpty() && !QFileInfo::exists(file)))
        UiSink().error(WriteErrorText(CoreText(file.isEmpty() ? printer.printerName() : file)));
}

}  // namespace halvern
