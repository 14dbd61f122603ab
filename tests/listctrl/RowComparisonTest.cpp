#include "listctrl/RowComparison.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

int StrcmpCollator(const std::string& a, const std::string& b)
{
    return std::strcmp(a.c_str(), b.c_str());
}

int Sign(int v)
{
    return (v > 0) - (v < 0);
}

// Sorts single-column rows the way the list's sort would.
std::vector<std::string> SortColumn(std::vector<std::string> texts, bool ascending)
{
    std::stable_sort(texts.begin(), texts.end(), [ascending](const std::string& a, const std::string& b) {
        return CompareRowTexts(a, b, ascending, StrcmpCollator) < 0;
    });
    return texts;
}

}  // namespace

TEST(IsNumberText, DigitsOnlyAndEmpty)
{
    EXPECT_TRUE(IsNumberText(""));
    EXPECT_TRUE(IsNumberText("0"));
    EXPECT_TRUE(IsNumberText("9787020002207"));
    EXPECT_TRUE(IsNumberText("007"));
}

TEST(IsNumberText, SignsPointsSpacesAndWideDigitsAreText)
{
    EXPECT_FALSE(IsNumberText("-5"));
    EXPECT_FALSE(IsNumberText("+5"));
    EXPECT_FALSE(IsNumberText("29.80"));
    EXPECT_FALSE(IsNumberText(" 5"));
    EXPECT_FALSE(IsNumberText("5 "));
    EXPECT_FALSE(IsNumberText("\xA3\xB1"));  // full-width 1 in code page 936
    EXPECT_FALSE(IsNumberText(std::string("1\0002", 3)));
    EXPECT_FALSE(IsNumberText("12a"));
}

TEST(IsDateText, ExactForm)
{
    EXPECT_TRUE(IsDateText("05/03/2010"));
    EXPECT_TRUE(IsDateText("99/99/0000"));
    EXPECT_FALSE(IsDateText("05-03-2010"));
    EXPECT_FALSE(IsDateText("05.03.2010"));
    EXPECT_FALSE(IsDateText("5/3/2010"));
    EXPECT_FALSE(IsDateText("05/03/10"));
    EXPECT_FALSE(IsDateText("05/03/20100"));
    EXPECT_FALSE(IsDateText("0a/03/2010"));
    EXPECT_FALSE(IsDateText("05/03/201x"));
    EXPECT_FALSE(IsDateText("05/03/ 2010"));
    EXPECT_FALSE(IsDateText(""));
}

TEST(CompareNumberTexts, SmallValues)
{
    EXPECT_EQ(-1, CompareNumberTexts("9", "10"));
    EXPECT_EQ(1, CompareNumberTexts("100", "10"));
    EXPECT_EQ(0, CompareNumberTexts("10", "10"));
    EXPECT_EQ(0, CompareNumberTexts("007", "7"));
    EXPECT_EQ(0, CompareNumberTexts("", "0"));
    EXPECT_EQ(0, CompareNumberTexts("", "000"));
}

TEST(CompareNumberTexts, ThirteenDigitBarcodesByFullValue)
{
    // Differ in the fourth digit, far beyond 32 bits.
    const std::string low = "9787020002207";
    const std::string high = "9788020002207";
    EXPECT_EQ(-1, CompareNumberTexts(low, high));
    EXPECT_EQ(1, CompareNumberTexts(high, low));
    // Only the last digit differs.
    EXPECT_EQ(-1, CompareNumberTexts("9787020002207", "9787020002208"));
    // Longer than any integer type.
    EXPECT_EQ(1, CompareNumberTexts("123456789012345678901234567891", "123456789012345678901234567890"));
    EXPECT_EQ(-1, CompareNumberTexts("99999999999999999999", "100000000000000000000"));
    EXPECT_EQ(0, CompareNumberTexts("0000123456789012345", "123456789012345"));
}

