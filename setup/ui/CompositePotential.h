// The composite-potential view of the model dialog: the potential dialog that asks for the target
// atomic number, the two potential graphs (potential and force), and the paths of the spline data
// files last written (SplinePotentialPath, SplineForcePath). Made once by the main window.
#pragma once

#include <QDialog>
#include <functional>

#include "composite/SplineComposite.h"

class QWidget;

namespace velkor {

class TMdlForm;
class TPotlForm;
class TPotlGraph;

class CompositePotentialView {
  public:
    explicit CompositePotentialView(QWidget* owner);

    TPotlForm* PotlForm;
    TPotlGraph* PotentialGraph;  // the first graph: "Target-Target Potential (eV)"
    TPotlGraph* ForceGraph;      // the second: "Target-Target Force (eV/A)"
    TCompositeFiles files;

    // The step that waits for the user, replaceable so that tests can answer it.
    std::function<int(QDialog&)> runModal;

    // Shows the potential dialog; true when it closed with OK (its Z2 is then the target's).
    bool AskTargetZ();
    // Fits the join of the request (with the dialog's Z2), writes the files into the current
    // folder, asks whether to view them and, on Yes, plots them.
    void ViewComposite(TCompositeRequest request);
    // Loads the force file into the second graph and the potential file into the first, each
    // shown when it loaded, the first 25 pixels below the second once that one is mapped. Both
    // stay usable beside the model dialog.
    void PlotPotential();
};

// The model dialog's "View Composite Potential": asks for the target atomic number and, while
// "Use Morse potential" is checked, stores the target-target kind and correction, the Morse
// constants and the spline range of the controls into the model record and views their
// composite.
void ViewModelComposite(CompositePotentialView& view, TMdlForm& model);

}  // namespace velkor
