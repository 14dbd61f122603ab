#include "framework/Brush.h"
#include "framework/DCView.h"
#include "framework/Pen.h"
#include "framework/ScopedSelect.h"
#include "framework/SystemFacts.h"
#include "menu/CheckMarkShape.h"
#include "menu/GlyphMenu.h"

void GlyphMenu::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (SystemFacts::Current().HasPalette(item->hDC) || !IsFlatStyle())
        DrawClassicItem(item);
    else
        DrawFlatItem(item);
}

void GlyphMenu::StrokeCheckMark(HDC dc, int x, int y, COLORREF colour)
{
    CPen pen(PS_SOLID, 1, colour);
    ScopedSelect selectPen(dc, pen);
    DCView view(dc);
    for (const MarkStroke& stroke : CheckMarkStrokes(x, y)) {
        view.MoveTo(stroke.from.x, stroke.from.y);
        view.LineTo(stroke.to.x, stroke.to.y);
    }
}

void GlyphMenu::DrawBullet(HDC dc, int x, int y, COLORREF colour)
{
    CBrush brush(colour);
    CPen pen(PS_SOLID, 1, colour);
    ScopedSelect selectBrush(dc, brush);
    ScopedSelect selectPen(dc, pen);
    const MenuRect box = BulletBox(x, y);
    DCView(dc).Ellipse(box.left, box.top, box.right, box.bottom);
}
