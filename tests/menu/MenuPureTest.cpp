#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "menu/GlyphColour.h"
#include "menu/MnemonicMatch.h"
#include "menu/PlatformLook.h"
#include "menu/ShortcutColumn.h"
#include "menu/ToolBarTemplate.h"

namespace {

Colour Rgb(unsigned r, unsigned g, unsigned b)
{
    return r | g << 8 | b << 16;
}

// 7 pixels per byte; a space measures spaceWidth.
TextWidth FixedWidth(int spaceWidth)
{
    return [spaceWidth](const std::string& text) {
        int width = 0;
        for (char c : text)
            width += c == ' ' ? spaceWidth : 7;
        return width;
    };
}

}  // namespace

TEST(ShortcutColumn, LabelsPadToWidestPlusSpace)
{
    std::vector<std::string> texts{"Open\tCtrl+O", "Exit", "Save as\tF12"};
    AlignShortcutColumn(texts, FixedWidth(3));
    // widest label + space: "Save as " = 6 * 7 + 2 * 3 = 48
    EXPECT_EQ("Open       \tCtrl+O", texts[0]);  // 4 * 7 + 7 * 3 = 49
    EXPECT_EQ("Exit", texts[1]);
    EXPECT_EQ("Save as \tF12", texts[2]);
}

TEST(ShortcutColumn, SpaceOfNoWidthStopsThePadding)
{
    std::vector<std::string> texts{"Open\tCtrl+O", "Save as"};
    AlignShortcutColumn(texts, FixedWidth(0));
    EXPECT_EQ("Open \tCtrl+O", texts[0]);
    AlignShortcutColumn(texts, [](const std::string&) { return 0; });
    EXPECT_EQ("Open \tCtrl+O", texts[0]);
}

TEST(Mnemonic, FirstTextWithAmpersandAndCharacter)
{
    const std::vector<std::u16string> texts{u"&Open", u"E&xit", u"Fi&&x"};
    EXPECT_EQ(1, FindMnemonic(u'x', texts));
    EXPECT_EQ(1, FindMnemonic(u'X', texts));
    EXPECT_EQ(0, FindMnemonic(u'O', texts));
    EXPECT_EQ(-1, FindMnemonic(u'q', texts));
    EXPECT_EQ(0, FindMnemonic(u'x', {u"A&&x", u"E&xit"}));
}

TEST(GlyphColour, BlendToWhiteByFactor)
{
    const Colour c = Rgb(100, 0, 200);
    EXPECT_EQ(Rgb(146, 76, 216), BlendToWhite(c, 0.3));
    EXPECT_EQ(c, BlendToWhite(c, 0));
    EXPECT_EQ(c, BlendToWhite(c, 1.5));
    EXPECT_EQ(c, BlendToWhite(c, -0.5));
    EXPECT_EQ(Rgb(255, 255, 255), BlendToWhite(c, 1));
}

TEST(GlyphColour, VariantsLeaveTheBackground)
{
    const Colour face = Rgb(192, 192, 192);
    EXPECT_EQ(Rgb(76, 76, 76), FadedPixel(0, face));
    EXPECT_EQ(face, FadedPixel(face, face));
    EXPECT_EQ(Rgb(1, 2, 3), ShadowPixel(Rgb(9, 9, 9), face, Rgb(1, 2, 3)));
    EXPECT_EQ(face, ShadowPixel(face, face, Rgb(1, 2, 3)));
    EXPECT_EQ(Rgb(128, 128, 128), ShadowColour(Rgb(128, 128, 128), true));
    EXPECT_EQ(Rgb(190, 190, 190), ShadowColour(Rgb(128, 128, 128), false));
}

TEST(PlatformLook, VersionTable)
{
    struct Case {
        std::uint32_t packed;
        unsigned major, minor;
        int code;
    } const cases[] = {
        {0x80000003, 3, 10, kWin32s},     {0x80000004, 4, 0, kWindows95},  {0x80000004, 4, 10, kWindows98},
        {0x80000004, 4, 90, kWindowsMe},  {0x80000004, 0, 0, kWindows95},  {0x00000004, 4, 0, kWindowsNT4},
        {0x00000005, 5, 0, kWindows2000}, {0x00000005, 5, 1, kWindowsXP},  {0x00000005, 5, 2, kWindowsNT},
        {0x00000006, 6, 1, kWindowsNT},   {0x0000000A, 10, 0, kWindowsNT}, {0x00000003, 3, 51, kWindowsNT},
        {0x00000005, 0, 0, kWindowsNT},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.code, MapWindowsVersion(c.packed, c.major, c.minor)) << std::hex << c.packed << " " << c.major;
}

TEST(PlatformLook, ClassicThemeNameFromRegistryText)
{
    EXPECT_TRUE(IsClassicThemeName("C:\\WINDOWS\\Resources\\Themes\\windows CLASSIC.theme"));
    EXPECT_TRUE(IsClassicThemeName("Windows Classic.theme"));
    EXPECT_FALSE(IsClassicThemeName("Windows Classic.theme.bak"));
    EXPECT_FALSE(IsClassicThemeName("Classic.theme"));
    EXPECT_FALSE(IsClassicThemeName("C:\\Luna.theme"));
    // Registry text ends at a zero or at the size read.
    const unsigned char unterminated[] = {'a', 'b', 'c'};
    const unsigned char terminated[] = {'a', 0, 'c'};
    EXPECT_EQ("abc", RegistryText(unterminated, sizeof unterminated));
    EXPECT_EQ("a", RegistryText(terminated, sizeof terminated));
    EXPECT_EQ("", RegistryText(nullptr, 0));
}

TEST(ToolBarTemplate, SeparatorsTakeNoImage)
{
    // version 1, 16 x 15, buttons 10, separator, 11, 12
    const unsigned char bar[] = {1, 0, 16, 0, 15, 0, 4, 0, 10, 0, 0, 0, 11, 0, 12, 0};
    EXPECT_EQ(0, ToolBarImageIndex(bar, sizeof bar, 10));
    EXPECT_EQ(2, ToolBarImageIndex(bar, sizeof bar, 12));
    EXPECT_EQ(-1, ToolBarImageIndex(bar, sizeof bar, 0));
    EXPECT_EQ(-1, ToolBarImageIndex(bar, sizeof bar, 13));
    EXPECT_EQ(-1, ToolBarImageIndex(bar, sizeof bar - 1, 12));
}
