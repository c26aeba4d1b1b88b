// "About Ostrel" and the splash window shown while the engine starts.
#pragma once

#include <QDialog>
#include <QWidget>

namespace halvern {

class TAboutForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

// Borderless, on top and centred; freed by the main window's start-up timer.
class TSplashWin : public QWidget {
    Q_OBJECT
  public:
    TSplashWin();
};

}  // namespace halvern