TEST(CompareNumberTexts, AtoiStyleReadingOfNonNumbers)
{
    EXPECT_EQ(0, CompareNumberTexts("", "abc"));
    EXPECT_EQ(0, CompareNumberTexts("12", "12abc"));
    EXPECT_EQ(1, CompareNumberTexts("13", "12abc"));
    EXPECT_EQ(-1, CompareNumberTexts("11", "12abc"));
    EXPECT_EQ(0, CompareNumberTexts("29", "29.80"));
    EXPECT_EQ(0, CompareNumberTexts("5", "  \t5"));
    EXPECT_EQ(0, CompareNumberTexts("5", "+5"));
    EXPECT_EQ(1, CompareNumberTexts("0", "-5"));
    EXPECT_EQ(-1, CompareNumberTexts("-6", "-5"));
    EXPECT_EQ(1, CompareNumberTexts("-5", "-6"));
    EXPECT_EQ(-1, CompareNumberTexts("-99999999999999999999", "-1"));
    EXPECT_EQ(0, CompareNumberTexts("0", "-0"));
    EXPECT_EQ(0, CompareNumberTexts("0", "-"));
    EXPECT_EQ(0, CompareNumberTexts("0", "- 5"));  // nothing after the sign is skipped
    EXPECT_EQ(0, CompareNumberTexts("0", "--5"));
    EXPECT_EQ(0, CompareNumberTexts("0", "x5"));
    EXPECT_EQ(0, CompareNumberTexts("7", std::string("7\0009", 3)));
}

TEST(CompareDateTexts, FieldOrderYearMonthDay)
{
    EXPECT_EQ(1, CompareDateTexts("05/03/2010", "20/01/2010"));  // month decides
    EXPECT_EQ(-1, CompareDateTexts("20/01/2010", "05/03/2010"));
    EXPECT_EQ(-1, CompareDateTexts("31/12/2009", "01/01/2010"));  // year decides first
    EXPECT_EQ(-1, CompareDateTexts("01/05/2010", "02/05/2010"));  // day last
    EXPECT_EQ(0, CompareDateTexts("01/05/2010", "01/05/2010"));
    EXPECT_EQ(1, CompareDateTexts("99/99/0001", "00/00/0000"));
}

TEST(CompareDateTexts, SecondTextReadAtSamePositionsEvenIfNotADate)
{
    EXPECT_EQ(1, CompareDateTexts("01/01/2010", ""));
    EXPECT_EQ(1, CompareDateTexts("01/01/2010", "abc"));
    EXPECT_EQ(0, CompareDateTexts("01/01/2010", "01-01-2010"));
    EXPECT_EQ(-1, CompareDateTexts("01/01/2010", "01/01/2011xyz"));
    // Short text: missing bytes are end of text, so the year reads "20" here.
    EXPECT_EQ(1, CompareDateTexts("01/01/2010", "01/01/20"));
    EXPECT_EQ(0, CompareDateTexts("00/00/0020", "00/00/20"));
    EXPECT_EQ(-1, CompareDateTexts("00/00/0000", "1234567"));  // b's year reads "7"
    EXPECT_EQ(-1, CompareDateTexts("00/00/0000", "12"));       // only b's day exists: 12
    EXPECT_EQ(0, CompareDateTexts("00/00/0000", ""));          // b's fields are all empty
}

TEST(CompareRowTexts, NumbersAscendingAndDescending)
{
    EXPECT_EQ((std::vector<std::string>{"9", "10", "100"}), SortColumn({"100", "9", "10"}, true));
    EXPECT_EQ((std::vector<std::string>{"100", "10", "9"}), SortColumn({"10", "100", "9"}, false));
}

TEST(CompareRowTexts, BarcodesBothDirections)
{
    const std::string a = "9787020002207";
    const std::string b = "9788020002207";
    EXPECT_LT(CompareRowTexts(a, b, true, StrcmpCollator), 0);
    EXPECT_GT(CompareRowTexts(b, a, true, StrcmpCollator), 0);
    EXPECT_GT(CompareRowTexts(a, b, false, StrcmpCollator), 0);
    EXPECT_LT(CompareRowTexts(b, a, false, StrcmpCollator), 0);
    EXPECT_EQ((std::vector<std::string>{a, b}), SortColumn({b, a}, true));
    EXPECT_EQ((std::vector<std::string>{b, a}), SortColumn({a, b}, false));
}

