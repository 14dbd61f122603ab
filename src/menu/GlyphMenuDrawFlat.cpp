#include <optional>

#include "framework/DCView.h"
#include "framework/ScopedSelect.h"
#include "menu/CheckMarkShape.h"
#include "menu/FlatLayout.h"
#include "menu/GlyphColour.h"
#include "menu/GlyphMenu.h"
#include "menu/ItemDrawing.h"
#include "menu/MenuFontDC.h"
#include "menu/OffscreenDC.h"

namespace {

struct FlatColours {
    COLORREF bar = 0;
    COLORREF window = 0;
    COLORREF highlight = 0;
    COLORREF selection = 0;
    COLORREF text = 0;
    COLORREF grayedText = 0;
};

// One non-separator item as the flat look sees it.
struct FlatItem {
    DCView dc;
    RECT rect{};
    ItemStates states;
    FlatColours colours;
    FlatLayout layout;
    GlyphKind kind = GlyphKind::None;
    GlyphChoice glyph;
    const CImageList* list = nullptr;
};

FlatColours FlatColoursFor(bool selected)
{
    const bool themed = GlyphMenu::IsThemedXP();
    FlatColours colours;
    colours.bar = ::GetSysColor(COLOR_BTNFACE);
    if (!themed)
        colours.bar = BlendToWhite(colours.bar, 0.25);
    colours.window = ::GetSysColor(COLOR_WINDOW);
    colours.highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    colours.selection = BlendToWhite(colours.highlight, themed ? 0.7 : 0.85);
    colours.text = ::GetSysColor(COLOR_MENUTEXT);
    colours.grayedText = ::GetSysColor(COLOR_GRAYTEXT);
    if (!themed && !selected)
        colours.grayedText = BlendToWhite(colours.grayedText, 0.4);
    return colours;
}

void DrawImage(const FlatItem& item, int image, POINT at)
{
    if (item.list)
        item.list->Draw(item.dc.GetSafeHandle(), image, at, ILD_TRANSPARENT);
}

// A checked glyph sits on a framed cell, moved one pixel up and left.
void DrawCheckedGlyph(const FlatItem& item, COLORREF fill)
{
    RECT frame = ToRect(item.layout.glyphFrame);
    item.dc.FillSolidRect(&frame, fill);
    item.dc.Draw3dRect(&frame, item.colours.highlight, item.colours.highlight);
    DrawImage(item, item.glyph.image, ToPoint(item.layout.glyphOrigin, -1, -1));
}

// A selected glyph with variants is lifted over its shadow; an unselected
// one shows its faded variant.
void DrawFlatGlyph(const FlatItem& item)
{
    RECT frame = ToRect(item.layout.glyphFrame);
    const MenuPoint origin = item.layout.glyphOrigin;
    const bool lifted = item.glyph.shadow >= 0;
    if (item.kind == GlyphKind::Selected) {
        item.dc.FillSolidRect(&frame, item.colours.selection);
        if (lifted)
            DrawImage(item, item.glyph.shadow, ToPoint(origin, 1, 1));
        DrawImage(item, item.glyph.image, ToPoint(origin, lifted ? -1 : 0, lifted ? -1 : 0));
        return;
    }
    item.dc.FillSolidRect(&frame, item.colours.bar);
    DrawImage(item, item.glyph.faded >= 0 ? item.glyph.faded : item.glyph.image, ToPoint(origin));
}

void DrawFlatGlyphColumn(const GlyphMenu& menu, const FlatItem& item)
{
    const FlatColours& c = item.colours;
    const POINT origin = ToPoint(item.layout.glyphOrigin);
    if (item.kind == GlyphKind::CheckImage && menu.checkImages) {
        RECT frame = ToRect(item.layout.glyphFrame);
        item.dc.FillSolidRect(&frame, c.bar);
        menu.checkImages->Draw(item.dc.GetSafeHandle(), item.states.selected ? 1 : 0, origin, ILD_TRANSPARENT);
    } else if (item.kind == GlyphKind::Disabled) {
        DrawDisabledGlyphImage(menu, item.dc, item.list, item.glyph.image, origin,
                               item.states.selected ? c.selection : c.bar);
        if (item.states.selected)
            item.dc.Draw3dRect(&item.rect, c.highlight, c.highlight);
    } else if (item.kind == GlyphKind::Selected && item.states.checked) {
        DrawCheckedGlyph(item, c.selection);
    } else if (item.kind == GlyphKind::CheckImage || (item.kind == GlyphKind::Plain && item.states.checked)) {
        DrawCheckedGlyph(item, BlendToWhite(c.highlight, 0.85));
    } else if (item.kind != GlyphKind::None) {
        DrawFlatGlyph(item);
    }
}

void DrawFlatSeparator(const FlatItem& item)
{
    item.dc.FillSolidRect(&item.rect, item.colours.window);
    RECT line = ToRect(item.layout.separatorLine);
    item.dc.DrawEdge(&line, EDGE_ETCHED, BF_TOP);
    RECT bar = ToRect(item.layout.bar);
    item.dc.FillSolidRect(&bar, item.colours.bar);
}

void DrawFlatBackground(const FlatItem& item)
{
    if (item.states.selected) {
        item.dc.FillSolidRect(&item.rect, item.colours.selection);
        item.dc.Draw3dRect(&item.rect, item.colours.highlight, item.colours.highlight);
        return;
    }
    item.dc.FillSolidRect(&item.rect, item.colours.window);
    RECT bar = ToRect(item.layout.bar);
    item.dc.FillSolidRect(&bar, item.colours.bar);
}

// A grayed item is drawn off the screen and put there in one copy, in a
// menu font of its own.
struct GrayedBuffer {
    GrayedBuffer(HDC target, const RECT& rect)
        : dc(DCView(target), rect), font(MenuFontDC::MenuFont()), selectFont(dc.GetSafeHandle(), font)
    {
    }

