#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "GuiResources.h"
#include "XpFacts.h"
#include "framework/SystemFacts.h"
#include "menu/GlyphColour.h"
#include "menu/GlyphMenu.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kGlyphColour = RGB(200, 0, 0);
constexpr COLORREF kFadedColour = RGB(230, 150, 150);
constexpr COLORREF kShadowColour = RGB(90, 90, 90);

// A 32-bit memory canvas, so pixels read back as drawn.
class Canvas {
public:
    Canvas(int width, int height) : dc(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old = ::SelectObject(dc, bitmap);
    }
    ~Canvas()
    {
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(dc, x, y); }

    HDC dc;

private:
    HBITMAP bitmap;
    HGDIOBJ old;
};

COLORREF Sys(int index)
{
    return ::GetSysColor(index);
}

// Three glyphs of 16 x 15 on the key colour: a 4 x 4 square at (4, 4) in
// the glyph, faded and shadow colours.
std::unique_ptr<CImageList> GlyphWithVariants(HDC dc)
{
    Canvas strip(48, 15);
    RECT all{0, 0, 48, 15};
    HBRUSH key = ::CreateSolidBrush(kKey);
    ::FillRect(strip.dc, &all, key);
    ::DeleteObject(key);
    const COLORREF colours[] = {kGlyphColour, kFadedColour, kShadowColour};
    for (int i = 0; i < 3; ++i) {
        RECT square{16 * i + 4, 4, 16 * i + 8, 8};
        HBRUSH brush = ::CreateSolidBrush(colours[i]);
        ::FillRect(strip.dc, &square, brush);
        ::DeleteObject(brush);
    }
    HBITMAP copy = ::CreateCompatibleBitmap(dc, 48, 15);
    HDC copyDc = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(copyDc, copy);
    ::BitBlt(copyDc, 0, 0, 48, 15, strip.dc, 0, 0, SRCCOPY);
    ::SelectObject(copyDc, old);
    ::DeleteDC(copyDc);
    auto list = std::make_unique<CImageList>();
    list->Create(16, 15, ILC_COLOR32 | ILC_MASK, 3, 1);
    list->Add(copy, kKey);
    ::DeleteObject(copy);
    return list;
}

enum Kind { kSeparator, kText, kGlyph, kRadio, kKinds };

class MenuDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        menu.CreatePopupMenu();
        ::AppendMenuW(menu.GetSafeHandle(), MF_STRING, kRadioId, L"radio");
        radioMark = ::CreateBitmap(8, 8, 1, 1, nullptr);
        ::SetMenuItemBitmaps(menu.GetSafeHandle(), kRadioId, MF_BYCOMMAND, nullptr, radioMark);
        records[kSeparator].flags = MF_SEPARATOR;
        records[kText].SetText(L"&Open\tCtrl+O");
        records[kGlyph].SetText(L"Save");
        records[kGlyph].glyphId = 0;
        records[kGlyph].glyphIndex = 0;
        records[kGlyph].glyphImages = GlyphWithVariants(canvas.dc);
        records[kRadio].SetText(L"Radio");
    }
    void TearDown() override
    {
        SystemFacts::Install(nullptr);
        ::DeleteObject(radioMark);
    }
    void UseLook(const std::string& theme)
    {
        facts = std::make_unique<XpFacts>(theme);
        SystemFacts::Install(facts.get());
        GlyphMenu::RedetectPlatformLook();
    }
    DRAWITEMSTRUCT Item(Kind kind, UINT state, int height)
    {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = kind == kRadio ? kRadioId : 0;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = reinterpret_cast<HWND>(menu.GetSafeHandle());
        item.hDC = canvas.dc;
        item.rcItem = {0, 0, 160, height};
        item.itemData = reinterpret_cast<ULONG_PTR>(&records[kind]);
        return item;
    }
    void Draw(Kind kind, UINT state, int height = 22)
    {
        DRAWITEMSTRUCT item = Item(kind, state, height);
        menu.DrawItem(&item);
    }

    static constexpr UINT kRadioId = 7;
    Canvas canvas{160, 22};
    GlyphMenu menu;
    GlyphItemRecord records[kKinds];
    HBITMAP radioMark = nullptr;
    std::unique_ptr<XpFacts> facts;
};

struct Probe {
    int x, y;
    COLORREF expected;
};

// Sets a system colour for the scope; Wine's menu colour is white, which
// hides the lightened check boxes.
class ScopedSysColour {
public:
    ScopedSysColour(int index, COLORREF colour) : index(index), old(::GetSysColor(index))
    {
        ::SetSysColors(1, &index, &colour);
    }
    ~ScopedSysColour() { ::SetSysColors(1, &index, &old); }

private:
    int index;
    COLORREF old;
};

void ExpectPixels(const Canvas& canvas, const std::vector<Probe>& probes, const char* what)
{
    for (const Probe& p : probes)
        EXPECT_EQ(p.expected, canvas.At(p.x, p.y)) << what << " at (" << p.x << ", " << p.y << ")";
}

}  // namespace

