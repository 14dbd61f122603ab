#include <chrono>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "ChildProcess.h"
#include "MisbehavingHttpServer.h"
#include "TestServer.h"
#include "console/ConsoleOptions.h"
#include "framework/CodePage.h"

namespace {

std::string Urls(const std::string& base)
{
    return " --community " + base + " --library " + base + " --covers " + base + "/lpic/";
}

ChildResult Lookup(const std::string& args, const std::string& input = std::string())
{
    return RunChild(std::string("\"") + QUILL_LOOKUP_EXE + "\"" + Urls(TestServerBase()) + " " + args, input);
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string Covers()
{
    return TestServerBase() + "/lpic/";
}

std::string BothLibraryRow()
{
    return "library\t9787111111111\tTP311.5\tPractical Test Engineering 实用测试工程\tAlice Zhang, 李明著\t"
           "Quill Press 羽笔出版社\t321\t16开\t2008.06\t2\t45.00\t\n";
}

std::string BothCommunityRow()
{
    return "community\t9787111111111\t\tPractical Test Engineering 实用测试工程\tAlice Zhang\t"
           "Quill Press 羽笔出版社\t321\t\t2008-6\t\t45.00\t" +
           Covers() + "solid.jpg";
}

TEST(ConsoleLookup, BookInBothSourcesGivesOneCompleteRowEach)
{
    ChildResult r = Lookup("--utf8 9787111111111");
    EXPECT_EQ(0u, r.exitCode);
    EXPECT_EQ(BothLibraryRow() + BothCommunityRow() + "\n", r.out);
    EXPECT_EQ("", r.err);
}

TEST(ConsoleLookup, IntroductionAndCodePage936Output)
{
    ChildResult r = Lookup("--intro 9787111111111");
    std::string expected = BothLibraryRow().insert(BothLibraryRow().size() - 1, "\t") + BothCommunityRow() +
                           "\tA hands-on guide to testing desktop programs.\\n第二段：介绍自动化测试的方法。\n";
    EXPECT_EQ(WideToMultiByte(MultiByteToWide(expected, CP_UTF8)), r.out);
}

TEST(ConsoleLookup, EarlyReturnMissingMarkersAndPriceCuts)
{
    ChildResult r = Lookup("--utf8 9787444444444 9787555555555 9787666666666 9787000000001");
    EXPECT_EQ(1u, r.exitCode);
    EXPECT_EQ("not found: 9787444444444\n", r.err);
    EXPECT_EQ("community\t9787555555555\t\t\tCarol Wu\tQuill Press 羽笔出版社\t64\t\t2009-9\t\t8\t" + Covers() +
                  "\n"
                  "library\t9787666666666\tTP312\t\t匿名著\t羽笔出版社\t120\t32开\t2007.03\t1\t\t\n"
                  "community\t9787666666666\t\tTitle Without Author\t\tQuill Press 羽笔出版社\t120\t\t2007-3\t\t\t" +
                  Covers() + "solid.jpg\n" + r.out.substr(r.out.find("library\t9787000000001")),
              r.out);
    EXPECT_NE(std::string::npos, r.out.find("\t\t\n", r.out.find("library\t9787000000001")));
}

TEST(ConsoleLookup, FirstHitOnlyEmptyTitleDeepMarkersAndUnknownBook)
{
    ChildResult r = Lookup("--utf8 9787888888888 9787777777777 9787999999999 9780000000000");
    EXPECT_EQ(1u, r.exitCode);
    EXPECT_EQ(
        "library\t9787888888888\tTP301.6\tFirst Hit Title\tEve Chen著\tQuill Press\t410\t16开\t2016.08\t3\t88.00\t\n",
        r.out);
    EXPECT_EQ("not found: 9787777777777\nnot found: 9787999999999\nnot found: 9780000000000\n", r.err);
}

TEST(ConsoleLookup, DeadServerIsAFailureAndExitsWithThree)
{
    std::string dead = DeadServerBase();
    ChildResult r = RunChild(std::string("\"") + QUILL_LOOKUP_EXE + "\"" + Urls(dead) + " 9787111111111");
    EXPECT_EQ(3u, r.exitCode);
    EXPECT_EQ("", r.out);
    EXPECT_EQ("failed: 9787111111111 library unreachable\nfailed: 9787111111111 community unreachable\n", r.err);
}

TEST(ConsoleLookup, AnSruCatalogueIsAThirdSource)
{
    ChildResult r = Lookup("--utf8 --sru " + ZebraBase("marc21") + " 9787111111111");
    EXPECT_EQ(0u, r.exitCode);
    EXPECT_EQ(BothLibraryRow() + BothCommunityRow() + "\n" +
                  "sru\t9787111111111\tTP311.5\tPractical Test Engineering 实用测试工程\tAlice Zhang, 李明著\t"
                  "Quill Press 羽笔出版社\t321 p\t16开\t2008.06\t2\t45.00\t\n",
              r.out);

    r = Lookup("--format jsonl --sru " + ZebraBase("unimarc") + " --sru-format unimarc --sru-index bath.isbn " +
               "9787333333333 9787222222222");
    EXPECT_EQ(0u, r.exitCode);
    EXPECT_NE(std::string::npos, r.out.find("{\"isbn\":\"9787333333333\",\"source\":\"sru\",\"status\":\"found\","
                                            "\"fields\":{\"classification\":\"I247.5\""))
        << r.out;
    EXPECT_NE(std::string::npos,
              r.out.find("{\"isbn\":\"9787222222222\",\"source\":\"sru\",\"status\":\"not-found\"}"));

    r = Lookup("--sru " + ZebraBase("marc21") + " --sru-index dc.nosuch 9787222222222");
    EXPECT_EQ(3u, r.exitCode);
    EXPECT_EQ("failed: 9787222222222 sru Unsupported index\n", r.err);
}

TEST(ConsoleLookup, BusySourceIsRetriedAndAnUnreachableOneReported)
{
    std::string base = TestServerBase();
    ChildResult r = RunChild(std::string("\"") + QUILL_LOOKUP_EXE + "\" --utf8 --library " + base +
                             "/busy/503/1 --community " + DeadServerBase() + " 9787111111111");
    EXPECT_EQ(3u, r.exitCode);
    EXPECT_EQ(BothLibraryRow(), r.out);
    EXPECT_EQ("failed: 9787111111111 community unreachable\n", r.err);
    EXPECT_EQ(2, ServerRequestCount("/busy/503/1/BookSearch.aspx?ISBN=9787111111111"));
}

TEST(ConsoleLookup, EachSourcesStatusAsJsonLinesWithProgress)
{
    // The stall gives up after 1.5 to 3 s instead of 10 to 20 s.
    ::SetEnvironmentVariableW(L"QUILL_STALL_LIMIT_MS", L"1500");
    ChildResult r = Lookup("--format jsonl --progress --jobs 4 9787111111111 stall 9780000000000");
    ::SetEnvironmentVariableW(L"QUILL_STALL_LIMIT_MS", nullptr);
    EXPECT_EQ(3u, r.exitCode);
    std::string expected[] = {
        "{\"isbn\":\"9787111111111\",\"source\":\"library\",\"status\":\"found\",\"fields\":{\"classification\":",
        "{\"isbn\":\"9787111111111\",\"source\":\"community\",\"status\":\"found\",\"fields\":{\"classification\":",
        "{\"isbn\":\"stall\",\"source\":\"library\",\"status\":\"failed\",\"error\":\"timed out\"}\n",
        "{\"isbn\":\"stall\",\"source\":\"community\",\"status\":\"failed\",\"error\":\"timed out\"}\n",
        "{\"isbn\":\"9780000000000\",\"source\":\"library\",\"status\":\"not-found\"}\n",
        "{\"isbn\":\"9780000000000\",\"source\":\"community\",\"status\":\"not-found\"}\n",
    };
    std::size_t at = 0;
    for (const std::string& line : expected) {
        EXPECT_EQ(at, r.out.find(line, at)) << line << "\n" << r.out;
        at = r.out.find('\n', at) + 1;
    }
    EXPECT_EQ(r.out.size(), at);
    EXPECT_NE(std::string::npos, r.err.find("failed: stall library timed out\nfailed: stall community timed out\n"));
    EXPECT_NE(std::string::npos, r.err.find("not found: 9780000000000\n"));
    // Plain progress lines while the stall lasts, and a last one.
    EXPECT_NE(std::string::npos, r.err.find("1/3 ISBN, 2 rows, 0 not found, 0 failed, ")) << r.err;
    EXPECT_NE(std::string::npos, r.err.find("3/3 ISBN, 2 rows, 1 not found, 1 failed, ")) << r.err;
}

TEST(ConsoleLookup, ResultsStreamInInputOrderWhileInputIsOpen)
{
    bool answeredEarly = false;
    ChildResult r =
        RunChildStreaming(std::string("\"") + QUILL_LOOKUP_EXE + "\"" + Urls(TestServerBase()) + " --utf8 --jobs 8",
                          "slow1500-9787333333333\n9787222222222\n9787555555555\n", "9787444444444\n", &answeredEarly);
    EXPECT_TRUE(answeredEarly);
    EXPECT_EQ(1u, r.exitCode);
    std::size_t slow = r.out.find("library\tslow1500-9787333333333\t");
    std::size_t red = r.out.find("community\t9787222222222\t");
    std::size_t third = r.out.find("community\t9787555555555\t");
    EXPECT_EQ(0u, slow) << r.out;
    EXPECT_LT(slow, red);
    EXPECT_LT(red, third);
    EXPECT_NE(std::string::npos, third);
    EXPECT_EQ("not found: 9787444444444\n", r.err);
}

TEST(ConsoleLookup, CleanChecksIsbnsBeforeSearching)
{
    int searchedBefore = ServerRequestCount("/isbn/9787111111111/");
    ChildResult r = Lookup("--clean", "978 7 02 000220 7\n9787111111111\n0-8044-2957-x\n");
    EXPECT_EQ(1u, r.exitCode);
    EXPECT_EQ("", r.out);
    EXPECT_EQ("not found: 9787020002207\ninvalid: 9787111111111\nnot found: 080442957X\n", r.err);
    EXPECT_EQ(searchedBefore, ServerRequestCount("/isbn/9787111111111/"));
    EXPECT_EQ(1, ServerRequestCount("/isbn/080442957X/"));
}

TEST(ConsoleLookup, IsbnsFromStandardInput)
{
    ChildResult r = Lookup("--utf8", "9787333333333\r\n\r\n\n9787222222222");
    EXPECT_EQ(0u, r.exitCode);
    EXPECT_EQ(0u, r.out.find("library\t9787333333333\tI247.5\t图书馆专藏\t"));
    EXPECT_NE(std::string::npos, r.out.find("\ncommunity\t9787222222222\t\tRed Cover Stories\tBob Li\t"));
    EXPECT_EQ(2, std::count(r.out.begin(), r.out.end(), '\n'));
}

// A UTF-16 INI file, as Notepad saves one with Chinese section names.
std::string WriteIni(const std::string& utf8)
{
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, folder);
    ::GetTempFileNameW(folder, L"qfc", 0, path);
    const std::wstring text = L"\xFEFF" + MultiByteToWide(utf8, CP_UTF8);
    FILE* file = _wfopen(path, L"wb");
    std::fwrite(text.data(), sizeof(wchar_t), text.size(), file);
    std::fclose(file);
    return WideToMultiByte(path);
}

TEST(ConsoleLookup, CataloguesOfAnIniFileEachRowUnderItsName)
{
    const std::string ini =
        WriteIni("[Catalogue LoC]\r\nprotocol=z3950\r\naddress=" + ZebraZ3950("loc") +
                 "\r\n[Catalogue 联合目录]\r\naddress=" + ZebraZ3950("unimarc", true) +
                 "\r\nformat=unimarc\r\ncharset=gb2312\r\n[Catalogue Broken]\r\naddress=" + ZebraZ3950("loc") +
                 "\r\ncharset=koi8\r\n[Catalogue Local]\r\nprotocol=sru\r\n"
                 "address=" +
                 ZebraBase("marc21") + "\r\n");
    ChildResult r =
        Lookup("--utf8 --z3950 " + ZebraZ3950("accents", true) + " --config \"" + ini + "\" 9787111111111 2070409228");
    ::DeleteFileW(MultiByteToWide(ini).c_str());
    // Each row's source and ISBN.
    std::vector<std::string> rows;
    for (std::size_t at = 0, end; at < r.out.size(); at = end + 1) {
        end = std::min(r.out.find('\n', at), r.out.size());
        std::size_t tab = r.out.find('\t', at), next = r.out.find('\t', tab + 1);
        if (tab < end)
            rows.push_back(r.out.substr(at, tab - at) + " " + r.out.substr(tab + 1, next - tab - 1));
    }
    EXPECT_EQ((std::vector<std::string>{"library 9787111111111", "community 9787111111111", "联合目录 9787111111111",
                                        "Local 9787111111111", "z3950 2070409228"}),
              rows)
        << r.out;
    EXPECT_NE(std::string::npos, r.out.find("\tLes misérables\tVictor Hugo ; préface de Guy Rosa\t"));
    // The bad section named once, on standard error, and left out.
    EXPECT_EQ(0u, r.err.find("[Catalogue Broken] charset=koi8")) << r.err;
    EXPECT_EQ(std::string::npos, r.err.find("Broken", 20)) << r.err;
}

TEST(ConsoleLookup, BadCommandLinesNameTheOptionAndExitWithTwo)
{
    const struct {
        std::string args;
        std::string complaint;
    } cases[] = {
        {"--jobs 65 978", "--jobs: 65 is not between 1 and 64"},
        {"--format bad 978", "--format: bad is not one of tsv, csv, jsonl, marc21, unimarc, marcxml"},
        {"--sru-format marc 978", "--sru-format: marc is not marc21 or unimarc"},
        {"--page-deadline 0 978", "--page-deadline: 0 is not between 1 and 60"},
        {"--bogus 978", "--bogus: no such option"},
        {"-978", "-978: no such option"},
        {"978 --library", "--library: the value is missing"},
        {"--community notaurl 978", "--community: notaurl is not an http or https address"},
        {"--sru ftp://x/db 978", "--sru: ftp://x/db is not an http or https address"},
        {"978 \"\"", "an ISBN argument is empty"},
        {"--z3950 host/DB 978", "--z3950: host/DB is not HOST:PORT/DATABASE"},
        {"--z3950 host:210 978", "--z3950: host:210 is not HOST:PORT/DATABASE"},
        {"--z3950-format xml 978", "--z3950-format: xml is not marc21 or unimarc"},
        {"--z3950-charset koi8 978", "--z3950-charset: koi8 is not a character set it knows"},
    };
    for (const auto& c : cases) {
        ChildResult r = Lookup(c.args);
        EXPECT_EQ(2u, r.exitCode) << c.args;
        EXPECT_EQ(c.complaint + "\nusage: quillfind-lookup.exe", r.err.substr(0, c.complaint.size() + 28)) << c.args;
        EXPECT_EQ("", r.out) << c.args;
    }
    for (const char* help : {"-h", "--help"}) {
        ChildResult r = Lookup(std::string(help) + " 978");
        EXPECT_EQ(0u, r.exitCode);
        EXPECT_EQ(0u, r.out.find("usage: quillfind-lookup.exe")) << help;
        EXPECT_EQ("", r.err);
    }
    ChildResult r = Lookup("-- -9780000000000");
    EXPECT_EQ(1u, r.exitCode);
    EXPECT_EQ("not found: -9780000000000\n", r.err);
}

// A library that misbehaves fails alone, in time, with a reason; the
// community row comes all the same.
TEST(ConsoleLookup, MisbehavingSourceFailsAloneAndInTime)
{
    MisbehavingHttpServer bad;
    const struct {
        std::string library;
        std::string reason;
        int requests;
    } cases[] = {
        {"/trickle", "timed out", 1},
        {"/hops/1000000", "bad answer", 6},
        {"/garbage", "bad answer", 1},
        {"/close", "bad answer", 1},
    };
    for (const auto& c : cases) {
        int before = bad.RequestCount("");
        auto start = std::chrono::steady_clock::now();
        ChildResult r =
            RunChild(std::string("\"") + QUILL_LOOKUP_EXE + "\" --utf8 --page-deadline 3 --library " + bad.Base() +
                     c.library + " --community " + TestServerBase() + " --covers " + Covers() + " 9787111111111");
        EXPECT_LT(SecondsSince(start), 15.0) << c.library;
        EXPECT_EQ(3u, r.exitCode) << c.library;
        EXPECT_EQ("failed: 9787111111111 library " + c.reason + "\n", r.err) << c.library;
        EXPECT_EQ(BothCommunityRow() + "\n", r.out) << c.library;
        EXPECT_EQ(c.requests, bad.RequestCount("") - before) << c.library;
    }
}

// A byte-order mark, lines of spaces and tabs, and a line of 5,000
// characters that is reported, not searched; the lines around them are.
TEST(ConsoleLookup, StandardInputAsEditorsWriteIt)
{
    std::string endless = "978" + std::string(4997, '5');
    ChildResult r = Lookup("--utf8", "\xEF\xBB\xBF"
                                     "9787333333333\r\n \t \r\n\t\n" +
                                         endless + "\n9787222222222\n");
    EXPECT_EQ(1u, r.exitCode);
    EXPECT_EQ(0u, r.out.find("library\t9787333333333\tI247.5\t")) << r.out;
    EXPECT_NE(std::string::npos, r.out.find("\ncommunity\t9787222222222\t\tRed Cover Stories\t"));
    EXPECT_EQ("invalid: 97855555555555555555\xE2\x80\xA6\n", r.err);
    EXPECT_EQ(0, ServerRequestCount("/isbn/9785555555555"));
}

TEST(ConsoleOptions, ParsesOptionsAndLines)
{
    ConsoleOptions o;
    ASSERT_EQ("", ParseConsoleArgs({"--covers", "http://x/lpic/", "--intro", "1", "2"}, o));
    EXPECT_EQ("href=\"http://x/lpic/", o.config.CoverMarker());
    EXPECT_TRUE(o.intro);
    EXPECT_FALSE(o.utf8);
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), o.isbns);
}

}
