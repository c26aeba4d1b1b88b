// The program's pictures, drawn rather than loaded: its icon and the speed buttons' glyphs.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace brisal {

QPixmap ProgramPicture(int size);

enum class Glyph { Filter, Collate, Averages, Convert, Spectrum, FormatColumns, Grapher, Plotter };
QIcon SpeedGlyph(Glyph glyph);

}  // namespace brisal
