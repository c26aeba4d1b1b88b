#include "ToolWindows.h"

#include "AxesForm.h"
#include "HelpContexts.h"
#include "NeighbourDialogs.h"
#include "PairPotlDlg.h"
#include "ReckonForm.h"
#include "ScatterForm.h"
#include "WindowStacking.h"

namespace velkor {

ToolWindows::ToolWindows(QWidget* owner)
    : ReckonForm(new TReckonForm(owner)),
      Composite(owner),
      AxesForm(new TAxesForm(owner)),
      DistanceDlg(new TDistanceDlg(owner)),
      NPotlDlg(new TNPotlDlg(owner)),
      PairPotlDlg(new TPairPotlDlg(owner)),
      ScatterForm(new halvern::TScatterForm(kHelpProgram, owner)) {
    ShareTargetName(*DistanceDlg, *NPotlDlg);
}

void ToolWindows::show(UtilityWindow which) const {
    QWidget* window = nullptr;
    switch (which) {
        case UtilityWindow::VelocityReckoner:
            window = ReckonForm;
            break;
        case UtilityWindow::ScatteringRelations:
            window = ScatterForm;
            break;
        case UtilityWindow::CrystalAxes:
            window = AxesForm;
            break;
        case UtilityWindow::PairPotential:
            window = PairPotlDlg;
            break;
    }
    halvern::PresentWindow(window);
}

}  // namespace velkor
