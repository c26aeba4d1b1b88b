// The main window's commands of the impact file (New, Open), of the target and impact-point
// orientation windows and of the conversion of version 2.1 target files, with the program-wide
// impact-mesh record and the windows these commands show.
#pragma once

#include <functional>
#include <string>

#include "inputfiles/ImpactSpec.h"

class QDialog;
class QMainWindow;
class QWidget;

namespace velkor {

class TImpForm;
class TIOrientForm;
class TOrientForm;

class OrientCommands {
  public:
    // The windows are made once, owned by `owner`; `runModal` shows a dialog modally (the main
    // window's replaceable step, read at each command).
    OrientCommands(QWidget* owner, const std::function<int(QDialog&)>& runModal);
    OrientCommands(const OrientCommands&) = delete;
    OrientCommands& operator=(const OrientCommands&) = delete;

    // Makes the main window's commands of these names live (the speed buttons that show them
    // follow): NewImpact, OpenImpact, ViewImpact1, Viewtarget1, Convert1.
    void connectCommands(QMainWindow& mainWindow);

    void NewImp();
    void OpenImp();
    void Viewtarget1Click();
    void ViewImpact1Click();
    void Convert1Click();

    TImpactSpec ImpactParams;
    TImpForm* ImpForm;
    TIOrientForm* IOrientForm;
    TOrientForm* OrientForm;

  private:
    void showImpactDialog(const std::string& fileName);

    QWidget* owner_;
    const std::function<int(QDialog&)>& runModal_;
};

}  // namespace velkor