TEST_F(MenuDraw, ClassicLook)
{
    UseLook(kClassicTheme);
    ScopedSysColour menuColour(COLOR_MENU, RGB(212, 208, 200));
    const COLORREF bg = Sys(COLOR_MENU);
    const COLORREF light = Sys(COLOR_BTNHIGHLIGHT), dark = Sys(COLOR_BTNSHADOW);
    ASSERT_NE(bg, BlendToWhite(bg, 0.6));

    Draw(kSeparator, 0, 9);
    ExpectPixels(canvas, {{60, 4, dark}, {60, 5, light}, {60, 0, bg}, {60, 8, bg}}, "separator");

    Draw(kGlyph, 0, 19);
    Draw(kGlyph, ODS_SELECTED, 19);  // highlight from gw + 5, raised cell
    ExpectPixels(
        canvas,
        {{21, 9, Sys(COLOR_HIGHLIGHT)}, {20, 9, bg}, {0, 0, light}, {19, 18, dark}, {2 + 5, 2 + 5, kGlyphColour}},
        "selected glyph");

    Draw(kGlyph, ODS_CHECKED, 19);  // lightened, sunken cell
    ExpectPixels(canvas, {{2, 2, BlendToWhite(bg, 0.6)}, {0, 0, dark}, {19, 18, light}}, "checked glyph");

    Draw(kGlyph, ODS_GRAYED, 19);  // the square embossed: shadow, highlight one pixel down-right
    ExpectPixels(canvas, {{6, 6, dark}, {9, 9, dark}, {10, 10, light}, {3, 3, bg}}, "disabled glyph");

    Draw(kText, ODS_CHECKED, 19);  // check box at (1, 2), mark at (5, 6)
    ExpectPixels(canvas,
                 {{3, 4, BlendToWhite(bg, 0.6)},
                  {5, 8, Sys(COLOR_MENUTEXT)},
                  {11, 6, Sys(COLOR_MENUTEXT)},
                  {11, 5, BlendToWhite(bg, 0.6)}},
                 "check box");

    Draw(kRadio, ODS_CHECKED | ODS_SELECTED, 19);  // bullet at (6, 6), box not lightened
    ExpectPixels(canvas, {{3, 4, bg}, {9, 9, Sys(COLOR_MENUTEXT)}, {5, 8, bg}, {21, 9, Sys(COLOR_HIGHLIGHT)}},
                 "radio bullet");
}

TEST_F(MenuDraw, ClassicDisabledTextIsEmbossed)
{
    UseLook(kClassicTheme);
    Draw(kText, ODS_GRAYED, 19);
    const COLORREF grey = Sys(COLOR_GRAYTEXT), light = Sys(COLOR_BTNHIGHLIGHT);
    int embossed = 0, grays = 0;
    for (int y = 0; y < 18; ++y)
        for (int x = 25; x < 159; ++x)
            if (canvas.At(x, y) == grey) {
                ++grays;
                // The highlight copy shows where the grey shape ends.
                if (canvas.At(x + 1, y + 1) != grey)
                    embossed += canvas.At(x + 1, y + 1) == light;
            }
    EXPECT_GT(grays, 10);
    EXPECT_GT(embossed, 5);
}

TEST_F(MenuDraw, FlatLook)
{
    UseLook(kLunaTheme);
    const COLORREF highlight = Sys(COLOR_HIGHLIGHT), window = Sys(COLOR_WINDOW), bar = Sys(COLOR_BTNFACE);
    const COLORREF selection = BlendToWhite(highlight, 0.7);

    Draw(kSeparator, 0);  // the bar goes on, the line starts 7 pixels right of it
    ExpectPixels(canvas, {{5, 11, bar}, {29, 11, window}, {30, 11, Sys(COLOR_BTNSHADOW)}}, "separator");

    Draw(kText, ODS_SELECTED);  // one light box with a frame over the whole width
    ExpectPixels(canvas, {{0, 0, highlight}, {159, 21, highlight}, {5, 10, selection}, {100, 10, selection}},
                 "selected");

    Draw(kText, ODS_CHECKED);  // check box at (4, 3), mark at (9, 7)
    ExpectPixels(canvas,
                 {{4, 3, highlight},
                  {5, 4, BlendToWhite(highlight, 0.85)},
                  {9, 9, Sys(COLOR_MENUTEXT)},
                  {1, 10, bar},
                  {100, 10, window}},
                 "check box");

    Draw(kGlyph, 0);  // faded variant at (4, 4)
    ExpectPixels(canvas, {{4 + 4, 4 + 4, kFadedColour}}, "glyph");

    Draw(kGlyph, ODS_SELECTED);  // lifted: glyph up-left, shadow down-right
    ExpectPixels(canvas,
                 {{4 - 1 + 4, 4 - 1 + 4, kGlyphColour}, {4 + 1 + 7, 4 + 1 + 7, kShadowColour}, {3, 10, selection}},
                 "selected glyph");

    Draw(kGlyph, ODS_CHECKED);
    ExpectPixels(canvas, {{1, 1, highlight}, {2, 2, BlendToWhite(highlight, 0.85)}, {7, 7, kGlyphColour}},
                 "checked glyph");
}

