#include <gtest/gtest.h>

#include "TestServer.h"
#include "framework/CodePage.h"
#include "lookup/PageFetcher.h"
#include "lookup/SruSource.h"

namespace {

SourceOutcome Ask(const std::string& base, const std::string& isbn, MarcFlavour flavour = MarcFlavour::Marc21)
{
    CatalogueConfig catalogue;
    catalogue.protocol = CatalogueProtocol::Sru;
    catalogue.address = base;
    catalogue.format = flavour;
    return AskSru(catalogue, Cp936FromUtf8(isbn),
                  [](const std::string& url, PageBody body) { return FetchPageResult(url, FetchMode::Batch, body); });
}

std::string Utf8(const std::string& cp936)
{
    return WideToMultiByte(MultiByteToWide(cp936), CP_UTF8);
}

// The columns of a found outcome, UTF-8, classification to introduction.
std::vector<std::string> Columns(const SourceOutcome& outcome)
{
    std::vector<std::string> columns;
    for (const std::string& value : outcome.values)
        columns.push_back(Utf8(value));
    return columns;
}

TEST(SruSource, HostileBrokenAndOddAnswersNeverFillARow)
{
    struct Case {
        const char* name;
        SourceStatus status;
        const char* failure;
        const char* title;
    } cases[] = {
        {"v11", SourceStatus::Found, "", "Version 1.1 记录"},
        {"v12", SourceStatus::Found, "", "Version 1.2 记录"},
        {"v20", SourceStatus::Found, "", "Version 2.0 记录"},
        {"string", SourceStatus::Found, "", "Escaped 记录"},
        {"two", SourceStatus::Found, "", "First of two 记录"},
        {"zero", SourceStatus::NotFound, "", ""},
        {"diagnostic", SourceStatus::Failed, "Unsupported index", ""},
        {"notitle", SourceStatus::Failed, "bad answer", ""},
        {"wrongns", SourceStatus::Failed, "bad answer", ""},
        {"bomb", SourceStatus::Failed, "bad answer", ""},
        {"external", SourceStatus::Failed, "bad answer", ""},
        {"truncated", SourceStatus::Failed, "bad answer", ""},
        {"huge", SourceStatus::Failed, "bad answer", ""},
        {"notxml", SourceStatus::Failed, "bad answer", ""},
        {"nosuch", SourceStatus::Failed, "HTTP 404", ""},
    };
    for (const Case& c : cases) {
        SourceOutcome outcome = Ask(TestServerBase() + "/sru/" + c.name, "9787111111111");
        EXPECT_EQ(SourceKind::Catalogue, outcome.source) << c.name;
        EXPECT_EQ(c.status, outcome.status) << c.name;
        EXPECT_EQ(c.failure, outcome.failure) << c.name;
        EXPECT_EQ(c.title, Utf8(outcome.values[kTitle])) << c.name;
        EXPECT_EQ(c.status == SourceStatus::Found, outcome.record != nullptr) << c.name;
        if (c.status != SourceStatus::Found) {
            EXPECT_EQ(ResultFields(), outcome.values) << c.name;
        }
    }
    EXPECT_EQ(0, ServerRequestCount("/sru/secret"));
    EXPECT_EQ("unreachable", Ask(DeadServerBase() + "/marc21", "9787111111111").failure);
}

TEST(SruSource, AsksOneMarcxmlRecordAndQuotesWhatIsNoIsbn)
{
    const std::string plain = "/sru/v11?version=1.1&operation=searchRetrieve&query=bath%2Eisbn%3D9787111111111"
                              "&maximumRecords=1&recordSchema=marcxml";
    const std::string quoted = "/sru/v11?x-info=1&version=1.1&operation=searchRetrieve&query=bath%2Eisbn%3D"
                               "%22978%20%5C%227%5C%22%22&maximumRecords=1";
    int plainBefore = ServerRequestCount(plain), quotedBefore = ServerRequestCount(quoted);
    Ask(TestServerBase() + "/sru/v11", "9787111111111");
    Ask(TestServerBase() + "/sru/v11?x-info=1", "978 \"7\"");
    EXPECT_EQ(plainBefore + 1, ServerRequestCount(plain));
    EXPECT_EQ(quotedBefore + 1, ServerRequestCount(quoted));
}

TEST(SruSource, EveryColumnOfAnAnswer)
{
    SourceOutcome outcome = Ask(TestServerBase() + "/sru/v11", "9787111111111");
    EXPECT_EQ((std::vector<std::string>{"TP311.5", "Version 1.1 记录", "李明著", "羽笔出版社", "321 p", "16开", "2008",
                                        "2", "45.00", TestServerBase() + "/lpic/solid.jpg",
                                        "An answer from the catalogue service. 目录服务的答复。"}),
              Columns(outcome));
}

TEST(SruSource, ZebraServesBothFlavoursAndTheirFallbacks)
{
    struct Case {
        const char* database;
        MarcFlavour flavour;
        const char* isbn;
        Slot slot;
        const char* value;
    } cases[] = {
        {"marc21", MarcFlavour::Marc21, "9787333333333", kClassNumber, "I247.5"},
        {"marc21", MarcFlavour::Marc21, "9787888888888", kClassNumber, "QA76.76.T48"},
        {"marc21", MarcFlavour::Marc21, "9787999999999", kPublisher, "Quill Press"},
        {"marc21", MarcFlavour::Marc21, "9787999999999", kPubDate, "2018.02"},
        {"marc21", MarcFlavour::Marc21, "9787000000002", kAuthor, "曹雪芹 ; 高鹗"},
        {"marc21", MarcFlavour::Marc21, "9787000000001", kTitle, "Short Price Book : Too Short to Keep"},
        {"marc21", MarcFlavour::Marc21, "9787666666666", kTitle, "Smile ? and Thai ? 微笑"},
        {"unimarc", MarcFlavour::Unimarc, "9787000000002", kAuthor, "曹雪芹 ; 高鹗"},
        {"unimarc", MarcFlavour::Unimarc, "9787000000001", kTitle, "Short Price Book : Too Short to Keep"},
        {"unimarc", MarcFlavour::Unimarc, "9787333333333", kClassNumber, "I247.5"},
    };
    for (const Case& c : cases) {
        SourceOutcome outcome = Ask(ZebraBase(c.database), c.isbn, c.flavour);
        EXPECT_TRUE(outcome.Found()) << c.database << " " << c.isbn << " " << outcome.failure;
        EXPECT_EQ(c.value, Utf8(outcome.values[c.slot])) << c.database << " " << c.isbn;
    }
    const std::vector<std::string> marc21 = {
        "TP311.5",
        "Practical Test Engineering 实用测试工程",
        "Alice Zhang, 李明著",
        "Quill Press 羽笔出版社",
        "321 p",
        "16开",
        "2008.06",
        "2",
        "45.00",
        "",
        "A hands-on guide to testing desktop programs. 第二段：介绍自动化测试的方法。"};
    EXPECT_EQ(marc21, Columns(Ask(ZebraBase("marc21"), "9787111111111")));
    std::vector<std::string> unimarc = marc21;
    unimarc[kPages] = "321页";
    EXPECT_EQ(unimarc, Columns(Ask(ZebraBase("unimarc"), "9787111111111", MarcFlavour::Unimarc)));

    EXPECT_EQ(SourceStatus::NotFound, Ask(ZebraBase("marc21"), "9780000000000").status);
    EXPECT_EQ("bad answer", Ask(ZebraBase("marc21"), "9787777777777").failure);
}

TEST(SruSource, ARealLibraryOfCongressRecordReadsRightByEitherForm)
{
    // The record carries only the ISBN-10; a barcode scans the ISBN-13.
    ASSERT_TRUE(Ask(ZebraBase("loc"), "9780152038656").Found());
    SourceOutcome outcome = Ask(ZebraBase("loc"), "0152038655");
    ASSERT_TRUE(outcome.Found()) << outcome.failure;
    std::vector<std::string> columns = Columns(outcome);
    EXPECT_EQ("Arithmetic", columns[kTitle]);
    EXPECT_EQ("Carl Sandburg ; illustrated as an anamorphic adventure by Ted Rand", columns[kAuthor]);
    EXPECT_EQ("Harcourt Brace Jovanovich", columns[kPublisher]);
    EXPECT_EQ("c1993", columns[kPubDate]);
    EXPECT_EQ("1 v. (unpaged)", columns[kPages]);
    EXPECT_EQ("PS3537.A618", columns[kClassNumber]);
}

}
