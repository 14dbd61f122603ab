#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "SortingListFixture.h"
#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "listctrl/RowData.h"
#include "listctrl/SortingList.h"

namespace {

const wchar_t* const kTitles[] = {L"条形码", L"分类号", L"书名", L"著译者", L"出版处",  L"页数",
                                  L"开本",   L"版期",   L"版次", L"单价",   L"图片网址"};

struct Column {
    std::wstring title;
    int width;
    int format;
};

class SortingListTest : public SortingListFixture {
protected:
    std::vector<Column> Columns() const
    {
        std::vector<Column> columns;
        for (int i = 0; i < Header_GetItemCount(list.GetHeaderCtrl()); ++i) {
            wchar_t text[64] = {};
            LVCOLUMNW column{};
            column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
            column.pszText = text;
            column.cchTextMax = 64;
            ListView_GetColumn(list.GetSafeHwnd(), i, &column);
            columns.push_back({text, column.cx, column.fmt & LVCFMT_JUSTIFYMASK});
        }
        return columns;
    }

    std::vector<std::string> Row(const std::wstring& prefix, int count) const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < count; ++i)
            texts.push_back(WideToMultiByte(prefix + std::to_wstring(i)));
        return texts;
    }

    void ExpectSortState(int column, BOOL ascending)
    {
        EXPECT_EQ(list.sortColumn, column);
        EXPECT_EQ(list.sortAscending, ascending);
        EXPECT_EQ(list.sortHeader.sortColumn, column);
        EXPECT_EQ(list.sortHeader.sortAscending, ascending);
    }
};

}  // namespace

TEST_F(SortingListTest, SubclassesItsHeader)
{
    EXPECT_NE(list.sortHeader.GetSafeHwnd(), nullptr);
    EXPECT_EQ(list.sortHeader.GetSafeHwnd(), list.GetHeaderCtrl());
    EXPECT_EQ(CWnd::FromHandlePermanent(list.GetHeaderCtrl()), &list.sortHeader);
}

TEST_F(SortingListTest, ElevenChineseColumnsLeftAligned)
{
    EXPECT_TRUE(list.CreateColumns(WideToMultiByte(kHeadings)));
    EXPECT_EQ(list.columnCount, 11);
    std::vector<Column> columns = Columns();
    ASSERT_EQ(columns.size(), 11u);
    for (size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].title, kTitles[i]) << i;
        EXPECT_EQ(columns[i].width, kWidths[i]) << i;
        EXPECT_EQ(columns[i].format, LVCFMT_LEFT) << i;
    }
}

TEST_F(SortingListTest, TrailingSemicolonGivesSameColumns)
{
    ASSERT_TRUE(list.CreateColumns(WideToMultiByte(kHeadings) + ";"));
    EXPECT_EQ(list.columnCount, 11);
    std::vector<Column> columns = Columns();
    ASSERT_EQ(columns.size(), 11u);
    EXPECT_EQ(columns[10].title, L"图片网址");
    EXPECT_EQ(columns[10].width, 20);
}

TEST_F(SortingListTest, WidthThatIsNotANumberIsZero)
{
    ASSERT_TRUE(list.CreateColumns("a,wide;b,80"));
    std::vector<Column> columns = Columns();
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].width, 0);
    EXPECT_EQ(columns[1].width, 80);
}

TEST_F(SortingListTest, EntryWithoutCommaEndsParsing)
{
    EXPECT_TRUE(list.CreateColumns("a,10;b"));
    EXPECT_EQ(list.columnCount, 1);
    ASSERT_EQ(Columns().size(), 1u);
}

// The title runs to the next ",", so a comma-less entry in the middle
// becomes part of the following title.
TEST_F(SortingListTest, EntryWithoutCommaInTheMiddleJoinsTheNextTitle)
{
    EXPECT_TRUE(list.CreateColumns("a,10;b;c,30"));
    std::vector<Column> columns = Columns();
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[1].title, L"b;c");
    EXPECT_EQ(columns[1].width, 30);
}

TEST_F(SortingListTest, FurtherColumnsContinueTheCount)
{
    ASSERT_TRUE(list.CreateColumns("a,10;b,20"));
    ASSERT_TRUE(list.CreateColumns("c,30"));
    EXPECT_EQ(list.columnCount, 3);
    std::vector<Column> columns = Columns();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[2].title, L"c");
}

