#include <type_traits>

#include <gtest/gtest.h>

#include "framework/Menu.h"
#include "framework/Wnd.h"

namespace {

// Counts the owner-draw messages that reach it.
class CountingMenu : public CMenu {
public:
    int draws = 0;
    int measures = 0;

    void DrawItem(LPDRAWITEMSTRUCT) override { ++draws; }
    void MeasureItem(LPMEASUREITEMSTRUCT item) override
    {
        ++measures;
        item->itemWidth = 40;
        item->itemHeight = 20;
    }
};

class MenuOwner : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"owner", WS_POPUP, RECT{0, 0, 100, 100}, nullptr, 0));
        ASSERT_TRUE(menu.CreatePopupMenu());
        ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, 1, reinterpret_cast<ULONG_PTR>(&tag)));
    }

    CWnd owner;
    CountingMenu menu;
    int tag = 0;
};

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD)
{
    ::EndMenu();
}

}  // namespace

// Registered for its handle, a menu object is handed on by Detach and
// Attach only: a move through CMenu would leave a derived menu's drawing
// behind.
static_assert(!std::is_move_constructible_v<CMenu> && !std::is_move_assignable_v<CMenu>);

TEST_F(MenuOwner, HandleMapFollowsOwnership)
{
    HMENU handle = menu.GetSafeHandle();
    EXPECT_EQ(&menu, CMenu::FromHandlePermanent(handle));
    CountingMenu moved;
    moved.Attach(menu.Detach());
    EXPECT_EQ(&moved, CMenu::FromHandlePermanent(handle));
    moved.Destroy();
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(handle));
    EXPECT_FALSE(::IsMenu(handle));
}

TEST_F(MenuOwner, DrawItemReachesTheMenuOfThePopup)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = 1;
    item.hwndItem = reinterpret_cast<HWND>(menu.GetSafeHandle());
    item.itemData = reinterpret_cast<ULONG_PTR>(&tag);
    EXPECT_TRUE(owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(1, menu.draws);
}

TEST_F(MenuOwner, MeasureItemReachesTheTrackedMenu)
{
    UINT_PTR timer = ::SetTimer(nullptr, 0, 50, CloseMenu);
    EXPECT_EQ(0, menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, owner));
    ::KillTimer(nullptr, timer);
    EXPECT_GE(menu.measures, 1);
}
