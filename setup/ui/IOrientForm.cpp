#include "IOrientForm.h"

#include "HelpContexts.h"
#include "orientation/ReorientWriters.h"

namespace velkor {

namespace {

const OrientWindowKind kImpactOrient{
    "IOrientForm",
    "Orientation involves (a) rotation in (x,y) plane, (b) cut, (c) move to new origin. Apply "
    "acts on disk data, not on display.",
    {"Rectangular", "Circular"},
    "Orient Impact Points: ",
    " impact points)",
    {"Impact File to Orient...", "Impact points specification file|*.IMP;*.imp", "*.IMP", ""},
    {"Save Re-oriented Target File As", "Impact points specification file|*.IMP;*.imp", "*.IMP",
     "IMP"},
    {"Target file to link...",
     "Target Specification File|*.TRG;*.trg|Impact Specification File|*.IMP;*.imp", "*.TRG", ""},
    OverlayStyle::WhiteCircles,
    PointSymbols::Points,
    &ImpactOrientFields(),
    kImpactViewSpec,
    kImpactOrientHelp,
    true,
    WriteReorientedImpacts,
};

}  // namespace

TIOrientForm::TIOrientForm(QWidget* parent) : OrientWindow(kImpactOrient, parent) {}

}  // namespace velkor
