#include <algorithm>
#include <chrono>
#include <future>

#include <gtest/gtest.h>

#include "MisbehavingHttpServer.h"
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
    EXPECT_EQ("a?b", ConvertCodePage("a\xF0\x9F\x98\x80"
                                     "b",
                                     65001, 936));
    EXPECT_EQ("", ConvertCodePage("", 65001, 936));
    EXPECT_EQ("ab", ConvertCodePage(std::string("ab\0cd", 5), 65001, 936));
}

TEST(ConvertPageLines, GivesWhatConvertingLineByLineGives)
{
    const std::string lines[] = {
        "\xE7\xBA\xA2 a\r\nb\n\nc",
        "cut \xE4\xB8\r\nnext\n",               // an unfinished character before a break
        "smile \xF0\x9F\x98\x80\r\r\n",         // outside the basic plane; two CRs
        std::string("ab\0cd\r\nef\r\0\n", 12),  // NULs end a line's conversion
    };
    for (const std::string& block : lines) {
        std::string expected;
        std::size_t start = 0;
        for (std::size_t nl; start < block.size(); start = nl + 1) {
            nl = std::min(block.find('\n', start), block.size());
            std::string line = block.substr(start, nl - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            expected += ConvertCodePage(line, 65001, 936) + "\r\n";
        }
        EXPECT_EQ(expected, ConvertPageLines(block)) << block;
    }
}

TEST(AppendPageLines, Keeps936TextAndPairsEachLineWithItsUtf8)
{
    const std::string unfinished = ConvertCodePage(ConvertCodePage("\xE4\xB8", 65001, 936), 936, 65001);
    const std::pair<std::string, std::string> cases[] = {
        {"\xE7\xBA\xA2 a\r\nb\n\nc", "\xE7\xBA\xA2 a\r\nb\r\n\r\nc\r\n"},
        {"smile \xF0\x9F\x98\x80 G\xC3\xB6" "del\r\r\n", "smile \xF0\x9F\x98\x80 G\xC3\xB6" "del\r\r\n"},
        // A line that is no UTF-8, or that a NUL cut short, pairs with its own 936 text.
        {"cut \xE4\xB8\r\nnext\n", "cut " + unfinished + "\r\nnext\r\n"},
        {std::string("ab\0cd\r\nef\r\0\n", 12), "ab\r\nef\r\r\n"},
    };
    for (const auto& c : cases) {
        PageText page;
        AppendPageLines(c.first, page);
        EXPECT_EQ(ConvertPageLines(c.first), page.Text()) << c.first;
        EXPECT_EQ(c.second, page.Utf8()) << c.first;
    }
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
    const PageResult result = FetchPageResult(TestServerBase() + "/test/nongbk");
    EXPECT_EQ(result.text, result.page.Text());
    EXPECT_NE(std::string::npos, result.page.Utf8().find("smile \xF0\x9F\x98\x80 and thai \xE0\xB8\x81 end\r\n"));
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

TEST(FetchPageResult, TellsWhatTheServerSaid)
{
    struct Case {
        std::string url;
        PageStatus status;
        unsigned long code;
        std::string reason;
    } cases[] = {
        {TestServerBase() + "/test/lines?n=1", PageStatus::Page, 200, ""},
        {TestServerBase() + "/isbn/9780000000000/", PageStatus::NotThere, 404, ""},
        {TestServerBase() + "/test/status?code=500", PageStatus::HttpStatus, 500, "HTTP 500"},
        {DeadServerBase() + "/isbn/1/", PageStatus::Unreachable, 0, "unreachable"},
        {"http://no-such-host.invalid/", PageStatus::Unreachable, 0, "unreachable"},
    };
    for (const Case& c : cases) {
        PageResult r = FetchPageResult(c.url);
        EXPECT_EQ(c.status, r.status) << c.url;
        EXPECT_EQ(c.code, r.httpStatus) << c.url;
        EXPECT_EQ(c.reason, FailureReason(r)) << c.url;
    }
    EXPECT_EQ("line 1", FetchPageResult(TestServerBase() + "/test/lines?n=1").text);
    PageResult busy = FetchPageResult(TestServerBase() + "/busy/429/1/test/r1");
    EXPECT_EQ(429u, busy.httpStatus);
    EXPECT_EQ(1, busy.retryAfterSeconds);
}

TEST(FetchPageRetrying, AsksAgainAfter503And429)
{
    const std::string book = "/busy/503/2/isbn/9787111111111/";
    PageResult r = FetchPageRetrying(TestServerBase() + book, FetchMode::Batch);
    EXPECT_EQ(PageStatus::Page, r.status);
    EXPECT_NE(std::string::npos, r.text.find("Practical Test Engineering")) << r.text;
    EXPECT_EQ(3, ServerRequestCount(book));

    const std::string refused = "/busy/429/5/isbn/9787111111111/";
    r = FetchPageRetrying(TestServerBase() + refused, FetchMode::Batch);
    EXPECT_EQ("HTTP 429", FailureReason(r));
    EXPECT_EQ(3, ServerRequestCount(refused));
    const std::string broken = "/busy/500/2/isbn/9787111111111/";
    EXPECT_EQ(500u, FetchPageRetrying(TestServerBase() + broken, FetchMode::Window).httpStatus);
    EXPECT_EQ(1, ServerRequestCount(broken));
}

TEST(FetchPage, DroppedConnectionKeepsLinesReadSoFar)
{
    EXPECT_EQ("line 1\r\nline 2\r\nline 3\r\nline 4\r\nline 5", Fetch("/test/drop?lines=5"));
}

TEST(FetchPage, BodyWithoutLineBreaksKeepsItsFirstFourMiB)
{
    std::string page = Fetch("/test/noline?mb=12");
    EXPECT_EQ(4u << 20, page.size());
    EXPECT_EQ(std::string::npos, page.find_first_not_of('a'));
}

// The limit lowered to 1.5 s; the trickle sends a byte every half second
// for longer than two limits. Both at once.
TEST(FetchPageResult, SilenceIsMeasuredInBytesNotLines)
{
    SetStallLimitMs(1500);
    auto start = std::chrono::steady_clock::now();
    auto trickle =
        std::async(std::launch::async, [] { return FetchPageResult(TestServerBase() + "/test/trickle?seconds=4"); });
    PageResult stalled = FetchPageResult(TestServerBase() + "/test/stall?seconds=60");
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(ms.count(), 1500);
    EXPECT_LT(ms.count(), 6000);
    EXPECT_EQ(PageStatus::TimedOut, stalled.status);
    EXPECT_EQ("stall begin", stalled.text);

    PageResult slow = trickle.get();
    SetStallLimitMs(10000);
    EXPECT_EQ(PageStatus::Page, slow.status);
    EXPECT_EQ("trickle begin " + std::string(8, '.') + "\r\ntrickle end", slow.text);
}

// As the window fetches: every misbehaviour becomes a reason, in time, and
// five redirects are still followed.
TEST(FetchPageResult, MisbehavingServerGivesAReasonInTime)
{
    MisbehavingHttpServer bad;
    struct Case {
        std::string path;
        PageStatus status;
        std::string text;
        int requests;
    } cases[] = {
        {"/hops/5/five", PageStatus::Page, "arrived", 6},
        {"/hops/6/six", PageStatus::BadAnswer, "", 6},
        {"/garbage/junk", PageStatus::BadAnswer, "", 1},
        {"/close/shut", PageStatus::BadAnswer, "", 1},
    };
    for (const Case& c : cases) {
        PageResult r = FetchPageResult(bad.Base() + c.path);
        EXPECT_EQ(c.status, r.status) << c.path;
        EXPECT_EQ(c.text, r.text) << c.path;
        EXPECT_EQ(c.requests, bad.RequestCount(c.path.substr(c.path.rfind('/')))) << c.path;
    }

    SetPageDeadlineMs(1500);
    auto start = std::chrono::steady_clock::now();
    PageResult trickled = FetchPageResult(bad.Base() + "/trickle/drip");
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    SetPageDeadlineMs(60000);
    EXPECT_EQ("timed out", FailureReason(trickled));
    // The wait's clock may wake a tick early.
    EXPECT_GE(ms.count(), 1400);
    EXPECT_LT(ms.count(), 5000);
}

}
