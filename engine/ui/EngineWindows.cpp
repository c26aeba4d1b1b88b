#include "EngineWindows.h"

#include "AboutForm.h"
#include "GraphWindow.h"
#include "InputFilesDialog.h"
#include "OptionsDialog.h"
#include "OutputFilesDialog.h"

namespace halvern {

std::unique_ptr<TMainForm> CreateEngineWindows(TEngineSession& session,
                                               const std::string& programDir, QWidget* splash) {
    auto main = std::make_unique<TMainForm>(session, programDir, splash);
    auto* files = new TFileDialog(session.globals, session.files, main.get());
    auto* about = new TAboutForm(main.get());
    auto* outputs = new TOutfileDlg(session.files, main.get());
    // The graph window takes the scale when it is created.
    auto* graph = new TGraph(session.globals.GraphScale, main.get());
    auto* options = new TOptionsDlg(session.globals, main.get());
    main->attachWindows(files, about, outputs, graph, options);
    return main;
}

std::vector<QWidget*> EngineWindowsInOrder(TMainForm& main) {
    // Children keep the order in which they were made.
    std::vector<QWidget*> windows = {&main};
    for (QObject* child : main.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->isWindow()) windows.push_back(widget);
    }
    return windows;
}

}  // namespace halvern
