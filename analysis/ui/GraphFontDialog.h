// The grapher's font dialog: family, style and size, and the text colour beside them.
#pragma once

#include <QDialog>

#include "grapher/GrapherModel.h"

class QFontDialog;
class QPushButton;

namespace brisal {

class GraphFontDialog : public QDialog {
    Q_OBJECT
  public:
    explicit GraphFontDialog(QWidget* parent = nullptr);

    void setGraphFont(const halvern::GraphFont& font);
    // The chosen font; a family name longer than the grapher keeps is cut.
    halvern::GraphFont graphFont() const;

    QFontDialog* fonts = nullptr;

  private:
    void chooseColour();

    QPushButton* colourButton_ = nullptr;
    halvern::ColourRef colour_ = 0;
};

}  // namespace brisal
