#include <algorithm>

#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "framework/DCView.h"
#include "framework/IconHandle.h"
#include "framework/MemDC.h"
#include "framework/ScopedSelect.h"
#include "framework/SysColorBitmap.h"
#include "menu/GlyphColour.h"
#include "menu/GlyphMenu.h"
#include "menu/MenuFontDC.h"

namespace {

constexpr DWORD kBrushWhereSourceBlack = 0xB8074A;  // PSDPxax
constexpr DWORD kBrushWhereMaskBlack = 0xE20746;    // DSPDxax

COLORREF ButtonFace()
{
    return ::GetSysColor(COLOR_BTNFACE);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    DCView(dc).FillSolidRect(&rect, colour);
}

// COLOR_BTNFACE as a bitmap of this context's format renders it.
COLORREF RenderedButtonFace(HDC dc)
{
    CMemDC probe(dc);
    CBitmap pixels;
    if (!probe.GetSafeHandle() || !pixels.CreateCompatibleBitmap(dc, 2, 2))
        return ButtonFace();
    ScopedSelect select(probe.GetSafeHandle(), pixels);
    FillSolid(probe.GetSafeHandle(), RECT{0, 0, 2, 2}, ButtonFace());
    return ::GetPixel(probe.GetSafeHandle(), 1, 1);
}

template <class Rule>
void MapGlyphPixels(CBitmap& bitmap, Rule rule)
{
    BITMAP info{};
    CClientDC screen(nullptr);
    CMemDC dc(screen.GetSafeHandle());
    if (!::GetObjectW(bitmap, sizeof info, &info) || !dc.GetSafeHandle())
        return;
    ScopedSelect select(dc.GetSafeHandle(), bitmap);
    const COLORREF background = RenderedButtonFace(dc.GetSafeHandle());
    for (int x = 0; x < info.bmWidth; ++x) {
        for (int y = 0; y < info.bmHeight; ++y) {
            COLORREF pixel = ::GetPixel(dc.GetSafeHandle(), x, y);
            COLORREF changed = rule(pixel, background);
            if (changed != pixel)
                ::SetPixel(dc.GetSafeHandle(), x, y, changed);
        }
    }
}

}  // namespace

bool GlyphMenu::RenderGlyphBitmap(HDC dc, const CImageList& list, int index, CBitmap& bitmap) const
{
    IconHandle icon = list.ExtractIcon(index);
    CMemDC memory(dc);
    if (!icon || !memory.GetSafeHandle() || !bitmap.CreateCompatibleBitmap(dc, glyphWidth, glyphHeight))
        return false;
    ScopedSelect select(memory.GetSafeHandle(), bitmap);
    FillSolid(memory.GetSafeHandle(), RECT{0, 0, glyphWidth, glyphHeight}, ButtonFace());
    ::DrawIconEx(memory.GetSafeHandle(), 0, 0, icon.GetSafeHandle(), glyphWidth, glyphHeight, 0, nullptr, DI_NORMAL);
    return true;
}

void GlyphMenu::MakeFadedGlyph(CBitmap& bitmap)
{
    MapGlyphPixels(bitmap, [](COLORREF pixel, COLORREF background) { return FadedPixel(pixel, background); });
}

void GlyphMenu::MakeShadowGlyph(CBitmap& bitmap)
{
    const COLORREF shadow = ShadowColour(::GetSysColor(COLOR_BTNSHADOW), IsThemedXP());
    MapGlyphPixels(bitmap,
                   [shadow](COLORREF pixel, COLORREF background) { return ShadowPixel(pixel, background, shadow); });
}

bool GlyphMenu::LoadSysColorGlyph(UINT id, CBitmap& bitmap)
{
    ResourceData resource = AfxFindResourceData(MAKEINTRESOURCEW(id & 0xFFFF), RT_BITMAP);
    BITMAPINFOHEADER header{};
    if (!resource.data || resource.size < sizeof header)
        return false;
    std::copy(resource.data, resource.data + sizeof header, reinterpret_cast<BYTE*>(&header));
    DWORD colours = header.biClrUsed;
    if (!colours)
        colours = header.biBitCount == 1 ? 2 : header.biBitCount == 4 ? 16 : header.biBitCount == 8 ? 256 : 0;
    return colours == 16 && AfxLoadSysColorBitmap(resource, bitmap);
}

