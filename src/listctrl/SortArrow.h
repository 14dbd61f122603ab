#pragma once
#include <vector>

// Geometry of a sort-header item: where its title goes and the two pen paths
// of the 3-D triangle that marks the sorted column. Pure arithmetic so it can
// be checked without a device context.

struct HeaderRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct ArrowPoint {
    int x = 0;
    int y = 0;
};

inline bool operator==(const ArrowPoint& a, const ArrowPoint& b)
{
    return a.x == b.x && a.y == b.y;
}
inline bool operator==(const HeaderRect& a, const HeaderRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct HeaderLabel {
    HeaderRect rect;        // where the title is drawn
    bool drawText = false;  // false when the shrunk rectangle is empty
};

// Each path is drawn as MoveTo(first point) then LineTo each following point.
struct SortArrowPaths {
    std::vector<ArrowPoint> light;   // button highlight colour
    std::vector<ArrowPoint> shadow;  // button shadow colour
};

// The inset used for the label margins and arrow size: a quarter of the item's
// height, truncated.
int SortArrowInset(const HeaderRect& item);

// The title's rectangle. `pressed` is the item state being exactly "selected";
// a sort column leaves room for its arrow at the right.
HeaderLabel ComputeHeaderLabel(const HeaderRect& item, bool pressed, bool isSortColumn);

// The arrow for the sort column, from the unshifted item rectangle, so a
// pressed item's arrow stays put. Up for ascending, down for descending.
SortArrowPaths ComputeSortArrow(const HeaderRect& item, bool ascending);
