// TAboutBox, "About Brisal".
#pragma once

#include <QDialog>

namespace brisal {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace brisal
