#include <climits>

#include <gtest/gtest.h>

#include "listctrl/HeadingSpec.h"

namespace {

TEST(HeadingSpec, WidthsReadAsAtoiWithinTheRangeOfInt)
{
    const std::vector<HeadingEntry> entries = ParseHeadingSpec("a, 12px;b,x;c,-7;d,99999999999;e,-99999999999;f,1");
    const int widths[] = {12, 0, -7, INT_MAX, INT_MIN, 1};
    ASSERT_EQ(6u, entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(widths[i], entries[i].width) << entries[i].title;
    EXPECT_EQ(2u, ParseHeadingSpec("a,1;b,2;").size());
    EXPECT_EQ(1u, ParseHeadingSpec("a,1;no comma").size());
}

}
