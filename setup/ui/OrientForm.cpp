#include "OrientForm.h"

#include "HelpContexts.h"
#include "orientation/ReorientWriters.h"

namespace velkor {

namespace {

const OrientWindowKind kTargetOrient{
    "OrientForm",
    "Orientation involves (a) rotation, (b) cut, (c) move to new origin. The Apply operation acts "
    "on disk data, not on the display.",
    {"Cartesian", "Cylindrical", "Spherical"},
    "Orient Target Lattice: ",
    " atoms)",
    {"Target File to Orient...", "Target specification file|*.TRG;*.trg", "*.TRG", ""},
    {"Save Re-oriented Target File As", "Target File|*.TRG;*.trg", "*.TRG", "TRG"},
    {"Link file", "Impact Specification File|*.IMP;*.imp|Target Specification File|*.TRG;*.trg",
     "*.IMP", "IMP"},
    OverlayStyle::Pixels,
    PointSymbols::Icons,
    &TargetOrientFields(),
    kTargetViewSpec,
    kTargetOrientHelp,
    false,
    WriteReorientedTarget,
};

}  // namespace

TOrientForm::TOrientForm(QWidget* parent) : OrientWindow(kTargetOrient, parent) {}

}  // namespace velkor
