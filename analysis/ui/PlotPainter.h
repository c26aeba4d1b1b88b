// Paints the trajectory plotter's frame on show into its picture: the symbols of the projected
// frame in depth order, over the background or over the earlier frames' trails.
#pragma once

#include <QImage>

#include "plotter/PlotSymbols.h"
#include "plotter/TrajectoryPlot.h"

namespace brisal {

struct PlotStyle {
    halvern::PlotSymbols symbols = halvern::PlotSymbols::Icons;
    halvern::PlotColourScheme scheme = halvern::kDarkScheme;
    bool refresh = true;  // clear the picture before each frame
    QImage mainIcon;
    QImage highlightIcon;
};

// The four icons of the plotter: main and highlight for the dark and for the light scheme.
struct PlotIcons {
    QImage icon, hiIcon, wIcon, wHiIcon;
};
PlotIcons DefaultPlotIcons();

// Fills the picture with the scheme's background.
void ClearPlot(QImage& picture, const PlotStyle& style);

// Draws the plot's projected frame (plot.arrays) with the style; the highlighted particle of the
// plot's settings gets the highlight icon.
void PaintPlotFrame(QImage& picture, const halvern::TrajectoryPlot& plot, const PlotStyle& style);

}  // namespace brisal
