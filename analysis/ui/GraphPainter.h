// Draws the grapher's display lists with QPainter; every position comes from the core's layout.
#pragma once

#include <QFont>
#include <QImage>

#include "grapher/GraphLayout.h"

namespace brisal {

// The grapher's font at its text size, or 2 points larger for the main title.
QFont GraphQFont(const halvern::GraphFont& font, bool large);

// How large texts come out in the grapher's font, for the layout.
halvern::TextMetrics GraphTextMetrics(const halvern::GraphFont& font);

// A white picture of the list's size with the list drawn on it.
QImage PaintDisplayList(const halvern::DisplayList& list);

// A title or label drawn again in silver where it stands: the mark of an item picked up.
void PaintPickedText(QImage& image, const halvern::GraphText& item, const halvern::GraphFont& font);

}  // namespace brisal
