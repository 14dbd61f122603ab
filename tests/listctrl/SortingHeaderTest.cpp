#include <algorithm>
#include <climits>
#include <cstdlib>

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "GuiResources.h"
#include "SortingListFixture.h"
#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "framework/MemDC.h"
#include "framework/Pen.h"
#include "framework/Rgn.h"
#include "framework/ScopedSelect.h"

namespace {

constexpr int kCanvasWidth = 120;
constexpr int kCanvasHeight = 20;
// A 20-pixel item: o = 5, R = 120, B = 20.
constexpr RECT kItem{0, 0, kCanvasWidth, kCanvasHeight};

struct Box {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;  // inclusive
    int bottom = INT_MIN;
    bool Empty() const { return left > right; }
};

CBitmap MakeBitmap(HDC compatibleWith)
{
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(compatibleWith, kCanvasWidth, kCanvasHeight);
    return bitmap;
}

// A memory bitmap to draw header items into.
class Canvas {
public:
    Canvas()
        : screen(nullptr), memory(screen.GetSafeHandle()), bitmap(MakeBitmap(screen.GetSafeHandle())),
          select(memory.GetSafeHandle(), bitmap)
    {
    }

    HDC Dc() const { return memory.GetSafeHandle(); }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(memory.GetSafeHandle(), x, y); }

    void Fill(COLORREF color)
    {
        CBrush brush(color);
        memory.FillRect(&kItem, brush);
    }

    // The pixels in columns [left, right) that differ from the button face.
    Box Ink(int left, int right) const
    {
        Box box;
        COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        for (int y = 0; y < kCanvasHeight; ++y) {
            for (int x = left; x < right; ++x) {
                if (Pixel(x, y) == face)
                    continue;
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
        return box;
    }

    int CountOf(COLORREF color) const
    {
        int count = 0;
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x)
                count += Pixel(x, y) == color ? 1 : 0;
        return count;
    }

private:
    CClientDC screen;
    CMemDC memory;
    CBitmap bitmap;
    ScopedSelect select;
};

class SortingHeaderTest : public SortingListFixture {
protected:
    void SetUp() override
    {
        SortingListFixture::SetUp();
        ASSERT_TRUE(list.CreateColumns("Name,120;Title,120;Year,120;Price,120"));
        light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        shadow = ::GetSysColor(COLOR_BTNSHADOW);
        face = ::GetSysColor(COLOR_BTNFACE);
        ASSERT_NE(light, face);
        ASSERT_NE(shadow, face);
        ASSERT_NE(light, shadow);
    }

    DRAWITEMSTRUCT DrawItemFor(int item, UINT state, const RECT& rect = kItem) const
    {
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_HEADER;
        draw.itemID = static_cast<UINT>(item);
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = Header();
        draw.hDC = canvas.Dc();
        draw.rcItem = rect;
        return draw;
    }

    void Draw(int item, UINT state = 0, const RECT& rect = kItem)
    {
        DRAWITEMSTRUCT draw = DrawItemFor(item, state, rect);
        list.sortHeader.DrawItem(&draw);
    }

    int Format(int item) const
    {
        HDITEMW header{};
        header.mask = HDI_FORMAT;
        Header_GetItem(Header(), item, &header);
        return header.fmt;
    }

    void SetFormat(int item, int format)
    {
        HDITEMW header{};
        header.mask = HDI_FORMAT;
        header.fmt = format;
        Header_SetItem(Header(), item, &header);
    }

    Canvas canvas;
    COLORREF light = 0;
    COLORREF shadow = 0;
    COLORREF face = 0;
};

}  // namespace

TEST_F(SortingHeaderTest, ShowSortMarkMakesTheItemOwnerDrawn)
{
    list.sortHeader.ShowSortMark(1, FALSE);
    EXPECT_EQ(list.sortHeader.sortColumn, 1);
    EXPECT_EQ(list.sortHeader.sortAscending, FALSE);
    EXPECT_TRUE(Format(1) & HDF_OWNERDRAW);
    EXPECT_FALSE(Format(0) & HDF_OWNERDRAW);
}

