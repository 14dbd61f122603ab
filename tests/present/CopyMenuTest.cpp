#include <gtest/gtest.h>

#include "MainWindowSupport.h"
#include "app/BookLookupDialog.h"
#include "resource.h"

namespace {

// The popup menu that TrackPopupMenu shows, once it is on screen.
HWND WaitForOpenMenu()
{
    HWND menu = nullptr;
    WaitFor([&] {
        menu = ::FindWindowW(L"#32768", nullptr);
        return menu && ::IsWindowVisible(menu);
    });
    return menu;
}

bool MenuClosed()
{
    return WaitFor([] {
        HWND menu = ::FindWindowW(L"#32768", nullptr);
        return !menu || !::IsWindowVisible(menu);
    });
}

// The menu's own keyboard handling, as a user choosing with the keys.
void ChooseFirstItem(HWND menu)
{
    ::PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
}

std::wstring ItemText(HMENU menu, int position)
{
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

TEST(CopyMenu, RightClickOffersCopyBesideThePointerAndChoosingItCopiesTheRow)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "9.9", "http://x"});
        SelectRows(h, dialog, {0});
        ::SetCursorPos(200, 150);
        ClickRow(h, 0, true);
        HWND menu = WaitForOpenMenu();
        ASSERT_TRUE(menu);
        HMENU items = reinterpret_cast<HMENU>(::SendMessageW(menu, MN_GETHMENU, 0, 0));
        EXPECT_EQ(2, ::GetMenuItemCount(items));
        EXPECT_EQ(ID_COPY_ROW, ::GetMenuItemID(items, 0));
        EXPECT_EQ(L"复制", ItemText(items, 0));
        EXPECT_EQ(ID_SHELF_ADD, ::GetMenuItemID(items, 1));
        EXPECT_EQ(L"加入书架", ItemText(items, 1));
        RECT placed{};
        ::GetWindowRect(menu, &placed);
        EXPECT_EQ(280, placed.left);
        EXPECT_EQ(150, placed.top);

        ChooseFirstItem(menu);
        ASSERT_TRUE(MenuClosed());
        ASSERT_TRUE(WaitFor([&] { return !boxes.Boxes().empty(); }));
        EXPECT_EQ("已将数据存入剪贴板", boxes.Boxes()[0].text);
        EXPECT_EQ("978\t\tT\tA\t\t\t\t\t\t9.9\t", ClipboardText());
        h.Close();
    });
}

TEST(CopyMenu, OpensWithoutSelectionAndChoosingItNamesTheMissingRow)
{
    MessageBoxRecorder boxes;
    RunMainWindow([&](DialogHarness& h, BookLookupDialog& dialog) {
        AddListRow(h, dialog, {"978", "", "T", "A", "", "", "", "", "", "9.9", "http://x"});
        PutClipboardSentinel(L"sentinel");
        POINT below = RowPoint(h, 0);
        below.y += 25;
        ::PostMessageW(h.Item(IDC_RESULT_LIST), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(below.x, below.y));
        ::PostMessageW(h.Item(IDC_RESULT_LIST), WM_RBUTTONUP, 0, MAKELPARAM(below.x, below.y));
        HWND menu = WaitForOpenMenu();
        ASSERT_TRUE(menu);
        ChooseFirstItem(menu);
        ASSERT_TRUE(MenuClosed());
        ASSERT_TRUE(WaitFor([&] { return !boxes.Boxes().empty(); }));
        EXPECT_EQ("没有选定书目!\n", boxes.Boxes()[0].text);
        EXPECT_EQ(L"sentinel", ClipboardUnicode());

        // Escape closes the menu without copying.
        ClickRow(h, 0, true);
        menu = WaitForOpenMenu();
        ASSERT_TRUE(menu);
        ::PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
        ASSERT_TRUE(MenuClosed());
        // A chosen command would be in the window's queue by now.
        ASSERT_TRUE(h.DrainPosted());
        EXPECT_EQ(1u, boxes.Boxes().size());
        h.Close();
    });
}

}
