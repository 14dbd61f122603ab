#include "controls/LinkTarget.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// Code page 936 bytes of "中".
const std::string kWide = "\xD6\xD0";

std::string Repeat(const std::string& piece, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

TEST(LinkTarget, KeepsAtMost259BytesNeverSplitsADoubleByteCharacterAndNullClears)
{
    struct Case {
        std::string text;
        size_t kept;
    };
    const Case cases[] = {
        {std::string(300, 'a'), 259},
        // A character whose second byte would be the 260th is dropped.
        {std::string(258, 'a') + kWide + std::string(40, 'b'), 258},
        // One that ends at the 259th byte is kept.
        {std::string(257, 'a') + kWide + std::string(41, 'b'), 259},
        // 150 single bytes, then 75 characters: 54 of them fit.
        {std::string(150, 'x') + Repeat(kWide, 75), 258},
        // A lead byte at the end with no trail byte.
        {"abc\xD6", 3},
    };
    for (const Case& c : cases) {
        LinkTarget target;
        target.Set(c.text.c_str());
        EXPECT_EQ(std::string(target.Get()), c.text.substr(0, c.kept));
    }
    // Null clears an earlier target.
    LinkTarget target;
    target.Set("http://127.0.0.1/");
    EXPECT_FALSE(target.Empty());
    target.Set(nullptr);
    EXPECT_TRUE(target.Empty());
}

}  // namespace
