#include <gtest/gtest.h>

#include "marc/IsbnCleaning.h"

namespace {

TEST(OtherIsbnForm, TenAndThirteenBothWays)
{
    const struct {
        const char* isbn;
        const char* other;
    } cases[] = {
        {"0152038655", "9780152038656"},
        {"9780152038656", "0152038655"},
        {"080442957X", "9780804429573"},
        {"9780804429573", "080442957X"},
        {"710800982X", "9787108009821"},
        {"9787108009821", "710800982X"},
        {"0152038656", ""},      // wrong check digit
        {"9790260000438", ""},   // 979 has no ISBN-10
        {"978-0152038656", ""},  // as typed with a hyphen: searched alone
        {"", ""},
        {"abcdefghij", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.other, OtherIsbnForm(c.isbn)) << c.isbn;
}

}
