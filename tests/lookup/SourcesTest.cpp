#include <map>

#include <gtest/gtest.h>

#include "lookup/CommunitySource.h"
#include "lookup/Extraction.h"
#include "lookup/LibrarySource.h"
#include "lookup/PageUrls.h"
#include "lookup/SourceOutcome.h"

namespace {

const std::string kTail69(69, '.');

struct FakeWeb {
    std::map<std::string, std::string> pages;
    std::vector<std::string> requested;
    PageFetch Fetch()
    {
        return [this](const std::string& url) {
            requested.push_back(url);
            auto it = pages.find(url);
            return it == pages.end() ? std::string() : it->second;
        };
    }
};

SourceConfig Config()
{
    SourceConfig c;
    c.communityBase = "http://c.test";
    c.libraryBase = "http://l.test";
    c.coverBase = "http://i.test/lpic/";
    return c;
}

std::string CommunityPage(const std::string& title, const std::string& price)
{
    return "<html>\r\n<span property=\"v:itemreviewed\">" + title +
           "</span>\r\n"
           "<span class=\"pl\"> \xD7\xF7\xD5\xDF</span>:\r\n  <a href=\"/a\">Author</a>\r\n"
           "<span class=\"pl\">\xB6\xA8\xBC\xDB:</span> " +
           price +
           "<br/>\r\n"
           "<a class=\"nbg\" href=\"http://i.test/lpic/c.jpg\">\r\n"
           "<div class=\"intro\"><p>Intro.</p>" +
           kTail69 + "</div>";
}

TEST(PageUrls, UnsafeBytesArePercentEncoded)
{
    EXPECT_EQ("978-7-111", EncodeUrlComponent("978-7-111"));
    EXPECT_EQ("a%20b%23c%3Fd%25e%2Ff%26g%0D%0A%01%B2%E2", EncodeUrlComponent("a b#c?d%e/f&g\r\n\x01\xB2\xE2"));
    SourceConfig c = Config();
    EXPECT_EQ("http://c.test/isbn/97871%20/", CommunityPageUrl(c, "97871 "));
    EXPECT_EQ("http://l.test/BookSearch.aspx?ISBN=1%232", LibrarySearchUrl(c, "1#2"));
    EXPECT_EQ("http://l.test/bookdetail.aspx?id=7&x=1", LibraryDetailUrl(c, "7&x=1"));
}

TEST(LookupCommunity, PriceCutsTheCurrencyCharacterAndCoverGetsItsBase)
{
    FakeWeb web;
    web.pages["http://c.test/isbn/1/"] = CommunityPage("T", "29.80\xD4\xAA");
    BookRecord r;
    LookupCommunity(r, "1", Config(), web.Fetch());
    EXPECT_EQ("T", r.slots[kTitle].value);
    EXPECT_EQ("Author", r.slots[kAuthor].value);
    EXPECT_EQ(" 29.80", r.slots[kPrice].value);
    EXPECT_EQ("http://i.test/lpic/c.jpg", r.slots[kCoverUrl].value);
    EXPECT_EQ("Intro.\r\n", r.slots[kIntro].value);
    EXPECT_EQ("", r.slots[kClassNumber].value);
    EXPECT_EQ("\xBF\xAA\xB1\xBE", r.slots[kFormat].label);
}

TEST(LookupCommunity, ShortPricesBecomeEmpty)
{
    for (std::string price : {"", "1", "\xD4\xAA"}) {
        FakeWeb web;
        web.pages["http://c.test/isbn/1/"] = CommunityPage("T", price);
        BookRecord r;
        LookupCommunity(r, "1", Config(), web.Fetch());
        EXPECT_EQ("", TrimWhiteSpace(r.slots[kPrice].value)) << price;
    }
}

TEST(LookupCommunity, EarlyReturnWithoutTitleAndAuthorAndNoPage)
{
    FakeWeb web;
    web.pages["http://c.test/isbn/1/"] = "<span class=\"pl\">\xB6\xA8\xBC\xDB:</span> 5\xD4\xAA<br/>";
    BookRecord r;
    LookupCommunity(r, "1", Config(), web.Fetch());
    EXPECT_EQ("", r.slots[kPrice].value);
    EXPECT_EQ("", r.slots[kCoverUrl].value);
    EXPECT_EQ("<span property=\"v:itemreviewed\">", r.slots[kTitle].label);

    BookRecord none;
    LookupCommunity(none, "2", Config(), web.Fetch());
    EXPECT_EQ("", none.slots[kTitle].label);
}

TEST(LookupCommunity, MissingCoverMarkerGivesBareBase)
{
    FakeWeb web;
    web.pages["http://c.test/isbn/1/"] = "<span property=\"v:itemreviewed\">T</span>";
    BookRecord r;
    LookupCommunity(r, "1", Config(), web.Fetch());
    EXPECT_EQ("http://i.test/lpic/", r.slots[kCoverUrl].value);
    EXPECT_EQ("", r.slots[kIntro].value);
}

std::string Row(const char* label, const std::string& value)
{
    return std::string("<tr><td>") + label + "</td><td><span>" + value + "</span></td></tr>\r\n";
}

const char* kTitleLabel = "\xCC\xE2\xC3\xFB\xA3\xBA";
const char* kAuthorLabel = "\xD4\xF0\xC8\xCE\xD5\xDF\xA3\xBA";
const char* kPriceLabel = "\xB6\xA8\xBC\xDB\xA3\xBA";
const char* kClassLabel = "\xB7\xD6\xC0\xE0\xBA\xC5\xA3\xBA";

TEST(LookupLibrary, FirstHitWithExtraParametersAndPriceCut)
{
    FakeWeb web;
    web.pages["http://l.test/BookSearch.aspx?ISBN=9"] =
        "<a href=\"bookdetail.aspx?id=11&from=s\">a</a><a href=\"bookdetail.aspx?id=12\">b</a>";
    web.pages["http://l.test/bookdetail.aspx?id=11&from=s"] =
        "<table>" + Row(kTitleLabel, "Hit") + Row(kAuthorLabel, "Au") + Row(kPriceLabel, "CNY45.00");
    BookRecord r;
    LookupLibrary(r, "9", Config(), web.Fetch());
    EXPECT_EQ("Hit", r.slots[kTitle].value);
    EXPECT_EQ("Au", r.slots[kAuthor].value);
    EXPECT_EQ("45.00", r.slots[kPrice].value);
    ASSERT_EQ(2u, web.requested.size());
    EXPECT_EQ("http://l.test/bookdetail.aspx?id=11&from=s", web.requested[1]);
}

TEST(LookupLibrary, EmptyTitleStopsAbsentTitleDoesNot)
{
    FakeWeb web;
    web.pages["http://l.test/BookSearch.aspx?ISBN=1"] = "<a href=\"bookdetail.aspx?id=1\">";
    web.pages["http://l.test/bookdetail.aspx?id=1"] =
        "<t>" + Row(kClassLabel, "I247") + Row(kTitleLabel, "") + Row(kAuthorLabel, "Au") + Row(kPriceLabel, "CNY9");
    web.pages["http://l.test/BookSearch.aspx?ISBN=2"] = "<a href=\"bookdetail.aspx?id=2\">";
    web.pages["http://l.test/bookdetail.aspx?id=2"] = "<t>" + Row(kAuthorLabel, "Au") + Row(kPriceLabel, "CNY");
    BookRecord stopped, absent;
    LookupLibrary(stopped, "1", Config(), web.Fetch());
    LookupLibrary(absent, "2", Config(), web.Fetch());
    EXPECT_EQ("I247", stopped.slots[kClassNumber].value);
    EXPECT_EQ("", stopped.slots[kAuthor].value);
    EXPECT_EQ("", stopped.slots[kPrice].value);
    EXPECT_EQ("Au", absent.slots[kAuthor].value);
    EXPECT_EQ("", absent.slots[kPrice].value);
}

TEST(LookupLibrary, LabelAtStartIsAbsentAndCutOffPagesEnd)
{
    FakeWeb web;
    web.pages["http://l.test/BookSearch.aspx?ISBN=1"] = "<a href=\"bookdetail.aspx?id=1\">";
    web.pages["http://l.test/bookdetail.aspx?id=1"] =
        std::string(kTitleLabel) + "</td><td><span>T</span>" + Row(kAuthorLabel, "Au") + kPriceLabel + "</td><td>";
    BookRecord r;
    LookupLibrary(r, "1", Config(), web.Fetch());
    EXPECT_EQ("", r.slots[kTitle].value);
    EXPECT_EQ("Au", r.slots[kAuthor].value);
    EXPECT_EQ("", r.slots[kPrice].value);

    web.pages["http://l.test/BookSearch.aspx?ISBN=3"] = "<a href=\"bookdetail.aspx?id=3";
    web.requested.clear();
    BookRecord none;
    LookupLibrary(none, "3", Config(), web.Fetch());
    EXPECT_EQ(1u, web.requested.size());
    EXPECT_EQ("", none.slots[kTitle].label);
}

// The sources as values: canned answers per URL, anything else a 404.
struct Answer {
    PageStatus status;
    unsigned long httpStatus;
    std::string text;
};

PageResultFetch Canned(const std::map<std::string, Answer>& answers)
{
    return [answers](const std::string& url, PageBody) {
        PageResult result;
        result.status = PageStatus::NotThere;
        result.httpStatus = 404;
        auto it = answers.find(url);
        if (it != answers.end()) {
            result.status = it->second.status;
            result.httpStatus = it->second.httpStatus;
            result.text = it->second.text;
        }
        return result;
    };
}

const Answer kUnreachable{PageStatus::Unreachable, 0, ""};
const Answer kTimedOut{PageStatus::TimedOut, 0, ""};
const Answer kBusy{PageStatus::HttpStatus, 503, ""};

Answer Page(const std::string& text)
{
    return Answer{PageStatus::Page, 200, text};
}

TEST(SourceOutcome, EachSourceSaysFoundNotFoundOrWhyItFailed)
{
    const std::string community = "http://c.test/isbn/1/";
    const std::string search = "http://l.test/BookSearch.aspx?ISBN=1";
    const std::string detail = "http://l.test/bookdetail.aspx?id=5";
    const Answer hit = Page("<a href=\"bookdetail.aspx?id=5\">");
    struct Case {
        const char* name;
        decltype(&AskLibrary) ask;
        std::map<std::string, Answer> answers;
        SourceStatus status;
        std::string failure;
        std::string title;
    } cases[] = {
        {"community found",
         AskCommunity,
         {{community, Page(CommunityPage(" T \r\n", "9\xD4\xAA"))}},
         SourceStatus::Found,
         "",
         "T"},
        {"community blank",
         AskCommunity,
         {{community, Page("<span property=\"v:itemreviewed\"> </span>")}},
         SourceStatus::NotFound,
         "",
         ""},
        {"community not there", AskCommunity, {}, SourceStatus::NotFound, "", ""},
        {"community unreachable", AskCommunity, {{community, kUnreachable}}, SourceStatus::Failed, "unreachable", ""},
        {"community timed out", AskCommunity, {{community, kTimedOut}}, SourceStatus::Failed, "timed out", ""},
        {"community busy", AskCommunity, {{community, kBusy}}, SourceStatus::Failed, "HTTP 503", ""},
        {"library found",
         AskLibrary,
         {{search, hit}, {detail, Page("<t>" + Row(kTitleLabel, "Hit"))}},
         SourceStatus::Found,
         "",
         "Hit"},
        {"library no hit", AskLibrary, {{search, Page("no hits")}}, SourceStatus::NotFound, "", ""},
        {"library search fails", AskLibrary, {{search, kTimedOut}}, SourceStatus::Failed, "timed out", ""},
        {"library detail fails",
         AskLibrary,
         {{search, hit}, {detail, Answer{PageStatus::HttpStatus, 500, "x"}}},
         SourceStatus::Failed,
         "HTTP 500",
         ""},
    };
    for (const Case& c : cases) {
        SourceOutcome outcome = c.ask("1", Config(), Canned(c.answers));
        EXPECT_EQ(c.ask == AskLibrary ? SourceKind::Library : SourceKind::Community, outcome.source) << c.name;
        EXPECT_EQ(c.status, outcome.status) << c.name;
        EXPECT_EQ(c.failure, outcome.failure) << c.name;
        EXPECT_EQ(c.title, outcome.values[kTitle]) << c.name;
    }
}

}
