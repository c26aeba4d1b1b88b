// Pictures drawn at start: shaded atoms for the icons of the graph window, the orientation
// windows and the trajectory plotter; the engine's program icon and splash picture.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>

namespace halvern {

// A shaded sphere of the given diameter at the top of a transparent image of the given size,
// with a short tail below it for the moving projectile.
QImage AtomIcon(int width, int height, int diameter, const QColor& colour, bool tail);

QImage TargetAtomIcon(bool small);
// A shaded target atom filling a square image of odd side, centred on its middle pixel, so that
// drawn at (x - side / 2, y - side / 2) it sits on pixel (x, y).
QImage TargetAtomSphere(int side);
QImage ProjectileAtomIcon(bool small);

// A few target atoms struck by a projectile.
QPixmap EnginePicture(int size);

}  // namespace halvern
