#include <vector>

#include <gtest/gtest.h>

#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/ClientDC.h"
#include "framework/Font.h"
#include "framework/MemDC.h"
#include "framework/Pen.h"
#include "framework/Rgn.h"
#include "framework/ScopedSelect.h"

namespace {

CFont MakeFont()
{
    LOGFONTW logFont{};
    logFont.lfHeight = -12;
    CFont font;
    font.CreateFontIndirect(&logFont);
    return font;
}

void ExpectRestored(HDC dc, UINT type, HGDIOBJ object)
{
    HGDIOBJ before = ::GetCurrentObject(dc, type);
    {
        ScopedSelect select(dc, object);
        EXPECT_EQ(::GetCurrentObject(dc, type), object);
    }
    EXPECT_EQ(::GetCurrentObject(dc, type), before);
}

DWORD GdiObjectCount()
{
    return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
}

// One paint's worth of objects, all released at the end of the scope;
// returns their handles.
std::vector<HGDIOBJ> PaintCycle(HDC screen)
{
    CMemDC memory(screen);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(screen, 16, 16);
    CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
    CBrush brush(RGB(4, 5, 6));
    CFont font = MakeFont();
    CRgn clip;
    clip.CreateRectRgn(0, 0, 8, 8);
    ScopedSelect selectBitmap(memory.GetSafeHandle(), bitmap);
    ScopedSelect selectPen(memory.GetSafeHandle(), pen);
    ScopedSelect selectBrush(memory.GetSafeHandle(), brush);
    ScopedSelect selectFont(memory.GetSafeHandle(), font);
    ScopedSelect selectClip(memory.GetSafeHandle(), clip);
    RECT rect{0, 0, 16, 16};
    memory.FillRect(&rect, brush);
    memory.MoveTo(0, 0);
    memory.LineTo(15, 15);
    return {memory.GetSafeHandle(), bitmap, pen, brush, font, clip};
}

}  // namespace

TEST(Gdi, ScopedSelectRestoresPreviousObjects)
{
    CClientDC screen(nullptr);
    CMemDC memory(screen.GetSafeHandle());
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush brush(RGB(0, 255, 0));
    CFont font = MakeFont();
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen.GetSafeHandle(), 8, 8));
    ExpectRestored(memory.GetSafeHandle(), OBJ_PEN, pen);
    ExpectRestored(memory.GetSafeHandle(), OBJ_BRUSH, brush);
    ExpectRestored(memory.GetSafeHandle(), OBJ_FONT, font);
    ExpectRestored(memory.GetSafeHandle(), OBJ_BITMAP, bitmap);
}

TEST(Gdi, ScopedSelectRestoresClipRegion)
{
    CClientDC screen(nullptr);
    CMemDC memory(screen.GetSafeHandle());
    CRgn probe;
    probe.CreateRectRgn(0, 0, 0, 0);
    CRgn inner;
    inner.CreateRectRgn(1, 1, 4, 4);
    {
        ScopedSelect select(memory.GetSafeHandle(), inner);
        EXPECT_EQ(::GetClipRgn(memory.GetSafeHandle(), probe), 1);
        EXPECT_TRUE(::EqualRgn(probe, inner));
    }
    EXPECT_EQ(::GetClipRgn(memory.GetSafeHandle(), probe), 0);  // none again

    CRgn outer;
    outer.CreateRectRgn(0, 0, 10, 10);
    ::SelectClipRgn(memory.GetSafeHandle(), outer);
    {
        ScopedSelect select(memory.GetSafeHandle(), inner);
    }
    ASSERT_EQ(::GetClipRgn(memory.GetSafeHandle(), probe), 1);
    EXPECT_TRUE(::EqualRgn(probe, outer));
}

TEST(Gdi, ObjectsAreDeletedAndMovedOnce)
{
    HPEN handle;
    {
        CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
        handle = pen;
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_PEN));
        CPen moved(std::move(pen));
        EXPECT_EQ(pen.GetSafeHandle(), nullptr);
        EXPECT_EQ(moved.GetSafeHandle(), handle);
        CPen assigned;
        assigned = std::move(moved);
        EXPECT_EQ(assigned.GetSafeHandle(), handle);
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);

    CBrush brush(RGB(1, 1, 1));
    HBRUSH first = brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(2, 2, 2)));  // replaces and deletes the first
    EXPECT_EQ(::GetObjectType(first), 0u);
}

// Wine answers GetGuiResources with 0, so the handles themselves are
// checked as well.
TEST(Gdi, ObjectCountStaysFlatOverManyCycles)
{
    CClientDC screen(nullptr);
    PaintCycle(screen.GetSafeHandle());  // first use may allocate stock objects
    DWORD before = GdiObjectCount();
    for (int i = 0; i < 500; ++i) {
        for (HGDIOBJ handle : PaintCycle(screen.GetSafeHandle()))
            ASSERT_EQ(::GetObjectType(handle), 0u) << "cycle " << i;
    }
    EXPECT_EQ(GdiObjectCount(), before);
}
