#pragma once

// Rectangles and points of the menu's item layout, free of the platform's
// types so the layout can be checked natively. Right and bottom edges are
// exclusive, as on the platform.

struct MenuRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct MenuPoint {
    int x = 0;
    int y = 0;
};

inline bool operator==(const MenuPoint& a, const MenuPoint& b)
{
    return a.x == b.x && a.y == b.y;
}
inline bool operator==(const MenuRect& a, const MenuRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
