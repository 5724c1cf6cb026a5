#pragma once
// Dialog units: template coordinates scale with the dialog's font, so a
// layout keeps its proportions whatever face and size stand in. Horizontal
// base = average width of "A".."Z" "a".."z", vertical base = the font's
// height; x dialog units are x * base / 4 pixels, y are y * base / 8.

#include "DialogTemplate.h"

#include <QFont>
#include <QRect>

#include <string_view>

namespace velmar {

// a * b / c rounded half away from zero, as the platform's MulDiv.
int MulDiv(int a, int b, int c);

struct DialogUnits {
    int baseX = 0;
    int baseY = 0;

    static DialogUnits FromFont(const QFont& font);

    int ToPixelsX(int x) const { return MulDiv(x, baseX, 4); }
    int ToPixelsY(int y) const { return MulDiv(y, baseY, 8); }
    QRect ToPixels(const res::Rect& r) const {
        return {ToPixelsX(r.x), ToPixelsY(r.y), ToPixelsX(r.cx), ToPixelsY(r.cy)};
    }
};

// The template's face at its size where that face is installed, else the
// stand-in NanumGothic (which also has the Hangul of the About box).
QFont DialogFont(std::string_view face, int pointSize);

} // namespace velmar
