#include <cstdint>
#include <cwchar>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "SortingListFixture.h"
#include "framework/CodePage.h"
#include "framework/WinApp.h"

namespace {

// The profile form of a column state block: each little-endian int32 as
// eight hex digits.
std::wstring BlockHex(const std::vector<int32_t>& values)
{
    std::wstring hex;
    for (int32_t value : values) {
        uint32_t bits = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            wchar_t byte[3];
            std::swprintf(byte, 3, L"%02X", (bits >> shift) & 0xFF);
            hex += byte;
        }
    }
    return hex;
}

const std::vector<int32_t> kStoredWidths = {11, 22, 33, 44, 55, 66, 77, 88, 99, 110, 121};

std::vector<int32_t> Block(int32_t count, const std::vector<int32_t>& widths)
{
    std::vector<int32_t> block{count};
    block.insert(block.end(), widths.begin(), widths.end());
    return block;
}

class ColumnStateTest : public SortingListFixture {
protected:
    void SetUp() override
    {
        SortingListFixture::SetUp();
        ASSERT_TRUE(list.CreateColumns(WideToMultiByte(kHeadings)));
        wchar_t dir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, dir);
        path = std::wstring(dir) + L"quill_column_state_test.ini";
        ::DeleteFileW(path.c_str());
        app.SetProfilePath(path);
    }

    void TearDown() override
    {
        ::DeleteFileW(path.c_str());
        SortingListFixture::TearDown();
    }

    void StoreEntry(const std::wstring& value)
    {
        ASSERT_TRUE(::WritePrivateProfileStringW(L"ListCtrls", L"1000", value.c_str(), path.c_str()));
    }

    std::vector<int> Widths() const
    {
        std::vector<int> widths;
        for (int column = 0; column < Header_GetItemCount(Header()); ++column)
            widths.push_back(ListView_GetColumnWidth(list.GetSafeHwnd(), column));
        return widths;
    }

    // Whether LoadColumnState leaves the header needing a paint. Shows the
    // parent first: hidden windows collect no update region.
    bool LoadRepaintsHeader()
    {
        parent.ShowWindow(SW_SHOWNA);
        ::UpdateWindow(parent.GetSafeHwnd());
        ::ValidateRect(Header(), nullptr);
        list.LoadColumnState();
        return ::GetUpdateRect(Header(), nullptr, FALSE) != FALSE;
    }

    std::vector<int> StartingWidths() const { return std::vector<int>(std::begin(kWidths), std::end(kWidths)); }

    CWinApp app;
    std::wstring path;
};

}  // namespace

TEST_F(ColumnStateTest, ElevenStoredWidthsAreSet)
{
    StoreEntry(BlockHex(Block(11, kStoredWidths)));
    list.LoadColumnState();
    EXPECT_EQ(Widths(), std::vector<int>(kStoredWidths.begin(), kStoredWidths.end()));
}

TEST_F(ColumnStateTest, FoundEntryRepaintsTheHeaderEvenIfIgnored)
{
    EXPECT_FALSE(LoadRepaintsHeader());
    StoreEntry(BlockHex(Block(10, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10})));
    EXPECT_TRUE(LoadRepaintsHeader());
}

TEST_F(ColumnStateTest, DocumentedExampleGivesTheStartingWidths)
{
    StoreEntry(BlockHex(Block(11, kStoredWidths)));
    list.LoadColumnState();
    StoreEntry(L"0B0000007800000050000000960000003C000000780000005000000050000000500000005000000050000000"
               L"14000000");
    list.LoadColumnState();
    EXPECT_EQ(Widths(), StartingWidths());
}

TEST_F(ColumnStateTest, ExtraBytesAfterTheWidthsAreIgnored)
{
    StoreEntry(BlockHex(Block(11, kStoredWidths)) + L"0102");
    list.LoadColumnState();
    EXPECT_EQ(Widths(), std::vector<int>(kStoredWidths.begin(), kStoredWidths.end()));
}

TEST_F(ColumnStateTest, CountForOtherColumnsChangesNothing)
{
    StoreEntry(BlockHex(Block(10, {11, 22, 33, 44, 55, 66, 77, 88, 99, 110})));
    list.LoadColumnState();
    EXPECT_EQ(Widths(), StartingWidths());
    StoreEntry(BlockHex(Block(12, kStoredWidths)) + BlockHex({5}));
    list.LoadColumnState();
    EXPECT_EQ(Widths(), StartingWidths());
}

TEST_F(ColumnStateTest, EmptyOrMissingEntryChangesNothing)
{
    list.LoadColumnState();
    EXPECT_EQ(Widths(), StartingWidths());
    StoreEntry(L"");
    list.LoadColumnState();
    EXPECT_EQ(Widths(), StartingWidths());
}

TEST_F(ColumnStateTest, ShortBlockKeepsTheWidthsReadSoFar)
{
    // Three whole widths and half of the fourth.
    std::wstring hex = BlockHex(Block(11, {11, 22, 33, 44}));
    StoreEntry(hex.substr(0, hex.size() - 4));
    list.LoadColumnState();
    std::vector<int> expected = StartingWidths();
    expected[0] = 11;
    expected[1] = 22;
    expected[2] = 33;
    EXPECT_EQ(Widths(), expected);

    StoreEntry(BlockHex({11}));  // the count alone
    list.LoadColumnState();
    EXPECT_EQ(Widths(), expected);
    EXPECT_TRUE(::IsWindow(list.GetSafeHwnd()));
}

TEST_F(ColumnStateTest, ZeroWidthHidesTheColumnButKeepsIt)
{
    std::vector<int32_t> widths = kStoredWidths;
    widths[4] = 0;
    StoreEntry(BlockHex(Block(11, widths)));
    list.LoadColumnState();
    EXPECT_EQ(Header_GetItemCount(Header()), 11);
    EXPECT_EQ(Widths(), std::vector<int>(widths.begin(), widths.end()));
}

TEST_F(ColumnStateTest, EntryIsNamedAfterTheControlId)
{
    ASSERT_TRUE(
        ::WritePrivateProfileStringW(L"ListCtrls", L"1001", BlockHex(Block(11, kStoredWidths)).c_str(), path.c_str()));
    list.LoadColumnState();
    EXPECT_EQ(Widths(), StartingWidths());
}