TEST(CompareRowTexts, PricesSortAsText)
{
    EXPECT_LT(CompareRowTexts("100.00", "29.80", true, StrcmpCollator), 0);
    EXPECT_EQ((std::vector<std::string>{"100.00", "29.80"}), SortColumn({"29.80", "100.00"}, true));
    EXPECT_EQ((std::vector<std::string>{"29.80", "100.00"}), SortColumn({"100.00", "29.80"}, false));
}

TEST(CompareRowTexts, Dates)
{
    EXPECT_EQ((std::vector<std::string>{"20/01/2010", "05/03/2010"}), SortColumn({"05/03/2010", "20/01/2010"}, true));
    EXPECT_EQ((std::vector<std::string>{"31/12/2009", "01/01/2010"}), SortColumn({"01/01/2010", "31/12/2009"}, true));
    EXPECT_EQ((std::vector<std::string>{"01/01/2010", "31/12/2009"}), SortColumn({"31/12/2009", "01/01/2010"}, false));
    EXPECT_GT(CompareRowTexts("99/99/0000", "01/01/0000", true, StrcmpCollator), 0);
}

TEST(CompareRowTexts, DatesWithOtherSeparatorsOrShortSortAsText)
{
    // As dates 20-01 would come first; as text "05" < "20".
    EXPECT_LT(CompareRowTexts("05-03-2010", "20-01-2010", true, StrcmpCollator), 0);
    EXPECT_LT(CompareRowTexts("05.03.2010", "20.01.2010", true, StrcmpCollator), 0);
    EXPECT_LT(CompareRowTexts("5/3/2010", "9/1/2010", true, StrcmpCollator), 0);
    EXPECT_GT(CompareRowTexts("5/3/2010", "10/1/2010", true, StrcmpCollator), 0);  // text, not date
}

TEST(CompareRowTexts, EmptyAgainstTextIsEqual)
{
    EXPECT_EQ(0, CompareRowTexts("", "abc", true, StrcmpCollator));
    EXPECT_EQ(0, CompareRowTexts("", "abc", false, StrcmpCollator));
}

TEST(CompareRowTexts, FirstFormAloneDecides)
{
    // Number first: the text counts as its leading digits, or 0.
    EXPECT_LT(CompareRowTexts("5", "12abc", true, StrcmpCollator), 0);
    EXPECT_GT(CompareRowTexts("5", "12abc", false, StrcmpCollator), 0);
    EXPECT_GT(CompareRowTexts("5", "abc", true, StrcmpCollator), 0);
    EXPECT_EQ(0, CompareRowTexts("0", "abc", true, StrcmpCollator));
    EXPECT_EQ(0, CompareRowTexts("29", "29.80", true, StrcmpCollator));
    // Text first: the collator decides, even when the second is a number.
    EXPECT_GT(CompareRowTexts("abc", "5", true, StrcmpCollator), 0);
    EXPECT_LT(CompareRowTexts("abc", "", false, StrcmpCollator), 0);
    // Date first, number second: read at the date positions.
    EXPECT_GT(CompareRowTexts("01/01/2010", "9999", true, StrcmpCollator), 0);
}

TEST(CompareRowTexts, DescendingSwapsArgumentsNotNegates)
{
    // The collator sees (t2, t1) when descending.
    static std::vector<std::pair<std::string, std::string>> calls;
    calls.clear();
    TextCollator recorder = [](const std::string& a, const std::string& b) {
        calls.emplace_back(a, b);
        return 7;
    };
    EXPECT_EQ(7, CompareRowTexts("abc", "xyz", false, recorder));
    EXPECT_EQ(7, CompareRowTexts("abc", "xyz", true, recorder));
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ("xyz", calls[0].first);
    EXPECT_EQ("abc", calls[0].second);
    EXPECT_EQ("abc", calls[1].first);
    EXPECT_EQ("xyz", calls[1].second);
}

