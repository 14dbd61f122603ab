#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "HostileTcpServer.h"
#include "TestServer.h"
#include "framework/CodePage.h"
#include "lookup/Z3950ConnectionPool.h"
#include "lookup/Z3950Source.h"
#include "marc/Iso2709.h"

namespace {

CatalogueConfig Catalogue(const std::string& address, MarcFlavour format = MarcFlavour::Marc21,
                          MarcCharset charset = MarcCharset::ByRecord)
{
    CatalogueConfig catalogue;
    catalogue.name = "z3950";
    catalogue.address = address;
    catalogue.format = format;
    catalogue.charset = charset;
    return catalogue;
}

HostileTcpServer::Options Server(HostileTcpServer::Behaviour behaviour, const char* upstreamPortVariable = nullptr,
                                 const std::string& from = "", const std::string& to = "")
{
    HostileTcpServer::Options options;
    options.behaviour = behaviour;
    options.upstreamPort = upstreamPortVariable ? std::atoi(std::getenv(upstreamPortVariable)) : 0;
    options.from = from;
    options.to = to;
    return options;
}

std::string Utf8(const std::string& cp936)
{
    return WideToMultiByte(MultiByteToWide(cp936), CP_UTF8);
}

TEST(Z3950Source, ZebraRecordsInEachCharacterSet)
{
    const MarcFlavour m21 = MarcFlavour::Marc21, uni = MarcFlavour::Unimarc;
    struct Case {
        const char* name;
        std::string address;
        MarcFlavour format;
        MarcCharset charset;
        const char* isbn;
        const char* title;        // the row's, UTF-8
        const char* recordTitle;  // the kept record's first title subfield
    } cases[] = {
        {"LoC by ISBN-10", ZebraZ3950("loc"), m21, MarcCharset::ByRecord, "0152038655", "Arithmetic", "Arithmetic /"},
        {"LoC by ISBN-13", ZebraZ3950("loc"), m21, MarcCharset::ByRecord, "9780152038656", "Arithmetic",
         "Arithmetic /"},
        {"utf-8", ZebraZ3950("accents"), m21, MarcCharset::ByRecord, "2070409228", "Les misérables",
         "Les misérables /"},
        // Zebra converts to MARC-8 and leaves leader/09 at "a".
        {"marc-8 marked utf-8", ZebraZ3950("accents", true), m21, MarcCharset::ByRecord, "2070409228", "Les misérables",
         "Les mise\xCC\x81rables /"},
        {"marc-8 configured", ZebraZ3950("accents", true), m21, MarcCharset::Marc8, "9782070409228", "Les misérables",
         "Les mise\xCC\x81rables /"},
        {"unimarc utf-8", ZebraZ3950("unimarc"), uni, MarcCharset::ByRecord, "9787111111111",
         "Practical Test Engineering 实用测试工程", "Practical Test Engineering 实用测试工程 /"},
        {"unimarc gb2312", ZebraZ3950("unimarc", true), uni, MarcCharset::Gb2312, "9787111111111",
         "Practical Test Engineering 实用测试工程", "Practical Test Engineering 实用测试工程 /"},
    };
    for (const Case& c : cases) {
        SourceOutcome outcome = AskZ3950(Catalogue(c.address, c.format, c.charset), c.isbn, nullptr);
        ASSERT_TRUE(outcome.Found()) << c.name << ": " << outcome.failure;
        EXPECT_EQ(SourceKind::Catalogue, outcome.source) << c.name;
        EXPECT_EQ(c.title, Utf8(outcome.values[kTitle])) << c.name;
        ASSERT_TRUE(outcome.record) << c.name;
        const MarcRecord& kept = *outcome.record;
        const char* tag = c.format == m21 ? "245" : "200";
        ASSERT_FALSE(kept.FieldsTagged(tag).empty()) << c.name;
        EXPECT_EQ(c.recordTitle, kept.FieldsTagged(tag)[0]->Subfield('a')->value) << c.name;
        if (c.format == m21)
            EXPECT_EQ('a', kept.leader[9]) << c.name;
        else
            EXPECT_EQ("50  ", kept.FieldsTagged("100")[0]->Subfield('a')->value.substr(26, 4)) << c.name;
        MarcRecord again;
        EXPECT_TRUE(ReadIso2709(WriteIso2709(kept), again)) << c.name;
    }
    EXPECT_EQ(SourceStatus::NotFound, AskZ3950(Catalogue(ZebraZ3950("loc")), "9780000000000", nullptr).status);
}

TEST(Z3950Source, EachFailureHasOneReasonAndFillsNoRow)
{
    using B = HostileTcpServer::Behaviour;
    // The LoC record's leader, no longer ISO 2709 on the way through.
    struct Case {
        const char* name;
        HostileTcpServer::Options server;
        const char* failure;
        double seconds;  // at most: the 1 s timeout, or 16 MB taken in
    } cases[] = {
        {"garbage", Server(B::Garbage), "bad answer", 3},
        {"silence", Server(B::Silence), "timed out", 3},
        {"closed at once", Server(B::CloseAtOnce), "bad answer", 3},
        {"2 GB length", Server(B::HugeLength), "bad answer", 10},
        {"not ISO 2709", Server(B::Relay, "QUILL_ZEBRA_PORT", "cam  22", "cam  99"), "bad answer", 3},
    };
    for (const Case& c : cases) {
        HostileTcpServer server(c.server);
        CatalogueConfig catalogue = Catalogue("127.0.0.1:" + std::to_string(server.Port()) + "/loc");
        catalogue.timeoutSeconds = 1;
        const auto start = std::chrono::steady_clock::now();
        SourceOutcome outcome = AskZ3950(catalogue, "0152038655", nullptr);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(SourceStatus::Failed, outcome.status) << c.name;
        EXPECT_EQ(c.failure, outcome.failure) << c.name;
        EXPECT_EQ(ResultFields(), outcome.values) << c.name;
        EXPECT_FALSE(outcome.record) << c.name;
        EXPECT_LT(seconds, c.seconds) << c.name;
        EXPECT_GE(server.Connections(), 1) << c.name;
    }
    EXPECT_EQ("unreachable", AskZ3950(Catalogue("127.0.0.1:9/loc"), "0152038655", nullptr).failure);
    CatalogueConfig badIndex = Catalogue(ZebraZ3950("loc"));
    badIndex.index = "9999";
    SourceOutcome diagnostic = AskZ3950(badIndex, "0152038655", nullptr);
    EXPECT_EQ(SourceStatus::Failed, diagnostic.status);
    EXPECT_NE(std::string::npos, diagnostic.failure.find("Unsupported Use attribute")) << diagnostic.failure;
}

TEST(Z3950Source, AKeptConnectionSignsOnOnceAndReconnectsOnceWhenClosed)
{
    HostileTcpServer relay(Server(HostileTcpServer::Behaviour::Relay, "QUILL_ZEBRA_PORT"));
    CatalogueConfig catalogue = Catalogue("127.0.0.1:" + std::to_string(relay.Port()) + "/loc");
    Z3950ConnectionPool kept(catalogue);
    for (const char* isbn : {"0152038655", "9780000000000", "9780152038656"})
        EXPECT_NE(SourceStatus::Failed, AskZ3950(catalogue, isbn, &kept).status) << isbn;
    EXPECT_EQ(1, relay.Connections());
    relay.DropConnections();
    SourceOutcome after = AskZ3950(catalogue, "0152038655", &kept);
    EXPECT_TRUE(after.Found()) << after.failure;
    EXPECT_EQ(2, relay.Connections());
}

}
