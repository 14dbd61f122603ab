#include <gtest/gtest.h>

#include "TestServer.h"
#include "lookup/CommunitySource.h"
#include "lookup/LibrarySource.h"
#include "lookup/PageFetcher.h"

namespace {

TEST(SourcesOnServer, UnsafeIsbnTextStaysInsideItsUrl)
{
    const std::string typed = "a b#c?d%e/f&g\r\n\x01\xBA\xEC";
    const std::string encoded = "a%20b%23c%3Fd%25e%2Ff%26g%0D%0A%01%BA%EC";
    BookRecord community, library;
    LookupCommunity(community, typed, TestSourceConfig(), FetchPage);
    LookupLibrary(library, typed, TestSourceConfig(), FetchPage);
    EXPECT_EQ(1, ServerRequestCount("/isbn/" + encoded + "/"));
    EXPECT_EQ(1, ServerRequestCount("/BookSearch.aspx?ISBN=" + encoded));
    EXPECT_EQ(0, ServerRequestCount("/isbn/a%20b/"));
}

TEST(SourcesOnServer, DigitsLettersAndHyphensStayAsTyped)
{
    BookRecord record;
    LookupCommunity(record, "978-7-111-11111-X", TestSourceConfig(), FetchPage);
    EXPECT_EQ(1, ServerRequestCount("/isbn/978-7-111-11111-X/"));
}

TEST(SourcesOnServer, OnlyTheFirstHitsDetailIsFetched)
{
    BookRecord record;
    LookupLibrary(record, "9787888888888", TestSourceConfig(), FetchPage);
    EXPECT_EQ("First Hit Title", record.slots[kTitle].value);
    EXPECT_EQ(1, ServerRequestCount("/bookdetail.aspx?id=8801&from=search&page=1"));
    EXPECT_EQ(0, ServerRequestCount("/bookdetail.aspx?id=8802"));
}

}
