// The program's pictures, drawn rather than loaded: its icon and the speed buttons' glyphs.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>

class QPainter;

namespace brisal {

QPixmap ProgramPicture(int size);

enum class Glyph { Filter, Collate, Averages, Convert, Spectrum, FormatColumns, Grapher, Plotter };
QIcon SpeedGlyph(Glyph glyph);

// A speed-button glyph drawn by `draw` on a transparent square of the glyphs' size.
QIcon DrawnGlyph(const std::function<void(QPainter&)>& draw);

}  // namespace brisal
