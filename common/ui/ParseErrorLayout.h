// Geometry of the parse-error dialog, in pixels from the average character size of its font.
#pragma once

namespace halvern {

// a * b / c rounded to the nearest integer (halves away from zero); -1 when c is 0.
int MulDiv(int a, int b, int c);

struct CharSize {
    int width = 0;   // average width of the letters
    int height = 0;  // height of a line of text
};

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect&) const = default;
};

struct ParseErrorLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    int labelLeft = 0;
    int labelTop = 0;
    PixelRect button;
};

// The dialog for a label of the given size. A label or button that would not fit the standard
// 500-pixel client area widens it (and a taller label moves the button down), so no text is cut.
ParseErrorLayout LayOutParseError(CharSize chars, int labelWidth, int labelHeight);

}  // namespace halvern
