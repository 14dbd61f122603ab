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
    ScopedSelect selectBitmap(memory.m_hDC, bitmap);
    ScopedSelect selectPen(memory.m_hDC, pen);
    ScopedSelect selectBrush(memory.m_hDC, brush);
    ScopedSelect selectFont(memory.m_hDC, font);
    ScopedSelect selectClip(memory.m_hDC, clip);
    RECT rect{ 0, 0, 16, 16 };
    memory.FillRect(&rect, brush);
    memory.MoveTo(0, 0);
    memory.LineTo(15, 15);
    return { memory.m_hDC, bitmap, pen, brush, font, clip };
}

} // namespace

TEST(Gdi, ScopedSelectRestoresPreviousObjects)
{
    CClientDC screen(nullptr);
    CMemDC memory(screen.m_hDC);
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    CBrush brush(RGB(0, 255, 0));
    CFont font = MakeFont();
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(screen.m_hDC, 8, 8));
    ExpectRestored(memory.m_hDC, OBJ_PEN, pen);
    ExpectRestored(memory.m_hDC, OBJ_BRUSH, brush);
    ExpectRestored(memory.m_hDC, OBJ_FONT, font);
    ExpectRestored(memory.m_hDC, OBJ_BITMAP, bitmap);
}

TEST(Gdi, ScopedSelectRestoresClipRegion)
{
    CClientDC screen(nullptr);
    CMemDC memory(screen.m_hDC);
    CRgn probe;
    probe.CreateRectRgn(0, 0, 0, 0);
    CRgn inner;
    inner.CreateRectRgn(1, 1, 4, 4);
    {
        ScopedSelect select(memory.m_hDC, inner);
        EXPECT_EQ(::GetClipRgn(memory.m_hDC, probe), 1);
        EXPECT_TRUE(::EqualRgn(probe, inner));
    }
    EXPECT_EQ(::GetClipRgn(memory.m_hDC, probe), 0);  // none again

    CRgn outer;
    outer.CreateRectRgn(0, 0, 10, 10);
    ::SelectClipRgn(memory.m_hDC, outer);
    {
        ScopedSelect select(memory.m_hDC, inner);
    }
    ASSERT_EQ(::GetClipRgn(memory.m_hDC, probe), 1);
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
    PaintCycle(screen.m_hDC);  // first use may allocate stock objects
    DWORD before = GdiObjectCount();
    for (int i = 0; i < 500; ++i) {
        for (HGDIOBJ handle : PaintCycle(screen.m_hDC))
            ASSERT_EQ(::GetObjectType(handle), 0u) << "cycle " << i;
    }
    EXPECT_EQ(GdiObjectCount(), before);
}
