#include <gtest/gtest.h>

#include "lookup/LookupState.h"
#include "lookup/PublishRecord.h"

namespace {

struct CollectingSink : RowSink {
    std::vector<std::pair<SourceKind, std::vector<std::string>>> rows;
    void AppendRow(SourceKind source, const std::vector<std::string>& texts) override
    {
        rows.emplace_back(source, texts);
    }
};

TEST(PublishRecord, RowIsIsbnThenTrimmedSlots)
{
    LookupState state;
    CollectingSink sink;
    BookRecord r;
    r.slots[kTitle].value = "  T\r\n";
    r.slots[kIntro].value = "\r\n  intro\r\n";
    EXPECT_TRUE(PublishRecord(state, SourceKind::Community, "978", r, sink));
    ASSERT_EQ(1u, sink.rows.size());
    const auto& row = sink.rows[0].second;
    ASSERT_EQ(12u, row.size());
    EXPECT_EQ("978", row[0]);
    EXPECT_EQ("T", row[1 + kTitle]);
    EXPECT_EQ("intro", state.ShownIntro());
    EXPECT_EQ("T", state.resultFields[kTitle]);
}

TEST(PublishRecord, BlankTitleAndAuthorAddNoRowButCommunityStillSetsIntro)
{
    LookupState state;
    CollectingSink sink;
    state.SetShownIntro("old");
    BookRecord blank;
    blank.slots[kTitle].value = " \r\n ";
    blank.slots[kAuthor].value = "\t";
    blank.slots[kIntro].value = "new";
    EXPECT_FALSE(PublishRecord(state, SourceKind::Library, "1", blank, sink));
    EXPECT_EQ("old", state.ShownIntro());
    EXPECT_FALSE(PublishRecord(state, SourceKind::Community, "1", blank, sink));
    EXPECT_EQ("new", state.ShownIntro());
    EXPECT_TRUE(sink.rows.empty());

    BookRecord authorOnly;
    authorOnly.slots[kAuthor].value = "A";
    EXPECT_TRUE(PublishRecord(state, SourceKind::Library, "1", authorOnly, sink));
    EXPECT_EQ("new", state.ShownIntro());
}

}
