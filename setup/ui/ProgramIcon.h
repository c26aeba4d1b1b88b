// The set-up program's icon, drawn rather than loaded: a small crystal face and an incoming atom.
#pragma once

#include <QIcon>

namespace velkor {

QIcon ProgramIcon();

}  // namespace velkor
