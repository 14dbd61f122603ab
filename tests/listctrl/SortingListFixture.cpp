#include "SortingListFixture.h"

#include <commctrl.h>

#include "framework/WinApp.h"
#include "listctrl/RowData.h"

const wchar_t SortingListFixture::kHeadings[] =
    L"条形码,120;分类号,80;书名,150;著译者,60;出版处,120;页数,80;开本,80;版期,80;版次,80;单价,80;图片网址,20";
const int SortingListFixture::kWidths[11] = {120, 80, 150, 60, 120, 80, 80, 80, 80, 80, 20};

void SortingListFixture::SetUp()
{
    AfxInitCommonControls();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, {0, 0, 800, 400}, nullptr, 0));
    HWND hwnd =
        ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 780, 300,
                          parent.GetSafeHwnd(), reinterpret_cast<HMENU>(1000), ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(list.SubclassWindow(hwnd));
}

void SortingListFixture::TearDown()
{
    parent.DestroyWindow();
    EXPECT_EQ(RowData::LiveCount(), 0);
}

void SortingListFixture::ClickHeading(int column)
{
    HWND header = Header();
    NMHEADERW click{};
    click.hdr.hwndFrom = header;
    click.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(header));
    click.hdr.code = HDN_ITEMCLICKW;
    click.iItem = column;
    list.SendMessage(WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}
