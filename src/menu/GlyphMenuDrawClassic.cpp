#include "framework/DCView.h"
#include "menu/CheckMarkShape.h"
#include "menu/ClassicLayout.h"
#include "menu/GlyphColour.h"
#include "menu/GlyphMenu.h"
#include "menu/ItemDrawing.h"

namespace {

// One non-separator item as the classic look sees it.
struct ClassicItem {
    DCView dc;
    ItemStates states;
    COLORREF bg = 0;
    ClassicLayout layout;
    GlyphKind kind = GlyphKind::None;
    const CImageList* list = nullptr;
    int image = -1;
};

COLORREF ClassicBackground()
{
    return ::GetSysColor(GlyphMenu::IsThemedXP() ? COLOR_BTNFACE : COLOR_MENU);
}

// The glyph cell as a small button: raised under a selected glyph, sunken
// and lightened when checked.
void DrawClassicGlyphCell(const GlyphMenu& menu, const ClassicItem& item)
{
    if (item.kind == GlyphKind::None)
        return;
    DCView dc = item.dc;
    RECT inner = ToRect(item.layout.innerRect);
    const POINT origin = ToPoint(item.layout.glyphOrigin);
    dc.Draw3dRect(&inner, item.bg, item.bg);
    if (item.kind == GlyphKind::CheckImage && menu.checkImages) {
        dc.FillSolidRect(&inner, item.bg);
        menu.checkImages->Draw(dc.GetSafeHandle(), item.states.selected ? 1 : 0, origin, ILD_TRANSPARENT);
        return;
    }
    if (item.kind == GlyphKind::Disabled) {
        DrawDisabledGlyphImage(menu, dc, item.list, item.image, origin, item.bg);
        return;
    }
    // A check image without check images shows as a checked glyph would.
    const bool checkedRow =
        item.kind == GlyphKind::CheckImage || (item.kind == GlyphKind::Plain && item.states.checked);
    dc.FillSolidRect(&inner, checkedRow ? BlendToWhite(item.bg, 0.6) : item.bg);
    if (GlyphMenu::IsModernShell() && (checkedRow || item.kind == GlyphKind::Selected)) {
        RECT cell = ToRect(item.layout.glyphCell);
        const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        const COLORREF dark = ::GetSysColor(COLOR_BTNSHADOW);
        if (item.states.checked)
            dc.Draw3dRect(&cell, dark, light);
        else
            dc.Draw3dRect(&cell, light, dark);
    }
    if (item.list)
        item.list->Draw(dc.GetSafeHandle(), item.image, origin, ILD_TRANSPARENT);
}

// Grey text is embossed: a highlight copy one pixel down and right under it.
void DrawClassicText(const ClassicItem& item, const ItemText& text, COLORREF textColour)
{
    DCView dc = item.dc;
    const RECT rect = ToRect(item.layout.text);
    if (!item.states.grayed || item.states.selected) {
        dc.SetTextColor(item.states.grayed ? item.bg : textColour);
        DrawItemLabel(dc, text, rect);
        return;
    }
    RECT raised = rect;
    ::OffsetRect(&raised, 1, 1);
    dc.SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawItemLabel(dc, text, raised);
    dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    DrawItemLabel(dc, text, rect);
}

}  // namespace

void GlyphMenu::DrawClassicItem(LPDRAWITEMSTRUCT draw)
{
    const auto& record = *reinterpret_cast<const GlyphItemRecord*>(draw->itemData);
    ClassicItem item;
    item.dc = DCView(draw->hDC);
    item.bg = ClassicBackground();
    // Plain fills make no brush; every object this paint makes is owned and
    // gone on each way out, the separator's included.
    if (record.flags & MF_SEPARATOR) {
        item.dc.FillSolidRect(&draw->rcItem, item.bg);
        RECT line = ToRect(ClassicSeparatorLine(ToMenuRect(draw->rcItem)));
        item.dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
        return;
    }
    item.states = StatesOf(*draw, selectDisabledClassic != 0);
    const std::wstring wholeText = record.GetWideText();
    const ItemText text = SplitItemText(wholeText);
    const GlyphChoice glyph = ChooseClassicGlyph({record.glyphId, record.glyphIndex, record.sharedGlyphIndex});
    item.list = glyph.source == GlyphSource::Shared ? &sharedGlyphList : record.glyphImages.get();
    item.image = glyph.image;
    item.kind = ClassifyGlyphColumn(glyph.hasGlyph, item.states, checkSelectedId, checkNormalId);
    item.layout = LayOutClassicItem(ToMenuRect(draw->rcItem), glyphWidth, glyphHeight,
                                    GlyphColumnInUse(item.kind, item.states), text.hasAccelerator);

    COLORREF textColour = ::GetSysColor(COLOR_MENUTEXT);
    if (item.states.selected) {
        RECT rect = ToRect(item.layout.highlight);
        item.dc.FillSolidRect(&rect, ::GetSysColor(COLOR_HIGHLIGHT));
        textColour = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else {
        item.dc.FillSolidRect(&draw->rcItem, item.bg);
    }
    DrawClassicGlyphCell(*this, item);
    if (item.kind == GlyphKind::None && item.states.checked)
        DrawClassicCheckBox(draw->hDC, ToRect(item.layout.checkBox), item.states.selected, HasCheckedBitmap(*draw));
    if (!wholeText.empty())
        DrawClassicText(item, text, textColour);
}

void GlyphMenu::DrawClassicCheckBox(HDC dc, const RECT& rect, bool selected, bool bullet)
{
    COLORREF colour = ClassicBackground();
    if (!selected)
        colour = BlendToWhite(colour, 0.6);
    DCView view(dc);
    view.FillSolidRect(&rect, colour);
    if (IsModernShell()) {
        RECT edge = rect;
        view.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
    }
    const MenuPoint at = ClassicMarkOrigin(ToMenuRect(rect), bullet);
    const COLORREF mark = ::GetSysColor(COLOR_MENUTEXT);
    if (bullet)
        DrawBullet(dc, at.x, at.y, mark);
    else
        StrokeCheckMark(dc, at.x, at.y, mark);
}