TEST_F(SortingListTest, AddRowKeepsOnlyColumnCountTexts)
{
    ASSERT_TRUE(list.CreateColumns(WideToMultiByte(kHeadings)));
    std::vector<std::string> texts = Row(L"值", 12);
    EXPECT_EQ(list.AddRow(texts), 0);
    EXPECT_EQ(list.AddRow(texts), 1);
    auto* data = reinterpret_cast<RowData*>(list.GetItemData(1));
    ASSERT_NE(data, nullptr);
    ASSERT_EQ(data->columnTexts.size(), 11u);
    for (int column = 0; column < 11; ++column) {
        EXPECT_EQ(list.GetItemText(1, column), texts[static_cast<size_t>(column)]) << column;
        EXPECT_EQ(list.GetColumnText(1, column), texts[static_cast<size_t>(column)]) << column;
    }
    EXPECT_EQ(list.GetColumnText(1, 11), std::string());
    EXPECT_EQ(RowData::LiveCount(), 2);
}

TEST_F(SortingListTest, AddRowTreatsMissingTextsAsEmpty)
{
    ASSERT_TRUE(list.CreateColumns("a,10;b,10;c,10"));
    ASSERT_EQ(list.AddRow({"x"}), 0);
    EXPECT_EQ(list.GetItemText(0, 0), std::string("x"));
    EXPECT_EQ(list.GetItemText(0, 2), std::string());
    EXPECT_EQ(list.GetColumnText(0, 2), std::string());
}

// Whichever way a row goes, its data goes with it.
TEST_F(SortingListTest, DeletedRowsAreFreed)
{
    list.DeleteAllRows();  // empty list: nothing to free
    ASSERT_TRUE(list.CreateColumns("a,10;b,10"));
    for (int i = 0; i < 5; ++i)
        list.AddRow(Row(L"r", 2));
    EXPECT_EQ(RowData::LiveCount(), 5);
    list.SendMessage(LVM_DELETEITEM, 1);
    EXPECT_EQ(RowData::LiveCount(), 4);
    list.DeleteAllRows();
    EXPECT_EQ(RowData::LiveCount(), 0);
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(SortingListTest, FreeRowDataKeepsTheRow)
{
    ASSERT_TRUE(list.CreateColumns("a,10"));
    list.AddRow({"x"});
    list.FreeRowData(0);
    EXPECT_EQ(list.GetItemData(0), 0u);
    EXPECT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(RowData::LiveCount(), 0);
}

TEST_F(SortingListTest, DestroyingTheWindowFreesEveryRow)
{
    ASSERT_TRUE(list.CreateColumns("a,10;b,10"));
    for (int i = 0; i < 3; ++i)
        list.AddRow(Row(L"r", 2));
    parent.DestroyWindow();
    EXPECT_EQ(RowData::LiveCount(), 0);
    EXPECT_EQ(list.GetSafeHwnd(), nullptr);
    EXPECT_EQ(list.sortHeader.GetSafeHwnd(), nullptr);
}

TEST_F(SortingListTest, HeadingClicksToggleDirection)
{
    ASSERT_TRUE(list.CreateColumns(WideToMultiByte(kHeadings)));
    ExpectSortState(-1, TRUE);
    ClickHeading(2);
    ExpectSortState(2, TRUE);
    ClickHeading(2);
    ExpectSortState(2, FALSE);
    ClickHeading(2);
    ExpectSortState(2, TRUE);
    ClickHeading(3);
    ExpectSortState(3, TRUE);
}

TEST_F(SortingListTest, ColumnStateWithoutApplicationChangesNothing)
{
    ASSERT_EQ(AfxGetApp(), nullptr);
    ASSERT_TRUE(list.CreateColumns(WideToMultiByte(kHeadings)));
    list.LoadColumnState();
    std::vector<Column> columns = Columns();
    ASSERT_EQ(columns.size(), 11u);
    for (size_t i = 0; i < columns.size(); ++i)
        EXPECT_EQ(columns[i].width, kWidths[i]) << i;
}

TEST_F(SortingListTest, RowsAddedFromWorkerThread)
{
    ASSERT_TRUE(list.CreateColumns(WideToMultiByte(kHeadings)));
    constexpr int kRows = 40;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i < kRows; ++i)
            list.AddRow(Row(L"书" + std::to_wstring(i) + L"-", 11));
        done = true;
    });
    // The worker's messages are carried out while this thread waits here.
    while (!done) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    worker.join();
    ASSERT_EQ(list.GetItemCount(), kRows);
    for (int row = 0; row < kRows; ++row) {
        EXPECT_NE(list.GetItemData(row), 0u) << row;
        EXPECT_EQ(list.GetItemText(row, 10), WideToMultiByte(L"书" + std::to_wstring(row) + L"-10")) << row;
    }
    EXPECT_EQ(RowData::LiveCount(), kRows);
}
