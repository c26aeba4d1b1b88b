// The engine's windows, created in their fixed order with the main window first.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "MainForm.h"

namespace halvern {

// TMainForm, TFileDialog, TAboutForm, TOutfileDlg, TGraph, TOptionsDlg; the five others are
// owned by the main window.
std::unique_ptr<TMainForm> CreateEngineWindows(TEngineSession& session,
                                               const std::string& programDir,
                                               QWidget* splash = nullptr);

// The main window and the windows it owns, in the order they were created.
std::vector<QWidget*> EngineWindowsInOrder(TMainForm& main);

}  // namespace halvern
