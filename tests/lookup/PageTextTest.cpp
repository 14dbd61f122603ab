#include <gtest/gtest.h>

#include "lookup/PageText.h"

// Code page 936 and UTF-8 forms of one line: "a", "ö" (no 936 form), "中", "𠮷" (beyond the basic plane),
// "€" (one 936 byte), "b".
namespace {

const std::string k936 = "a?\xD6\xD0?\x80"
                         "b";
const std::string kUtf8 = "a\xC3\xB6\xE4\xB8\xAD\xF0\xA0\xAE\xB7\xE2\x82\xAC"
                          "b";

}

TEST(PageText, CutsTheUtf8FormWhereThe936TextIsCut)
{
    PageText page;
    ASSERT_TRUE(page.AppendMatching(k936, kUtf8));
    ASSERT_TRUE(page.AppendMatching("\r\n", "\r\n"));
    struct Case {
        std::size_t begin, end;
        std::string utf8;
    } cases[] = {
        {0, 7, kUtf8},
        {1, 2, "\xC3\xB6"},
        {2, 4, "\xE4\xB8\xAD"},
        {4, 5, "\xF0\xA0\xAE\xB7"},
        {5, 6, "\xE2\x82\xAC"},
        {2, 3, ""},  // half of 中
        {3, 7,
         "\xF0\xA0\xAE\xB7\xE2\x82\xAC"
         "b"},  // from inside 中
        {6, 8, "b\r"},
        {7, 100, "\r\n"},
        {5, 5, ""},
        {9, 3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.utf8, page.Utf8Of(c.begin, c.end)) << c.begin << ".." << c.end;
    page.Truncate(7);
    EXPECT_EQ(k936, page.Text());
    EXPECT_EQ(kUtf8, page.Utf8());
}

TEST(PageText, RefusesLinesThatDoNotPairUp)
{
    const std::pair<std::string, std::string> cases[] = {
        {"a", "b"},         // different ASCII
        {"ab", "a"},        // 936 longer
        {"a", "ab"},        // UTF-8 longer
        {"?", "\xFF"},      // no UTF-8
        {"\xD6\xD0", "a"},  // a double-byte character against ASCII
        {"?\x00", "\xE4\xB8\xAD"
                  "x"},  // a conversion that stopped at a NUL
    };
    for (const auto& c : cases) {
        PageText page("x");
        EXPECT_FALSE(page.AppendMatching(c.first, c.second)) << c.first;
        EXPECT_EQ("x", page.Text());
        EXPECT_EQ("x", page.Utf8());
    }
}

TEST(PageText, TextWithoutItsSourceKeepsAsciiAndMarksTheRest)
{
    PageText page("a\xD6\xD0"
                  "b\x81");
    EXPECT_EQ("a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD",
              page.Utf8());
    EXPECT_EQ("b", page.Utf8Of(3, 4));
}
