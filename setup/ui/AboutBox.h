// TAboutBox: the program's name, version and purpose.
#pragma once

#include <QDialog>

namespace velkor {

class TAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace velkor
