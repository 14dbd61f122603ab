#pragma once
#include <array>

#include "menu/MenuGeometry.h"

// The check mark: seven one-pixel vertical strokes, each drawn from `from`
// to `to` with the end point left out (as LineTo does), 7 x 7 pixels.
struct MarkStroke {
    MenuPoint from;
    MenuPoint to;
};

std::array<MarkStroke, 7> CheckMarkStrokes(int x, int y);

// The radio bullet's ellipse bounding box.
MenuRect BulletBox(int x, int y);

// Where a check box's mark or bullet goes. The classic check mark sits one
// pixel further left than the bullet; the flat look puts both at (5, 4).
MenuPoint ClassicMarkOrigin(const MenuRect& box, bool bullet);
MenuPoint FlatMarkOrigin(const MenuRect& box);