TEST_F(MenuDraw, FlatLookWithoutTheme)
{
    // Only reached by calling the flat look directly: it is chosen on themed XP.
    UseLook(kClassicTheme);
    DRAWITEMSTRUCT item = Item(kText, ODS_SELECTED, 22);
    menu.DrawFlatItem(&item);
    EXPECT_EQ(BlendToWhite(Sys(COLOR_HIGHLIGHT), 0.85), canvas.At(100, 10));
    item.itemState = 0;
    menu.DrawFlatItem(&item);
    EXPECT_EQ(BlendToWhite(Sys(COLOR_BTNFACE), 0.25), canvas.At(5, 10));
}

int CountRecords(HENHMETAFILE metafile, DWORD type)
{
    auto countType = [](HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) -> int {
        auto* counter = reinterpret_cast<std::pair<DWORD, int>*>(data);
        counter->second += record->iType == counter->first;
        return 1;
    };
    std::pair<DWORD, int> counter{type, 0};
    ::EnumEnhMetaFile(nullptr, metafile, countType, &counter, nullptr);
    return counter.second;
}

// Never drawn selected, and put on the target in one copy from its buffer.
TEST_F(MenuDraw, FlatGrayedItem)
{
    UseLook(kLunaTheme);
    HDC recorder = ::CreateEnhMetaFileW(canvas.dc, nullptr, nullptr, nullptr);
    DRAWITEMSTRUCT item = Item(kText, ODS_GRAYED | ODS_SELECTED, 22);
    item.hDC = recorder;
    item.rcItem = {0, 30, 160, 52};
    menu.DrawItem(&item);
    HENHMETAFILE metafile = ::CloseEnhMetaFile(recorder);
    EXPECT_EQ(1, CountRecords(metafile, EMR_BITBLT));
    EXPECT_EQ(0, CountRecords(metafile, EMR_EXTTEXTOUTW));
    ::DeleteEnhMetaFile(metafile);

    // In place: the buffer's coordinates are the target's.
    Canvas tall(160, 60);
    item.hDC = tall.dc;
    menu.DrawItem(&item);
    EXPECT_EQ(0u, tall.At(100, 29));
    EXPECT_EQ(Sys(COLOR_WINDOW), tall.At(100, 31));
    EXPECT_EQ(Sys(COLOR_BTNFACE), tall.At(5, 51));
}

// The buffer of a grayed item draws in the menu font, whatever font the
// item's context holds.
TEST_F(MenuDraw, FlatGrayedItemMakesTheMenuFont)
{
    UseLook(kLunaTheme);
    auto drawWith = [this](HFONT font) {
        Canvas target(160, 22);
        HGDIOBJ old = ::SelectObject(target.dc, font);
        DRAWITEMSTRUCT item = Item(kText, ODS_GRAYED, 22);
        item.hDC = target.dc;
        menu.DrawItem(&item);
        ::SelectObject(target.dc, old);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 22; ++y)
            for (int x = 0; x < 160; ++x)
                pixels.push_back(target.At(x, y));
        return pixels;
    };
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    HFONT menuFont = ::CreateFontIndirectW(&metrics.lfMenuFont);
    LOGFONTW large = metrics.lfMenuFont;
    large.lfHeight = -20;
    large.lfWeight = FW_BOLD;
    HFONT other = ::CreateFontIndirectW(&large);
    const std::vector<COLORREF> expected = drawWith(menuFont);
    const auto grey = std::count(expected.begin(), expected.end(), Sys(COLOR_GRAYTEXT));
    EXPECT_GT(grey, 10);
    EXPECT_EQ(expected, drawWith(other));
    ::DeleteObject(other);
    ::DeleteObject(menuFont);
}

TEST_F(MenuDraw, GdiObjectsUnchangedOverManyDraws)
{
    const UINT states[] = {
        0, ODS_SELECTED, ODS_CHECKED, ODS_CHECKED | ODS_SELECTED, ODS_GRAYED, ODS_GRAYED | ODS_SELECTED};
    auto drawAll = [&](int times) {
        for (int kind = 0; kind < kKinds; ++kind)
            for (UINT state : states)
                for (int i = 0; i < times; ++i)
                    Draw(static_cast<Kind>(kind), state);
    };
    for (const char* theme : {kClassicTheme, kLunaTheme}) {
        UseLook(theme);
        drawAll(1);  // the platform's own one-time objects
        const unsigned long before = LiveGdiObjects();
        drawAll(1000);
        EXPECT_EQ(before, LiveGdiObjects()) << theme;
    }
}