    OffscreenDC dc;
    CFont font;
    ScopedSelect selectFont;
};

void TakeFlatGlyph(FlatItem& item, const GlyphItemRecord& record)
{
    const int ownImages = record.glyphImages ? record.glyphImages->GetImageCount() : 0;
    const bool sharedVariants = record.sharedGlyphIndex >= 0 && GlyphMenu::HasGlyphVariants(record.sharedGlyphIndex);
    item.glyph = ChooseFlatGlyph({record.glyphId, record.glyphIndex, record.sharedGlyphIndex},
                                 GlyphMenu::flatGlyphVariants != 0, ownImages, sharedVariants);
    item.list = item.glyph.source == GlyphSource::Shared ? &GlyphMenu::sharedGlyphList : record.glyphImages.get();
}

}  // namespace

void GlyphMenu::DrawFlatItem(LPDRAWITEMSTRUCT draw)
{
    const auto& record = *reinterpret_cast<const GlyphItemRecord*>(draw->itemData);
    FlatItem item;
    item.rect = draw->rcItem;
    item.states = StatesOf(*draw, selectDisabledFlat != 0);
    item.colours = FlatColoursFor(item.states.selected);
    std::optional<GrayedBuffer> buffer;
    if (item.states.grayed && selectDisabledFlat == 0)
        buffer.emplace(draw->hDC, draw->rcItem);
    item.dc = buffer ? DCView(buffer->dc) : DCView(draw->hDC);
    const std::wstring wholeText = record.GetWideText();
    const ItemText text = SplitItemText(wholeText);
    item.layout =
        LayOutFlatItem(ToMenuRect(draw->rcItem), glyphWidth, glyphHeight, flatGlyphVariants != 0, text.hasAccelerator);
    if (record.flags & MF_SEPARATOR) {
        DrawFlatSeparator(item);
        return;
    }
    TakeFlatGlyph(item, record);
    item.kind = ClassifyGlyphColumn(item.glyph.hasGlyph, item.states, checkSelectedId, checkNormalId);

    DrawFlatBackground(item);
    DrawFlatGlyphColumn(*this, item);
    if (item.kind == GlyphKind::None && item.states.checked)
        DrawFlatCheckBox(item.dc.GetSafeHandle(), ToRect(item.layout.checkBox), HasCheckedBitmap(*draw),
                         item.colours.highlight);
    if (!wholeText.empty()) {
        item.dc.SetTextColor(item.states.grayed ? item.colours.grayedText : item.colours.text);
        DrawItemLabel(item.dc, text, ToRect(item.layout.text));
    }
}

void GlyphMenu::DrawFlatCheckBox(HDC dc, const RECT& rect, bool bullet, COLORREF frame)
{
    DCView view(dc);
    view.FillSolidRect(&rect, BlendToWhite(frame, 0.85));
    view.Draw3dRect(&rect, frame, frame);
    const MenuPoint at = FlatMarkOrigin(ToMenuRect(rect));
    const COLORREF mark = ::GetSysColor(COLOR_MENUTEXT);
    if (bullet)
        DrawBullet(dc, at.x, at.y, mark);
    else
        StrokeCheckMark(dc, at.x, at.y, mark);
}
