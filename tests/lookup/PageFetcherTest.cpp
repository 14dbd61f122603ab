#include <chrono>

#include <gtest/gtest.h>

#include "TestServer.h"
#include "lookup/PageFetcher.h"

namespace {

std::string Fetch(const std::string& path)
{
    return FetchPage(TestServerBase() + path);
}

int CountLines(const std::string& text)
{
    if (text.empty())
        return 0;
    int n = 1;
    for (std::string::size_type p = 0; (p = text.find("\r\n", p)) != std::string::npos; p += 2)
        ++n;
    return n;
}

TEST(ConvertCodePage, ChineseAndUnrepresentableCharacters)
{
    // 红楼梦 in UTF-8 becomes two bytes per character in code page 936.
    EXPECT_EQ("\xBA\xEC\xC2\xA5\xC3\xCE", ConvertCodePage("\xE7\xBA\xA2\xE6\xA5\xBC\xE6\xA2\xA6", 65001, 936));
    EXPECT_EQ("\xE7\xBA\xA2\xE6\xA5\xBC\xE6\xA2\xA6", ConvertCodePage("\xBA\xEC\xC2\xA5\xC3\xCE", 936, 65001));
    // U+1F600 has no code page 936 form: one default character, the rest is kept.
    EXPECT_EQ("a?b", ConvertCodePage("a\xF0\x9F\x98\x80" "b", 65001, 936));
    EXPECT_EQ("", ConvertCodePage("", 65001, 936));
    EXPECT_EQ("ab", ConvertCodePage(std::string("ab\0cd", 5), 65001, 936));
}

TEST(FetchPage, ConvertsEveryLineAndJoinsWithCrLf)
{
    std::string page = Fetch("/test/chinese");
    EXPECT_NE(std::string::npos, page.find("\xBA\xEC\xC2\xA5\xC3\xCE")) << page;
    EXPECT_EQ(std::string::npos, page.find("\xE7\xBA\xA2"));
    EXPECT_EQ(std::string::npos, page.find("\n\n"));
    EXPECT_NE('\n', page.back());

    std::string odd = Fetch("/test/nongbk");
    EXPECT_NE(std::string::npos, odd.find('?')) << odd;
    EXPECT_GT(CountLines(odd), 1);
}

TEST(FetchPage, KeepsAtMost850Lines)
{
    std::string exact = Fetch("/test/lines?n=850");
    EXPECT_EQ(850, CountLines(exact));
    EXPECT_EQ(0u, exact.find("line 1\r\n"));
    EXPECT_EQ("\r\nline 850", exact.substr(exact.size() - 10));
    std::string more = Fetch("/test/lines?n=851");
    EXPECT_EQ(exact, more);
    EXPECT_EQ(3, CountLines(Fetch("/test/lines?n=3")));
}

TEST(FetchPage, FailuresGiveEmptyText)
{
    EXPECT_EQ("", Fetch("/test/status?code=404"));
    EXPECT_EQ("", Fetch("/test/status?code=500"));
    EXPECT_EQ("", Fetch("/no/such/page"));
    EXPECT_EQ("", FetchPage(DeadServerBase() + "/isbn/1/"));
    EXPECT_EQ("", FetchPage("not a url"));
}

TEST(FetchPage, DroppedConnectionKeepsLinesReadSoFar)
{
    std::string page = Fetch("/test/drop?lines=5");
    EXPECT_LE(CountLines(page), 5);
    EXPECT_TRUE(page.empty() || page.rfind("line 1", 0) == 0) << page;
}

TEST(FetchPage, BodyWithoutLineBreaksStopsAtByteBound)
{
    std::string page = Fetch("/test/noline?mb=12");
    EXPECT_LE(page.size(), 4u << 20);
}

TEST(FetchPage, StalledServerReturns)
{
    auto start = std::chrono::steady_clock::now();
    std::string page = Fetch("/test/stall?seconds=60");
    auto seconds = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
    EXPECT_LT(seconds.count(), 30);
    EXPECT_EQ(std::string::npos, page.find("\r\n\r\n"));
}

}
