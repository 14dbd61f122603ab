#include <gtest/gtest.h>

#include "ChildProcess.h"
#include "TestServer.h"
#include "app/ConsoleOptions.h"
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
           "Quill Press 羽笔出版社\t321\t\t2008-6\t\t45.00\t" + Covers() + "solid.jpg";
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
    EXPECT_EQ("community\t9787555555555\t\t\tCarol Wu\tQuill Press 羽笔出版社\t64\t\t2009-9\t\t8\t" + Covers() + "\n"
              "library\t9787666666666\tTP312\t\t匿名著\t羽笔出版社\t120\t32开\t2007.03\t1\t\t\n"
              "community\t9787666666666\t\tTitle Without Author\t\tQuill Press 羽笔出版社\t120\t\t2007-3\t\t\t" +
                  Covers() + "solid.jpg\n" +
                  r.out.substr(r.out.find("library\t9787000000001")),
              r.out);
    EXPECT_NE(std::string::npos, r.out.find("\t\t\n", r.out.find("library\t9787000000001")));
}

TEST(ConsoleLookup, FirstHitOnlyEmptyTitleDeepMarkersAndUnknownBook)
{
    ChildResult r = Lookup("--utf8 9787888888888 9787777777777 9787999999999 9780000000000");
    EXPECT_EQ(1u, r.exitCode);
    EXPECT_EQ("library\t9787888888888\tTP301.6\tFirst Hit Title\tEve Chen著\tQuill Press\t410\t16开\t2016.08\t3\t88.00\t\n",
              r.out);
    EXPECT_EQ("not found: 9787777777777\nnot found: 9787999999999\nnot found: 9780000000000\n", r.err);
}

TEST(ConsoleLookup, DeadServerFindsNothingAndExitsWithOne)
{
    std::string dead = DeadServerBase();
    ChildResult r = RunChild(std::string("\"") + QUILL_LOOKUP_EXE + "\"" + Urls(dead) + " 9787111111111");
    EXPECT_EQ(1u, r.exitCode);
    EXPECT_EQ("", r.out);
    EXPECT_EQ("not found: 9787111111111\n", r.err);
}

TEST(ConsoleLookup, IsbnsFromStandardInput)
{
    ChildResult r = Lookup("--utf8", "9787333333333\r\n\r\n\n9787222222222");
    EXPECT_EQ(0u, r.exitCode);
    EXPECT_EQ(0u, r.out.find("library\t9787333333333\tI247.5\t图书馆专藏\t"));
    EXPECT_NE(std::string::npos, r.out.find("\ncommunity\t9787222222222\t\tRed Cover Stories\tBob Li\t"));
    EXPECT_EQ(2, std::count(r.out.begin(), r.out.end(), '\n'));
}

TEST(ConsoleLookup, BadUsageExitsWithTwo)
{
    ChildResult r = Lookup("--bogus 9787111111111");
    EXPECT_EQ(2u, r.exitCode);
    EXPECT_EQ(0u, r.err.find("usage: quillfind-lookup.exe"));
    EXPECT_EQ("", r.out);
    EXPECT_EQ(2u, RunChild(std::string("\"") + QUILL_LOOKUP_EXE + "\" 978 --library").exitCode);
}

TEST(ConsoleOptions, ParsesOptionsAndLines)
{
    ConsoleOptions o;
    ASSERT_TRUE(ParseConsoleArgs({"--covers", "http://x/lpic/", "--intro", "1", "2"}, o));
    EXPECT_EQ("href=\"http://x/lpic/", o.config.CoverMarker());
    EXPECT_TRUE(o.intro);
    EXPECT_FALSE(o.utf8);
    EXPECT_EQ((std::vector<std::string>{"1", "2"}), o.isbns);
    EXPECT_EQ((std::vector<std::string>{"a", " b", "c"}), SplitIsbnLines("a\r\n\r\n b\n\nc\r\n"));
}

}
