#include "menu/ItemDrawing.h"

#include "framework/Bitmap.h"
#include "menu/GlyphMenu.h"

RECT ToRect(const MenuRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

MenuRect ToMenuRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

POINT ToPoint(const MenuPoint& point, int dx, int dy)
{
    return {point.x + dx, point.y + dy};
}

ItemStates StatesOf(const DRAWITEMSTRUCT& item, bool selectDisabled)
{
    ItemStates states;
    states.grayed = (item.itemState & ODS_GRAYED) != 0;
    states.checked = (item.itemState & ODS_CHECKED) != 0;
    states.selected = (item.itemState & ODS_SELECTED) != 0 && (selectDisabled || !states.grayed);
    return states;
}

bool HasCheckedBitmap(const DRAWITEMSTRUCT& item)
{
    // The record's own size, not a fixed one, so both builds read it.
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_CHECKMARKS;
    HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
    return ::GetMenuItemInfoW(menu, item.itemID, FALSE, &info) && info.hbmpChecked;
}

void DrawItemLabel(DCView dc, const ItemText& text, const RECT& rect)
{
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    RECT bounds = rect;
    dc.DrawText(text.label, &bounds, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (text.hasAccelerator) {
        bounds = rect;
        dc.DrawText(text.accelerator, &bounds, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SetBkMode(oldMode);
}

void DrawDisabledGlyphImage(const GlyphMenu& menu, DCView dc, const CImageList* list, int image, POINT at,
                            COLORREF background)
{
    CBitmap rendered;
    if (!list || !menu.RenderGlyphBitmap(dc.GetSafeHandle(), *list, image, rendered))
        return;
    if (menu.useDibDisabledGlyphs)
        menu.DrawDisabledGlyphDib(dc.GetSafeHandle(), at.x, at.y, menu.glyphWidth, menu.glyphHeight, rendered, 0, 0,
                                  background);
    else
        menu.DrawDisabledGlyph(dc.GetSafeHandle(), at.x, at.y, menu.glyphWidth, menu.glyphHeight, rendered, 0, 0,
                               background);
}