bool GlyphMenu::AddGlyphFromSource(CImageList& list, UINT_PTR source) const
{
    if (!AddGlyphImages(list, source))
        return false;
    if (IsFlatStyle() && flatGlyphVariants)
        AppendGlyphVariants(list);
    return true;
}

bool GlyphMenu::AddGlyphImages(CImageList& list, UINT_PTR source) const
{
    if (glyphsAreIcons) {
        list.Replace(-1, reinterpret_cast<HICON>(source));
        return true;
    }
    CBitmap bitmap;
    const auto* name = MAKEINTRESOURCEW(source & 0xFFFF);
    // Without a module the loader would hand out a system bitmap of that number.
    HINSTANCE module = AfxFindResourceData(name, RT_BITMAP).module;
    if (!LoadSysColorGlyph(static_cast<UINT>(source), bitmap) && module)
        bitmap.LoadBitmap(module, name);
    return bitmap.GetSafeHandle() && list.Add(bitmap, useGlyphKeyColor ? glyphKeyColor : ButtonFace()) >= 0;
}

bool GlyphMenu::CreateGlyphList(CImageList& list) const
{
    return list.Create(glyphWidth, glyphHeight, ILC_COLORDDB | ILC_MASK, 1, 1);
}

void GlyphMenu::AppendGlyphVariants(CImageList& list) const
{
    CBitmap faded;
    CBitmap shadow;
    if (MakeGlyphVariants(list, 0, faded, shadow) && list.Add(faded, ButtonFace()) >= 0)
        list.Add(shadow, ButtonFace());
}

bool GlyphMenu::MakeGlyphVariants(const CImageList& list, int index, CBitmap& faded, CBitmap& shadow) const
{
    CClientDC dc(MenuFontDC::ReferenceWindow());
    if (!RenderGlyphBitmap(dc.GetSafeHandle(), list, index, faded) ||
        !RenderGlyphBitmap(dc.GetSafeHandle(), list, index, shadow))
        return false;
    MakeFadedGlyph(faded);
    MakeShadowGlyph(shadow);
    return true;
}

int GlyphMenu::FindSharedGlyph(UINT_PTR id)
{
    auto found = std::find(sharedGlyphIds.begin(), sharedGlyphIds.end(), id);
    return found == sharedGlyphIds.end() ? -1 : static_cast<int>(found - sharedGlyphIds.begin());
}

bool GlyphMenu::HasGlyphVariants(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) + 2 >= sharedGlyphIds.size())
        return false;
    return sharedGlyphIds[index] == sharedGlyphIds[index + 1] && sharedGlyphIds[index] == sharedGlyphIds[index + 2];
}

int GlyphMenu::AddSharedGlyph(const CImageList& list, int index, UINT_PTR id) const
{
    if (!sharedGlyphList.GetSafeHandle() && !CreateGlyphList(sharedGlyphList))
        return -1;
    IconHandle icon = list.ExtractIcon(index);
    if (!icon)
        return -1;
    CBitmap faded;
    CBitmap shadow;
    const bool variants = IsFlatStyle() && flatGlyphVariants && MakeGlyphVariants(list, index, faded, shadow);
    int found = FindSharedGlyph(id);
    if (found >= 0) {
        sharedGlyphList.Replace(found, icon.GetSafeHandle());
        if (variants && HasGlyphVariants(found)) {
            ReplaceSharedFromBitmap(found + 1, faded);
            ReplaceSharedFromBitmap(found + 2, shadow);
        }
        return found;
    }
    // An id is recorded only for an image the list took, so both stay in step.
    if (sharedGlyphList.Replace(-1, icon.GetSafeHandle()) < 0)
        return -1;
    sharedGlyphIds.push_back(id);
    found = static_cast<int>(sharedGlyphIds.size()) - 1;
    if (variants && sharedGlyphList.Add(faded, ButtonFace()) >= 0) {
        sharedGlyphIds.push_back(id);
        if (sharedGlyphList.Add(shadow, ButtonFace()) >= 0)
            sharedGlyphIds.push_back(id);
    }
    return found;
}