TEST_F(SortingHeaderTest, UpArrowEndsInLightAndShadow)
{
    list.sortHeader.ShowSortMark(0, TRUE);
    Draw(0);
    // Light: (110,5) to (115,14) to (103,14); shadow: (104,14) to (110,4).
    EXPECT_EQ(canvas.Pixel(110, 5), light);
    EXPECT_EQ(canvas.Pixel(115, 14), light);
    EXPECT_EQ(canvas.Pixel(105, 14), light);
    EXPECT_EQ(canvas.Pixel(104, 14), shadow);
    EXPECT_EQ(canvas.Pixel(107, 9), shadow);
    // Line ends are not drawn.
    EXPECT_EQ(canvas.Pixel(103, 14), face);
    EXPECT_EQ(canvas.Pixel(110, 4), face);
    Box arrow = canvas.Ink(kCanvasWidth - 20, kCanvasWidth);
    EXPECT_EQ(arrow.left, 104);
    EXPECT_EQ(arrow.right, 115);
    EXPECT_EQ(arrow.top, 5);
    EXPECT_EQ(arrow.bottom, 14);
}

TEST_F(SortingHeaderTest, DownArrowEndsInLightAndShadow)
{
    list.sortHeader.ShowSortMark(0, FALSE);
    Draw(0);
    // Light: (114,5) to (109,15); shadow: (108,15) to (104,5) to (114,5).
    EXPECT_EQ(canvas.Pixel(114, 5), light);
    EXPECT_EQ(canvas.Pixel(108, 15), shadow);
    EXPECT_EQ(canvas.Pixel(104, 5), shadow);
    EXPECT_EQ(canvas.Pixel(113, 5), shadow);
    EXPECT_EQ(canvas.Pixel(109, 15), face);
    Box arrow = canvas.Ink(kCanvasWidth - 20, kCanvasWidth);
    EXPECT_EQ(arrow.left, 104);
    EXPECT_EQ(arrow.right, 114);
    EXPECT_EQ(arrow.top, 5);
    EXPECT_EQ(arrow.bottom, 15);
}

TEST_F(SortingHeaderTest, SortColumnTextEndsBeforeTheArrow)
{
    list.sortHeader.ShowSortMark(0, TRUE);
    Draw(0);
    Box text = canvas.Ink(0, kCanvasWidth - 20);
    ASSERT_FALSE(text.Empty());
    EXPECT_GE(text.left, 5);
    EXPECT_LT(text.right, kCanvasWidth - 20);
    EXPECT_TRUE(canvas.Ink(kCanvasWidth - 20, 104).Empty());
}

TEST_F(SortingHeaderTest, PressedItemShiftsTextButNotArrow)
{
    list.sortHeader.ShowSortMark(0, TRUE);
    Draw(0);
    Box text = canvas.Ink(0, kCanvasWidth - 20);
    Box arrow = canvas.Ink(kCanvasWidth - 20, kCanvasWidth);
    Draw(0, ODS_SELECTED);
    Box pressedText = canvas.Ink(0, kCanvasWidth - 20);
    Box pressedArrow = canvas.Ink(kCanvasWidth - 20, kCanvasWidth);
    ASSERT_FALSE(text.Empty());
    EXPECT_EQ(pressedText.left, text.left + 1);
    EXPECT_EQ(pressedText.right, text.right + 1);
    // The label's top moves 2 down and its bottom stays, so the centred text moves 1.
    EXPECT_EQ(pressedText.top, text.top + 1);
    EXPECT_EQ(pressedText.bottom, text.bottom + 1);
    EXPECT_EQ(pressedArrow.left, arrow.left);
    EXPECT_EQ(pressedArrow.top, arrow.top);
    EXPECT_EQ(pressedArrow.right, arrow.right);
    EXPECT_EQ(pressedArrow.bottom, arrow.bottom);
}

TEST_F(SortingHeaderTest, PressedStateMustBeSelectedAlone)
{
    Draw(1);
    Box plain = canvas.Ink(0, kCanvasWidth);
    Draw(1, ODS_SELECTED | ODS_FOCUS);
    Box combined = canvas.Ink(0, kCanvasWidth);
    EXPECT_EQ(combined.left, plain.left);
    EXPECT_EQ(combined.top, plain.top);
}

TEST_F(SortingHeaderTest, NarrowItemDrawsArrowWithoutText)
{
    list.sortHeader.ShowSortMark(0, TRUE);
    canvas.Fill(RGB(255, 0, 0));
    // 25 wide: 25 - 3o - 2o leaves no label.
    const RECT narrow{kCanvasWidth - 25, 0, kCanvasWidth, kCanvasHeight};
    Draw(0, 0, narrow);
    EXPECT_TRUE(canvas.Ink(kCanvasWidth - 25, 104).Empty());
    EXPECT_EQ(canvas.Pixel(115, 14), light);
    EXPECT_EQ(canvas.Pixel(104, 14), shadow);
    // Only the item is painted: the clip region and fill stop at its left edge.
    EXPECT_EQ(canvas.Pixel(kCanvasWidth - 26, 10), RGB(255, 0, 0));
}

