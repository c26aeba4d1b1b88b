// The modal pickers of the editors and the engine log (printer, colour, font with its colour,
// object to insert) behind one interface, so that tests can answer them.
#pragma once

#include <QColor>
#include <QFont>
#include <functional>
#include <optional>
#include <string>

#include "NewObjects.h"

class QPrinter;
class QTextEdit;
class QWidget;

namespace halvern {

// A font and the colour of its text: what the editors' and the log's "&Font" edit.
struct FontChoice {
    QFont font;
    QColor colour;
};

// What the insert-object dialog asks for: a file, embedded or linked, shown as content or icon;
// or a new object, made from the template at `path` or, with `path` empty, of a blank type of
// the kit's, embedded and then opened with the desktop's program.
struct ObjectRequest {
    std::string path;
    bool link = false;
    bool asIcon = false;
    bool createNew = false;
    BlankObject blank = BlankObject::PlainText;
};

class StandardDialogs {
  public:
    virtual ~StandardDialogs() = default;
    // The print dialog on the printer; true for Print.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& initial) = 0;
    virtual std::optional<FontChoice> chooseFont(QWidget* parent, const FontChoice& initial) = 0;
    // The insert-object dialog; its Help button shows the program's page of the context.
    virtual std::optional<ObjectRequest> chooseObject(QWidget* parent, const std::string& helpProgram,
                                                      int helpContext) = 0;
};

// The program's pickers; tests install their own (not owned), nullptr restores the dialogs.
StandardDialogs& UiStandardDialogs();
void SetUiStandardDialogs(StandardDialogs* dialogs);

// The font and default text colour of a text control, and setting them: one helper for the
// editors and the log.
FontChoice TextFontChoice(const QWidget& edit);
void ApplyFontChoice(QWidget& edit, const FontChoice& choice);
// Runs the font dialog preset with the control's font and colour; on OK both go back.
void ChooseTextFont(QWidget& edit, QWidget* parent);
// The same for the selection of a rich text (without one, for the text typed next): preset with
// the font and colour at its start, which on OK format the selection.
void ChooseSelectionFont(QTextEdit& edit, QWidget* parent);
// Runs the colour dialog preset with the control's page colour; on OK it becomes the page's.
void ChoosePageColour(QWidget& edit, QWidget* parent);

// The print dialog, then `print` prints on the printer chosen. A printout that cannot be made
// (a PDF file that cannot be written) is reported.
void PrintWithDialog(QWidget* parent, const std::function<void(QPrinter&)>& print);
// The same for the whole content of a text control.
void PrintTextEdit(QTextEdit& edit, QWidget* parent);

}  // namespace halvern
