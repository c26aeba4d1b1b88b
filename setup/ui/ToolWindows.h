// The set-up program's calculator and potential-tool windows, made once with the main window:
// velocity reckoner, composite-potential view (potential dialog and two graphs), crystal axes,
// neighbour dialogs, pair potential and scattering relations.
#pragma once

#include "CompositePotential.h"

class QWidget;

namespace halvern {
class TScatterForm;
}

namespace velkor {

class TAxesForm;
class TDistanceDlg;
class TNPotlDlg;
class TPairPotlDlg;
class TReckonForm;

// The windows the Utilities menu shows, not modal.
enum class UtilityWindow { VelocityReckoner, ScatteringRelations, CrystalAxes, PairPotential };

struct ToolWindows {
    explicit ToolWindows(QWidget* owner);

    // Shows the window in front.
    void show(UtilityWindow window) const;

    TReckonForm* ReckonForm;
    CompositePotentialView Composite;
    TAxesForm* AxesForm;
    TDistanceDlg* DistanceDlg;
    TNPotlDlg* NPotlDlg;
    TPairPotlDlg* PairPotlDlg;
    halvern::TScatterForm* ScatterForm;
};

}  // namespace velkor
