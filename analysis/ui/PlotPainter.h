// Paints the trajectory plotter's frame on show into its picture: the symbols of the projected
// frame in depth order, over the background or over the earlier frames' trails.
#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <array>
#include <vector>

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

// Circles and spheres painted once into small images and copied for each entry: the same
// pixels as painting each one, at the cost of a copy. A sphere's outline depends on the parity
// and sign of its pixel, so it has a few images.
class SymbolSprites {
  public:
    // The image of the symbol at pixel p and where its top-left corner goes.
    const QImage& sprite(halvern::PlotSymbols symbols, const halvern::PlotColourScheme& scheme,
                         halvern::PlotPixel p, QPoint& corner);

  private:
    struct Entry {
        std::array<int32_t, 9> key;
        QImage image;
    };
    std::vector<Entry> entries_;
};

// Paints a circle or sphere around pixel p straight away: what the sprites copy.
void PaintSymbol(QPainter& painter, halvern::PlotSymbols symbols,
                 const halvern::PlotColourScheme& scheme, halvern::PlotPixel p);

// Fills the picture with the scheme's background.
void ClearPlot(QImage& picture, const PlotStyle& style);

// Draws the plot's projected frame (plot.arrays) with the style; the highlighted particle of the
// plot's settings gets the highlight icon.
void PaintPlotFrame(QImage& picture, const halvern::TrajectoryPlot& plot, const PlotStyle& style,
                    SymbolSprites& sprites);

}  // namespace brisal
