#pragma once
#include "menu/MenuGeometry.h"

// Where the flat look puts the parts of one item: a glyph bar at the left,
// the text area to its right.
struct FlatLayout {
    int margin = 0;  // 7 with glyph variants, else 4
    MenuRect bar;
    MenuRect glyphFrame;
    MenuPoint glyphOrigin;
    MenuRect checkBox;       // 16 x 16, centred in the bar
    MenuRect text;           // ends glyphWidth early when there is an accelerator
    MenuRect separatorLine;  // its top edge is the etched line
};

FlatLayout LayOutFlatItem(const MenuRect& item, int glyphWidth, int glyphHeight, bool glyphVariants,
                          bool hasAccelerator);