// Through a temporary list, as the shared list replaces images by icon.
void GlyphMenu::ReplaceSharedFromBitmap(int index, HBITMAP bitmap) const
{
    CImageList temporary;
    if (!CreateGlyphList(temporary) || temporary.Add(bitmap, ButtonFace()) < 0)
        return;
    IconHandle icon = temporary.ExtractIcon(0);
    if (icon)
        sharedGlyphList.Replace(index, icon.GetSafeHandle());
}

void GlyphMenu::DrawDisabledGlyphDib(HDC dc, int x, int y, int width, int height, HBITMAP source, int sourceX,
                                     int sourceY, COLORREF background) const
{
    CMemDC sourceDC(dc);
    CMemDC monoDC(dc);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = RGBQUAD{255, 255, 255, 0};
    CBitmap mono;
    if (!sourceDC.GetSafeHandle() || !monoDC.GetSafeHandle() ||
        !mono.CreateDIBSection(dc, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return;
    ScopedSelect selectSource(sourceDC.GetSafeHandle(), source);
    ScopedSelect selectMono(monoDC.GetSafeHandle(), mono);
    ::BitBlt(monoDC.GetSafeHandle(), 0, 0, width, height, sourceDC.GetSafeHandle(), sourceX, sourceY, SRCCOPY);
    FillSolid(dc, RECT{x, y, x + width, y + height}, background);
    const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
    const struct {
        int colour, offset;
    } passes[] = {{COLOR_BTNHIGHLIGHT, 1}, {COLOR_BTNSHADOW, 0}};
    for (const auto& pass : passes) {
        CBrush brush(::GetSysColor(pass.colour));
        ScopedSelect selectBrush(dc, brush);
        ::BitBlt(dc, x + pass.offset, y + pass.offset, width, height, monoDC.GetSafeHandle(), 0, 0,
                 kBrushWhereSourceBlack);
    }
    ::SetBkColor(dc, oldBack);
    ::SetTextColor(dc, oldText);
}

void GlyphMenu::DrawDisabledGlyph(HDC dc, int x, int y, int width, int height, HBITMAP source, int sourceX, int sourceY,
                                  COLORREF background) const
{
    CMemDC scratch(dc);
    CMemDC maskDC(dc);
    CBitmap mask;
    if (!scratch.GetSafeHandle() || !maskDC.GetSafeHandle() || !mask.CreateBitmap(width, height, 1, 1, nullptr))
        return;
    ScopedSelect selectSource(scratch.GetSafeHandle(), source);
    ScopedSelect selectMask(maskDC.GetSafeHandle(), mask);
    HDC s = scratch.GetSafeHandle();
    HDC m = maskDC.GetSafeHandle();
    ::PatBlt(m, 0, 0, width, height, WHITENESS);
    ::SetBkColor(s, ::GetSysColor(COLOR_BTNFACE));
    ::BitBlt(m, 0, 0, width, height, s, sourceX, sourceY, SRCCOPY);
    ::SetBkColor(s, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    ::BitBlt(m, 0, 0, width, height, s, sourceX, sourceY, SRCPAINT);
    FillSolid(s, RECT{0, 0, width, height}, background);
    ::SetBkColor(s, RGB(0, 0, 0));
    ::SetTextColor(s, RGB(255, 255, 255));
    {
        CBrush highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
        ScopedSelect selectBrush(s, highlight);
        ::BitBlt(s, 0, 0, width, height, m, 0, 0, kBrushWhereMaskBlack);
        ::BitBlt(dc, x + 1, y + 1, width, height, s, 0, 0, SRCCOPY);
        ::BitBlt(s, 1, 1, width, height, m, 0, 0, kBrushWhereMaskBlack);
    }
    CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
    ScopedSelect selectBrush(s, shadow);
    ::BitBlt(s, 0, 0, width, height, m, 0, 0, kBrushWhereMaskBlack);
    ::BitBlt(dc, x, y, width, height, s, 0, 0, SRCCOPY);
}
