// The font dialog with the colour of the text: the platform's font dialog has no colour, so
// this one holds Qt's font chooser and a colour button.
#pragma once

#include <QDialog>

#include "StandardDialogs.h"

class QFontDialog;
class QPushButton;

namespace halvern {

class FontColourDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FontColourDialog(const FontChoice& initial, QWidget* parent = nullptr);
    FontChoice choice() const;

  private:
    void showColour();

    QFontDialog* fonts_;
    QPushButton* colourButton_;
    QColor colour_;
};

}  // namespace halvern
