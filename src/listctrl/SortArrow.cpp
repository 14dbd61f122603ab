#include "listctrl/SortArrow.h"

int SortArrowInset(const HeaderRect& item)
{
    return (item.bottom - item.top) / 4;
}

HeaderLabel ComputeHeaderLabel(const HeaderRect& item, bool pressed, bool isSortColumn)
{
    HeaderLabel label;
    HeaderRect& r = label.rect;
    r = item;
    if (pressed) {
        r.left += 1;
        r.right += 1;
        r.top += 2;
    }
    int o = SortArrowInset(item);
    if (isSortColumn)
        r.right -= 3 * o;
    r.left += o;
    r.right -= o;
    label.drawText = r.left < r.right;
    return label;
}

SortArrowPaths ComputeSortArrow(const HeaderRect& item, bool ascending)
{
    const int o = SortArrowInset(item);
    const int R = item.right;
    const int B = item.bottom;
    SortArrowPaths paths;
    if (ascending) {
        // Light on the right-hand and bottom edges, shadow on the left.
        paths.light = {{R - 2 * o, o}, {R - o, B - o - 1}, {R - 3 * o - 2, B - o - 1}};
        paths.shadow = {{R - 3 * o - 1, B - o - 1}, {R - 2 * o, o - 1}};
    } else {
        // Light on the right-hand edge, shadow on the left and top.
        paths.light = {{R - o - 1, o}, {R - 2 * o - 1, B - o}};
        paths.shadow = {{R - 2 * o - 2, B - o}, {R - 3 * o - 1, o}, {R - o - 1, o}};
    }
    return paths;
}
