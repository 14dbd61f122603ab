#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>

#include "SortingListFixture.h"
#include "listctrl/RowData.h"
#include "listctrl/SortingList.h"

namespace {

// Gives the tests the comparison the list hands to LVM_SORTITEMS.
struct ComparisonProbe : SortingList {
    using SortingList::CompareRows;
};

class RowSortTest : public SortingListFixture {
protected:
    void SetUp() override
    {
        SortingListFixture::SetUp();
        ASSERT_TRUE(list.CreateColumns("a,60;b,60;c,60;d,60"));
    }

    // One row per text, the text in `column`, the other cells empty.
    void AddRows(int column, const std::vector<std::string>& texts)
    {
        for (const std::string& text : texts) {
            std::vector<std::string> row(4);
            row[static_cast<size_t>(column)] = text;
            list.AddRow(row);
        }
    }

    std::vector<std::string> ColumnInRowOrder(int column) const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts.push_back(list.GetItemText(row, column));
        return texts;
    }

    // Sorts `column` ascending, then descending, through heading clicks.
    void ExpectBothOrders(int column, const std::vector<std::string>& ascending)
    {
        ClickHeading(column);
        EXPECT_EQ(ColumnInRowOrder(column), ascending);
        ClickHeading(column);
        EXPECT_EQ(ColumnInRowOrder(column), std::vector<std::string>(ascending.rbegin(), ascending.rend()));
    }

    // The comparison on column 0 as LVM_SORTITEMS calls it.
    int Compare(BOOL ascending, const RowData* first, const RowData* second)
    {
        list.sortColumn = 0;
        list.sortAscending = ascending;
        return ComparisonProbe::CompareRows(reinterpret_cast<LPARAM>(first), reinterpret_cast<LPARAM>(second),
                                            reinterpret_cast<LPARAM>(&list));
    }
};

}  // namespace

TEST_F(RowSortTest, BarcodesDifferingInTheFourthDigitSortByValue)
{
    AddRows(0, {"9788020002207", "9787020002207", "9787020002206"});
    ExpectBothOrders(0, {"9787020002206", "9787020002207", "9788020002207"});
}

TEST_F(RowSortTest, DigitTextsSortByValue)
{
    AddRows(1, {"100", "9", "10"});
    ExpectBothOrders(1, {"9", "10", "100"});
}

TEST_F(RowSortTest, PricesSortAsText)
{
    AddRows(2, {"29.80", "100.00"});
    ExpectBothOrders(2, {"100.00", "29.80"});
}

TEST_F(RowSortTest, DatesSortByYearThenMonthThenDay)
{
    AddRows(3, {"05/03/2010", "20/01/2010", "01/01/2010", "31/12/2009", "19/01/2010"});
    ExpectBothOrders(3, {"31/12/2009", "01/01/2010", "19/01/2010", "20/01/2010", "05/03/2010"});
}

TEST_F(RowSortTest, DatesWithOtherSeparatorsSortAsText)
{
    AddRows(0, {"20-01-2010", "05-03-2010"});
    ExpectBothOrders(0, {"05-03-2010", "20-01-2010"});
    list.DeleteAllRows();
    AddRows(0, {"20.01.2010", "5/3/2010", "05.03.2010"});
    ExpectBothOrders(0, {"05.03.2010", "20.01.2010", "5/3/2010"});
}

TEST_F(RowSortTest, PlainTextFollowsTheUserLocaleNotByteOrder)
{
    AddRows(0, {"B", "a"});
    ExpectBothOrders(0, {"a", "B"});
}

TEST_F(RowSortTest, EmptyTextAndAbcCompareEqual)
{
    AddRows(0, {"", "abc"});
    ClickHeading(0);
    EXPECT_EQ(ColumnInRowOrder(0), (std::vector<std::string>{"", "abc"}));

    RowData empty({""});
    RowData abc({"abc"});
    EXPECT_EQ(Compare(TRUE, &empty, &abc), 0);
    EXPECT_EQ(Compare(FALSE, &empty, &abc), 0);
    // The first text's form alone decides: abc first is plain text.
    EXPECT_GT(Compare(TRUE, &abc, &empty), 0);
}

TEST_F(RowSortTest, NumberAgainstTextReadsTheTextsLeadingDigits)
{
    AddRows(0, {"30", "12abc"});
    ExpectBothOrders(0, {"12abc", "30"});

    RowData seven({"7"});
    RowData zero({"0"});
    RowData abc({"abc"});
    RowData twelve({"12abc"});
    EXPECT_GT(Compare(TRUE, &seven, &abc), 0);
    EXPECT_EQ(Compare(TRUE, &zero, &abc), 0);
    EXPECT_LT(Compare(TRUE, &seven, &twelve), 0);
    EXPECT_GT(Compare(FALSE, &seven, &twelve), 0);
}

TEST_F(RowSortTest, RowWithoutDataSortsAsEmptyText)
{
    AddRows(0, {"9", "", "3"});
    list.FreeRowData(0);  // shown as 9, compared as empty text
    ClickHeading(0);
    EXPECT_EQ(ColumnInRowOrder(0).back(), "3");
    EXPECT_EQ(list.GetItemCount(), 3);

    RowData five({"5"});
    EXPECT_EQ(Compare(TRUE, nullptr, nullptr), 0);
    EXPECT_LT(Compare(TRUE, nullptr, &five), 0);
    EXPECT_GT(Compare(FALSE, nullptr, &five), 0);
}

TEST_F(RowSortTest, RepeatedClicksToggleAndAnotherColumnStartsAscending)
{
    list.AddRow({"", "", "b", "z"});
    list.AddRow({"", "", "c", "x"});
    list.AddRow({"", "", "a", "y"});
    ClickHeading(2);
    EXPECT_EQ(ColumnInRowOrder(2), (std::vector<std::string>{"a", "b", "c"}));
    ClickHeading(2);
    EXPECT_EQ(ColumnInRowOrder(2), (std::vector<std::string>{"c", "b", "a"}));
    ClickHeading(2);
    EXPECT_EQ(ColumnInRowOrder(2), (std::vector<std::string>{"a", "b", "c"}));
    ClickHeading(3);
    EXPECT_EQ(ColumnInRowOrder(3), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(ColumnInRowOrder(2), (std::vector<std::string>{"c", "a", "b"}));
}
