#include "menu/GlyphMenu.h"

// Drawing the two looks comes with the drawing code; until then an item
// draws nothing.
void GlyphMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}
