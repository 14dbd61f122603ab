#include <gtest/gtest.h>

#include "marc/IsbnHyphens.h"

TEST(IsbnHyphens, AgencyRanges)
{
    const char* const cases[][2] = {
        {"9787020026562", "978-7-02-002656-2"},  // China, two-digit publisher
        {"9787506365437", "978-7-5063-6543-7"},  // China, four digits
        {"9787111111115", "978-7-111-11111-5"},  // China, three digits
        {"9780306406157", "978-0-306-40615-7"},  // English
        {"0306406152", "0-306-40615-2"},         // ten digits
        {"9783161484100", "978-3-16-148410-0"},  // German
        {"9791090636071", "979-10-90636-07-1"},  // France, 979 prefix
        {"9798300000004", "9798300000004"},      // a range the agency leaves open
        {"12345", "12345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c[1], HyphenateIsbn(c[0])) << c[0];
}
