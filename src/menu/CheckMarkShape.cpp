#include "menu/CheckMarkShape.h"

std::array<MarkStroke, 7> CheckMarkStrokes(int x, int y)
{
    // A short arm down to the right, then a long arm up to the right.
    static constexpr int firstRow[7] = {2, 3, 4, 3, 2, 1, 0};
    std::array<MarkStroke, 7> strokes;
    for (int i = 0; i < 7; ++i)
        strokes[i] = {{x + i, y + firstRow[i]}, {x + i, y + firstRow[i] + 3}};
    return strokes;
}

MenuRect BulletBox(int x, int y)
{
    return {x, y, x + 6, y + 6};
}

MenuPoint ClassicMarkOrigin(const MenuRect& box, bool bullet)
{
    return {box.left + (bullet ? 5 : 4), box.top + 4};
}

MenuPoint FlatMarkOrigin(const MenuRect& box)
{
    return {box.left + 5, box.top + 4};
}
