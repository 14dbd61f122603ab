#pragma once
#include <windows.h>

#include "framework/DCView.h"
#include "menu/GlyphColumn.h"
#include "menu/ItemText.h"
#include "menu/MenuGeometry.h"

// Pieces both looks of a GlyphMenu item draw with.

RECT ToRect(const MenuRect& rect);
MenuRect ToMenuRect(const RECT& rect);
POINT ToPoint(const MenuPoint& point, int dx = 0, int dy = 0);

// The item's states; a grayed item loses its selection unless the look
// lets disabled items be selected.
ItemStates StatesOf(const DRAWITEMSTRUCT& item, bool selectDisabled);

// The platform item has a checked-state bitmap of its own (a radio item).
bool HasCheckedBitmap(const DRAWITEMSTRUCT& item);

// The label at the left of the rectangle, the shortcut at its right, in the
// context's current text colour on a transparent background.
void DrawItemLabel(DCView dc, const ItemText& text, const RECT& rect);

class GlyphMenu;
class CImageList;

// The embossed image of a disabled glyph, drawn the way the menu chooses;
// nothing without an image list.
void DrawDisabledGlyphImage(const GlyphMenu& menu, DCView dc, const CImageList* list, int image, POINT at,
                            COLORREF background);
