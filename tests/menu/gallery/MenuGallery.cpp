// menu_gallery OUTDIR: loads the sample menu and the program's shelf menu
// and draws their first popups in the flat and the classic look, each item
// unselected (left) and selected (right), into OUTDIR/flat.bmp,
// OUTDIR/classic.bmp, OUTDIR/shelf-flat.bmp and OUTDIR/shelf-classic.bmp
// (24-bit). The shelf menu is drawn as an empty shelf shows it.
#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "GalleryResources.h"
#include "XpFacts.h"
#include "menu/GlyphMenu.h"
#include "resource.h"

namespace {

constexpr int kGap = 8;

// A menu to draw: its template, the toolbar whose strip gives its commands'
// glyphs, and the items grayed.
struct Sample {
    UINT menu;
    UINT toolBar;
    std::vector<UINT> glyphCommands;
    std::vector<UINT> grayed;
};

const Sample kGallery{IDM_GALLERY,
                      IDR_GALLERY_GLYPHS,
                      {ID_GALLERY_OPEN, ID_GALLERY_SAVE, ID_GALLERY_PRINT, ID_GALLERY_BOLD, ID_GALLERY_EXIT},
                      {}};
const Sample kShelf{IDR_SHELF_MENU,
                    IDR_SHELF_GLYPHS,
                    {ID_SHELF_SAVE_AS, ID_SHELF_CLEAR, ID_SHELF_FOLDER, ID_SHELF_ABOUT},
                    {ID_SHELF_SAVE_AS, ID_SHELF_CLEAR}};

struct Item {
    UINT id = 0;
    UINT state = 0;  // ODS_ bits
    ULONG_PTR data = 0;
    SIZE size{};
};

// The toolbar's glyphs become the shared glyphs of their commands, which the
// loaded menu's items then show.
void RegisterGlyphs(const Sample& sample)
{
    GlyphMenu source;
    source.CreatePopupMenu();
    for (UINT id : sample.glyphCommands)
        source.AppendItem(L"", MF_STRING, id, sample.toolBar);
}

std::vector<Item> MeasuredItems(GlyphMenu& level)
{
    std::vector<Item> items;
    for (int position = 0; position < ::GetMenuItemCount(level.GetSafeHandle()); ++position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA | MIIM_ID | MIIM_STATE;
        ::GetMenuItemInfoW(level.GetSafeHandle(), position, TRUE, &info);
        Item item;
        item.id = info.wID;
        item.data = info.dwItemData;
        item.state = ((info.fState & MFS_CHECKED) ? ODS_CHECKED : 0) | ((info.fState & MFS_GRAYED) ? ODS_GRAYED : 0);
        MEASUREITEMSTRUCT measure{ODT_MENU, 0, item.id, 0, 0, item.data};
        level.MeasureItem(&measure);
        item.size = {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
        items.push_back(item);
    }
    return items;
}

BITMAPINFOHEADER Header(int width, int height, WORD bits)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = bits;
    header.biCompression = BI_RGB;
    return header;
}

bool WriteBitmap(const std::string& path, const BYTE* pixels, int width, int height)
{
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER info = Header(width, height, 24);
    info.biSizeImage = stride * height;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::vector<BYTE> row(stride);
    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        for (int x = 0; x < width; ++x)
            std::copy_n(pixels + (y * width + x) * 4, 3, row.begin() + x * 3);
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

// Draws every item of the level twice, as the platform would: on the menu
// colour, with the menu font selected.
bool DrawGallery(GlyphMenu& level, const std::vector<Item>& items, const std::string& path)
{
    int width = 0, height = 0;
    for (const Item& item : items) {
        width = std::max<int>(width, item.size.cx);
        height += item.size.cy;
    }
    const int canvasWidth = 2 * width + kGap;
    HDC dc = ::CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader = Header(canvasWidth, -height, 32);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    HFONT font = ::CreateFontIndirectW(&metrics.lfMenuFont);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    RECT all{0, 0, canvasWidth, height};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_MENU));
    int top = 0;
    for (const Item& item : items) {
        for (int column = 0; column < 2; ++column) {
            DRAWITEMSTRUCT draw{};
            draw.CtlType = ODT_MENU;
            draw.itemID = item.id;
            draw.itemAction = ODA_DRAWENTIRE;
            draw.itemState = item.state | (column ? ODS_SELECTED : 0u);
            draw.hwndItem = reinterpret_cast<HWND>(level.GetSafeHandle());
            draw.hDC = dc;
            const int left = column * (width + kGap);
            draw.rcItem = {left, top, left + width, top + item.size.cy};
            draw.itemData = item.data;
            level.DrawItem(&draw);
        }
        top += item.size.cy;
    }
    ::GdiFlush();
    const bool written = WriteBitmap(path, static_cast<const BYTE*>(bits), canvasWidth, height);
    ::SelectObject(dc, oldFont);
    ::DeleteObject(font);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return written;
}

bool DrawLook(const Sample& sample, const char* theme, const std::string& path, HBITMAP bulletMark, COLORREF menuColour)
{
    // Wine's menu colour is white, on which the classic look's lightened
    // and embossed parts vanish; the picture uses the classic scheme's.
    int index = COLOR_MENU;
    const COLORREF oldMenuColour = ::GetSysColor(index);
    ::SetSysColors(1, &index, &menuColour);
    XpFacts facts(theme);
    SystemFacts::Install(&facts);
    GlyphMenu::RedetectPlatformLook();
    RegisterGlyphs(sample);
    GlyphMenu menu;
    bool drawn = false;
    if (menu.LoadMenu(sample.menu)) {
        HMENU popup = ::GetSubMenu(menu.GetSafeHandle(), 0);
        // A checked-state bitmap of its own makes the item a radio item.
        ::SetMenuItemBitmaps(popup, ID_GALLERY_LARGE, MF_BYCOMMAND, nullptr, bulletMark);
        for (UINT id : sample.grayed)
            ::EnableMenuItem(popup, id, MF_BYCOMMAND | MF_GRAYED);
        auto* level = dynamic_cast<GlyphMenu*>(CMenu::FromHandlePermanent(popup));
        drawn = level && DrawGallery(*level, MeasuredItems(*level), path);
    }
    SystemFacts::Install(nullptr);
    ::SetSysColors(1, &index, &oldMenuColour);
    return drawn;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: menu_gallery OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    HBITMAP bulletMark = ::CreateBitmap(8, 8, 1, 1, nullptr);
    // Flat first: its glyphs get their faded and shadow variants.
    bool ok = true;
    for (const auto& [sample, prefix] : {std::make_pair(&kGallery, ""), std::make_pair(&kShelf, "shelf-")}) {
        ok = ok &&
             DrawLook(*sample, kLunaTheme, dir + "/" + prefix + "flat.bmp", bulletMark, ::GetSysColor(COLOR_MENU)) &&
             DrawLook(*sample, kClassicTheme, dir + "/" + prefix + "classic.bmp", bulletMark, RGB(212, 208, 200));
    }
    ::DeleteObject(bulletMark);
    if (!ok)
        std::fprintf(stderr, "menu_gallery: could not draw the menu\n");
    return ok ? 0 : 1;
}
