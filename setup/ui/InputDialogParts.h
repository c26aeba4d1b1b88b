// What the projectile, run, model and inelastic dialogs share: the save dialog with its name
// check, help contexts on controls, and small labelled rows.
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <string>

#include "ContextHelp.h"
#include "FileChooser.h"

class QDialog;
class QGroupBox;
class QLabel;
class QLayout;
class QWidget;

namespace velkor {

// The name chosen in the program's save dialog; none when cancelled or when the name is too
// long for a file-name field (refused with a message, never cut).
std::optional<std::string> AskSaveFileName(QWidget* parent, const halvern::FileDialogSpec& spec);

// The help context that F1 shows for the control (and the controls inside it).
using halvern::SetHelpContext;

QLabel* PlainLabel(const QString& text, QWidget* parent);
// A titled group; a context other than 0 is its help page.
QGroupBox* HelpGroup(const QString& title, int helpContext, QWidget* parent);

// Two columns of groups above the button row, the dialog sized to fit them.
void LayOutColumns(QDialog* dialog, std::initializer_list<QWidget*> left,
                   std::initializer_list<QWidget*> right, QLayout* buttons);

}  // namespace velkor
