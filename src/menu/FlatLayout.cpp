#include "menu/FlatLayout.h"

#include <algorithm>

namespace {

// (x + 1) / 2 truncated toward zero, never below 0.
int HalfOf(int x)
{
    return std::max(0, (x + 1) / 2);
}

}  // namespace

FlatLayout LayOutFlatItem(const MenuRect& item, int glyphWidth, int glyphHeight, bool glyphVariants,
                          bool hasAccelerator)
{
    const int L = item.left, T = item.top, R = item.right, B = item.bottom, H = B - T;
    FlatLayout layout;
    layout.margin = glyphVariants ? 7 : 4;
    const int W = glyphWidth + layout.margin;
    layout.bar = {L, T, L + W, B};
    layout.glyphFrame = {L + 1, T + 1, L + W - 1, B - 1};
    layout.glyphOrigin = {L + HalfOf(W - glyphWidth), T + HalfOf(H - glyphHeight)};
    const MenuPoint box{L + HalfOf(W - 16), T + HalfOf(H - 16)};
    layout.checkBox = {box.x, box.y, box.x + 16, box.y + 16};
    layout.text = {L + W + 8, T - 1, R - (hasAccelerator ? glyphWidth : 0), B - 1};
    layout.separatorLine = {L + W + layout.margin, T + H / 2, R, B};
    return layout;
}