TEST(CompareRowTexts, NullCollatorUsesByteOrder)
{
    EXPECT_LT(CompareRowTexts("abc", "abd", true, nullptr), 0);
    EXPECT_GT(CompareRowTexts("abc", "abd", false, nullptr), 0);
    EXPECT_GT(CompareRowTexts("\xB0\xA1", "abc", true, nullptr), 0);  // high bytes are unsigned
}

TEST(CompareRowData, ReadsTheColumn)
{
    std::vector<std::string> r1 = {"b", "10", "05/03/2010"};
    std::vector<std::string> r2 = {"a", "9", "20/01/2010"};
    EXPECT_GT(CompareRowData(&r1, &r2, 0, true, StrcmpCollator), 0);
    EXPECT_GT(CompareRowData(&r1, &r2, 1, true, StrcmpCollator), 0);
    EXPECT_LT(CompareRowData(&r1, &r2, 1, false, StrcmpCollator), 0);
    EXPECT_GT(CompareRowData(&r1, &r2, 2, true, StrcmpCollator), 0);
}

TEST(CompareRowData, NullRowsReadAsEmptyText)
{
    std::vector<std::string> zero = {"0"};
    std::vector<std::string> empty = {""};
    std::vector<std::string> five = {"5"};
    std::vector<std::string> text = {"abc"};
    EXPECT_EQ(0, CompareRowData(nullptr, nullptr, 0, true, StrcmpCollator));
    EXPECT_EQ(0, CompareRowData(nullptr, &zero, 0, true, StrcmpCollator));
    EXPECT_EQ(0, CompareRowData(nullptr, &empty, 0, false, StrcmpCollator));
    EXPECT_LT(CompareRowData(nullptr, &five, 0, true, StrcmpCollator), 0);
    EXPECT_GT(CompareRowData(nullptr, &five, 0, false, StrcmpCollator), 0);
    EXPECT_GT(CompareRowData(&five, nullptr, 0, true, StrcmpCollator), 0);
    EXPECT_EQ(0, CompareRowData(nullptr, &text, 0, true, StrcmpCollator));
    // A text first row against a null one: the collator sees the empty text.
    EXPECT_GT(CompareRowData(&text, nullptr, 0, true, StrcmpCollator), 0);
}

TEST(CompareRowData, ColumnsOutsideTheRowReadAsEmptyText)
{
    std::vector<std::string> r = {"abc"};
    std::vector<std::string> none;
    EXPECT_EQ(0, CompareRowData(&r, &none, 1, true, StrcmpCollator));
    EXPECT_EQ(0, CompareRowData(&r, &r, -1, true, StrcmpCollator));
    EXPECT_EQ(0, CompareRowData(&none, &none, 0, true, StrcmpCollator));
    std::vector<std::string> n = {"1", "7"};
    EXPECT_GT(CompareRowData(&n, &r, 1, true, StrcmpCollator), 0);
}

TEST(CompareRowData, SortWithMissingRowGroupsWithZeros)
{
    std::vector<std::string> a = {"3"}, b = {""}, c = {"10"};
    std::vector<const std::vector<std::string>*> rows = {&c, nullptr, &a, &b};
    std::stable_sort(rows.begin(), rows.end(),
                     [](auto x, auto y) { return CompareRowData(x, y, 0, true, StrcmpCollator) < 0; });
    EXPECT_EQ(nullptr, rows[0]);
    EXPECT_EQ(&b, rows[1]);
    EXPECT_EQ(&a, rows[2]);
    EXPECT_EQ(&c, rows[3]);
}

TEST(CompareRowTexts, ResultSignIsAntisymmetricForNumbers)
{
    const char* values[] = {"", "0", "9", "10", "100", "9787020002207", "9788020002207"};
    for (const char* x : values) {
        for (const char* y : values) {
            EXPECT_EQ(Sign(CompareRowTexts(x, y, true, StrcmpCollator)),
                      -Sign(CompareRowTexts(y, x, true, StrcmpCollator)))
                << x << " vs " << y;
            EXPECT_EQ(Sign(CompareRowTexts(x, y, false, StrcmpCollator)),
                      Sign(CompareRowTexts(y, x, true, StrcmpCollator)))
                << x << " vs " << y;
        }
    }
}
