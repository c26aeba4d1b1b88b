// The colour dialog of the grapher's windows, run through the program's modal runner.
#pragma once

#include "Colours.h"

class QWidget;

namespace brisal {

// Shows the colour dialog preset with `colour`; on OK the chosen colour replaces it.
bool ChooseColour(QWidget* parent, halvern::ColourRef& colour);

}  // namespace brisal
