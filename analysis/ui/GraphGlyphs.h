// The grapher's speed-button glyphs, drawn rather than loaded.
#pragma once

#include <QIcon>

namespace brisal {

enum class GraphGlyph {
    Open,
    SetUp,
    Font,
    AxesType,
    RoundX,
    RoundY,
    FewerXTicks,
    MoreXTicks,
    FewerYTicks,
    MoreYTicks,
    ShorterX,
    LongerX,
    LongerY,
    ShorterY,
    LinesSymbols,
};

QIcon GraphSpeedGlyph(GraphGlyph glyph);

}  // namespace brisal