TEST_F(SortingHeaderTest, PreviouslySortedColumnKeepsOwnerDrawWithoutArrow)
{
    list.sortHeader.ShowSortMark(1, TRUE);
    list.sortHeader.ShowSortMark(3, FALSE);
    EXPECT_TRUE(Format(1) & HDF_OWNERDRAW);
    EXPECT_TRUE(Format(3) & HDF_OWNERDRAW);
    Draw(1);
    EXPECT_FALSE(canvas.Ink(0, kCanvasWidth - 20).Empty());
    EXPECT_EQ(canvas.CountOf(light), 0);
    EXPECT_EQ(canvas.CountOf(shadow), 0);
    // Without an arrow the label reaches to R - o.
    EXPECT_TRUE(canvas.Ink(kCanvasWidth - 5, kCanvasWidth).Empty());
}

TEST_F(SortingHeaderTest, AlignmentIsKept)
{
    SetFormat(2, HDF_STRING | HDF_RIGHT);
    list.sortHeader.ShowSortMark(2, TRUE);
    EXPECT_EQ(Format(2) & HDF_JUSTIFYMASK, HDF_RIGHT);
    Draw(2);
    Box right = canvas.Ink(0, kCanvasWidth - 20);
    ASSERT_FALSE(right.Empty());
    EXPECT_GE(right.right, kCanvasWidth - 20 - 3);  // flush with the label's right edge
    EXPECT_GT(right.left, 40);

    SetFormat(2, HDF_STRING | HDF_CENTER | HDF_OWNERDRAW);
    Draw(2);
    Box centred = canvas.Ink(0, kCanvasWidth - 20);
    int labelMiddle = (5 + kCanvasWidth - 20) / 2;
    EXPECT_LE(std::abs((centred.left + centred.right) / 2 - labelMiddle), 1);

    SetFormat(2, HDF_STRING | HDF_LEFT | HDF_OWNERDRAW);
    Draw(2);
    EXPECT_LE(canvas.Ink(0, kCanvasWidth - 20).left, 5 + 1);
}

TEST_F(SortingHeaderTest, ReflectedDrawItemReachesTheHeader)
{
    list.sortHeader.ShowSortMark(0, TRUE);
    DRAWITEMSTRUCT draw = DrawItemFor(0, 0);
    canvas.Fill(RGB(255, 0, 0));
    list.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    EXPECT_EQ(canvas.Pixel(115, 14), light);
    EXPECT_EQ(canvas.Pixel(1, 1), face);
}

TEST_F(SortingHeaderTest, PaintingLeavesTheContextAsItWas)
{
    list.sortHeader.ShowSortMark(0, TRUE);
    CPen pen(PS_DOT, 1, RGB(1, 2, 3));
    CBrush brush(RGB(4, 5, 6));
    CRgn clip;
    clip.CreateRectRgn(0, 0, 60, 20);
    HDC dc = canvas.Dc();
    ScopedSelect selectPen(dc, pen);
    ScopedSelect selectBrush(dc, brush);
    ScopedSelect selectClip(dc, clip);
    HGDIOBJ font = ::GetCurrentObject(dc, OBJ_FONT);
    int bkMode = ::GetBkMode(dc);
    COLORREF textColor = ::GetTextColor(dc);
    Draw(0, ODS_SELECTED);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen.GetSafeHandle());
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush.GetSafeHandle());
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(::GetBkMode(dc), bkMode);
    EXPECT_EQ(::GetTextColor(dc), textColor);
    CRgn after;
    after.CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(::GetClipRgn(dc, after), 1);
    EXPECT_TRUE(::EqualRgn(after, clip));
}

TEST_F(SortingHeaderTest, FiveHundredPaintsLeaveNoGdiObjects)
{
    list.sortHeader.ShowSortMark(0, FALSE);
    Draw(0);
    Draw(1, ODS_SELECTED);
    unsigned long before = LiveGdiObjects();
    for (int i = 0; i < 500; ++i) {
        Draw(0, i % 2 ? ODS_SELECTED : 0);
        Draw(1);
    }
    EXPECT_EQ(LiveGdiObjects(), before);
}
