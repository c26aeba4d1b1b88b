// The start of the analysis program: the application's title and icon, the windows in their
// fixed order with the main window first, and the command line.
#pragma once

#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "MainForm.h"
#include "StartupArguments.h"

namespace brisal {

// Title "Brisal 2.2", icon, and number texts free of the user's locale.
void PrepareApplication();

struct BrisalWindows {
    std::unique_ptr<TMainForm> main;  // owns the other windows
    QStringList created;              // the class names, in the order made
    StartupFile startupFile;
};

// Makes every window; `arguments` is the command line without the program's name. A single
// argument that names no file is reported as the windows are made.
BrisalWindows CreateBrisalWindows(const std::vector<std::string>& arguments);
// Shows the main window, then the trajectory plotter on the file named at start, if any.
void ShowBrisalWindows(BrisalWindows& windows);

}  // namespace brisal
