#pragma once
#include "menu/MenuGeometry.h"

// Where the classic look puts the parts of one item: a glyph cell drawn as a
// small button at the left, the highlight to its right, the text after it.
struct ClassicLayout {
    MenuRect glyphCell;
    MenuRect innerRect;  // the glyph cell less its one-pixel border
    MenuPoint glyphOrigin;
    MenuRect checkBox;
    MenuRect highlight;  // the whole item when the glyph column is not in use
    MenuRect text;       // ends glyphWidth early when there is an accelerator
};

ClassicLayout LayOutClassicItem(const MenuRect& item, int glyphWidth, int glyphHeight, bool glyphColumnInUse,
                                bool hasAccelerator);

// The rectangle whose top edge is the separator's etched line.
MenuRect ClassicSeparatorLine(const MenuRect& item);
