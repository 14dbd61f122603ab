#include <string>

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "framework/CodePage.h"
#include "framework/ListCtrl.h"
#include "framework/Menu.h"
#include "framework/ToolTipCtrl.h"
#include "framework/WinApp.h"

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxInitCommonControls();
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, {0, 0, 400, 300}, nullptr, 0));
    }
    void TearDown() override { parent.DestroyWindow(); }

    CWnd parent;
};

}  // namespace

TEST_F(Controls, ListTextRoundTripsThroughCodePage936)
{
    CListCtrl list;
    ASSERT_TRUE(
        list.CreateEx(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT, {0, 0, 300, 200}, parent.GetSafeHwnd(), 1000));
    const std::string title = WideToMultiByte(L"书名");
    const std::string longText = WideToMultiByte(std::wstring(200, L'图'));
    EXPECT_EQ(list.InsertColumn(0, title, LVCFMT_LEFT, 150), 0);
    EXPECT_EQ(list.InsertColumn(1, "b", LVCFMT_LEFT, 60), 1);
    EXPECT_EQ(list.GetColumnWidth(0), 150);
    EXPECT_EQ(list.InsertItem(0, title), 0);
    EXPECT_TRUE(list.SetItemText(0, 1, longText));
    EXPECT_TRUE(list.SetItemData(0, 77));
    EXPECT_EQ(list.GetItemText(0, 0), title);
    EXPECT_EQ(list.GetItemText(0, 1), longText);
    EXPECT_EQ(list.GetItemData(0), 77u);
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    EXPECT_TRUE(list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_NE(list.GetHeaderCtrl(), nullptr);
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(Controls, ToolTipRegistersWholeControlTools)
{
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, L"EDIT", L"", WS_CHILD, {0, 0, 50, 20}, parent.GetSafeHwnd(), 1002));
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent));
    tips.Activate(TRUE);
    EXPECT_TRUE(tips.AddTool(child, WideToMultiByte(L"在线帮助")));
    EXPECT_EQ(tips.SendMessage(TTM_GETTOOLCOUNT), 1);

    wchar_t text[64] = {};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = parent.GetSafeHwnd();
    info.uId = reinterpret_cast<UINT_PTR>(child.GetSafeHwnd());
    info.lpszText = text;
    tips.SendMessage(TTM_GETTEXTW, 64, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(std::wstring(text), L"在线帮助");

    tips.SetTipTextColor(RGB(0, 0, 255));
    EXPECT_EQ(static_cast<COLORREF>(tips.SendMessage(TTM_GETTIPTEXTCOLOR)), RGB(0, 0, 255));
    tips.SetDelayTime(TTDT_AUTOMATIC, 150);
    EXPECT_EQ(tips.SendMessage(TTM_GETDELAYTIME, TTDT_INITIAL), 150);
}

TEST_F(Controls, MenuOwnsItsHandle)
{
    HMENU handle;
    {
        CMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        handle = menu.GetSafeHandle();
        EXPECT_TRUE(menu.AppendMenu(MF_STRING, 10001, WideToMultiByte(L"复制")));
        EXPECT_TRUE(menu.AppendMenu(MF_SEPARATOR));
        wchar_t text[16];
        ::GetMenuStringW(handle, 10001, text, 16, MF_BYCOMMAND);
        EXPECT_EQ(std::wstring(text), L"复制");
        EXPECT_EQ(::GetMenuItemCount(handle), 2);
    }
    EXPECT_FALSE(::IsMenu(handle));

    HMENU system = parent.GetSystemMenu(FALSE).GetSafeHandle();
    {
        CMenu borrowed;
        borrowed.Attach(system);
        EXPECT_EQ(borrowed.Detach(), system);
    }
    EXPECT_TRUE(::IsMenu(system));
}
