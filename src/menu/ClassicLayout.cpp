#include "menu/ClassicLayout.h"

#include <algorithm>

ClassicLayout LayOutClassicItem(const MenuRect& item, int glyphWidth, int glyphHeight, bool glyphColumnInUse,
                                bool hasAccelerator)
{
    const int L = item.left, T = item.top, gw = glyphWidth, gh = glyphHeight;
    // Centred vertically; an item shorter than the cell keeps it at the top.
    const int dy = std::max(0, (item.bottom - T - gh - 4) / 2);
    ClassicLayout layout;
    layout.glyphCell = {L, T + dy, L + gw + 4, T + dy + gh + 4};
    layout.innerRect = {L + 1, T + dy + 1, L + gw + 3, T + dy + gh + 3};
    layout.glyphOrigin = {L + 2, T + dy + 2};
    layout.checkBox = {L + 1, T + dy + 2, L + gw + 1, T + dy + gh + 2};
    layout.highlight = item;
    if (glyphColumnInUse)
        layout.highlight.left = L + gw + 5;
    layout.text = {L + gw + 9, T - 1, item.right - (hasAccelerator ? gw : 0), item.bottom - 1};
    return layout;
}

MenuRect ClassicSeparatorLine(const MenuRect& item)
{
    MenuRect line = item;
    line.top = item.top + (item.bottom - item.top) / 2;
    return line;
}
