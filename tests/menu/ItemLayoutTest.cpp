#include <gtest/gtest.h>

#include "menu/CheckMarkShape.h"
#include "menu/ClassicLayout.h"
#include "menu/FlatLayout.h"
#include "menu/ItemText.h"

TEST(ClassicLayout, PartsOfAnItemWithTheDefaultGlyph)
{
    // 16 x 15 glyph in a 25-pixel item: the cell (19 high) is centred, dy = 3.
    ClassicLayout l = LayOutClassicItem({10, 20, 200, 45}, 16, 15, true, true);
    EXPECT_EQ((MenuRect{10, 23, 30, 42}), l.glyphCell);
    EXPECT_EQ((MenuRect{11, 24, 29, 41}), l.innerRect);
    EXPECT_EQ((MenuPoint{12, 25}), l.glyphOrigin);
    EXPECT_EQ((MenuRect{11, 25, 27, 40}), l.checkBox);
    EXPECT_EQ((MenuRect{31, 20, 200, 45}), l.highlight);
    EXPECT_EQ((MenuRect{35, 19, 184, 44}), l.text);
}

TEST(ClassicLayout, WithoutGlyphColumnOrShortcutAndTheSeparatorLine)
{
    ClassicLayout l = LayOutClassicItem({10, 20, 200, 39}, 16, 15, false, false);
    EXPECT_EQ((MenuRect{10, 20, 200, 39}), l.highlight);
    EXPECT_EQ(200, l.text.right);
    EXPECT_EQ((MenuRect{0, 14, 90, 19}), ClassicSeparatorLine({0, 10, 90, 19}));
}

TEST(ClassicLayout, CellStaysAtTheTopOfAShortItem)
{
    for (int height : {15, 16, 18, 19, 20})
        EXPECT_EQ(20, LayOutClassicItem({0, 20, 90, 20 + height}, 16, 15, true, false).glyphCell.top) << height;
    EXPECT_EQ(21, LayOutClassicItem({0, 20, 90, 41}, 16, 15, true, false).glyphCell.top);
}

TEST(FlatLayout, PartsOfAnItemWithGlyphVariants)
{
    // W = 16 + 7 = 23; origin (half of 7, half of 7) = (4, 4).
    FlatLayout l = LayOutFlatItem({10, 20, 200, 42}, 16, 15, true, true);
    EXPECT_EQ(7, l.margin);
    EXPECT_EQ((MenuRect{10, 20, 33, 42}), l.bar);
    EXPECT_EQ((MenuRect{11, 21, 32, 41}), l.glyphFrame);
    EXPECT_EQ((MenuPoint{14, 24}), l.glyphOrigin);
    EXPECT_EQ((MenuRect{14, 23, 30, 39}), l.checkBox);
    EXPECT_EQ((MenuRect{41, 19, 184, 41}), l.text);
    EXPECT_EQ((MenuRect{40, 31, 200, 42}), l.separatorLine);
}

TEST(FlatLayout, NarrowBarWithoutVariantsAndNoNegativeOffsets)
{
    FlatLayout l = LayOutFlatItem({0, 0, 120, 11}, 16, 15, false, false);
    EXPECT_EQ(4, l.margin);
    EXPECT_EQ(20, l.bar.right);
    EXPECT_EQ((MenuPoint{2, 0}), l.glyphOrigin);  // half of 4; half of -4 is 0
    EXPECT_EQ((MenuRect{2, 0, 18, 16}), l.checkBox);
    EXPECT_EQ((MenuRect{28, -1, 120, 10}), l.text);
    EXPECT_EQ((MenuRect{24, 5, 120, 11}), l.separatorLine);
}

TEST(CheckMark, SevenStrokesThreePixelsLong)
{
    const int firstRow[7] = {2, 3, 4, 3, 2, 1, 0};
    auto strokes = CheckMarkStrokes(30, 40);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ((MenuPoint{30 + i, 40 + firstRow[i]}), strokes[i].from) << i;
        EXPECT_EQ((MenuPoint{30 + i, 43 + firstRow[i]}), strokes[i].to) << i;
    }
    EXPECT_EQ((MenuRect{30, 40, 36, 46}), BulletBox(30, 40));
}

TEST(CheckMark, OriginsInTheBox)
{
    const MenuRect box{10, 20, 26, 36};
    EXPECT_EQ((MenuPoint{14, 24}), ClassicMarkOrigin(box, false));
    EXPECT_EQ((MenuPoint{15, 24}), ClassicMarkOrigin(box, true));
    EXPECT_EQ((MenuPoint{15, 24}), FlatMarkOrigin(box));
}

TEST(ItemText, TabRules)
{
    struct Case {
        const wchar_t* text;
        const wchar_t* label;
        const wchar_t* accelerator;
        bool hasAccelerator;
    };
    const Case cases[] = {
        {L"&Open", L"&Open", L"", false},
        {L"&Open\tCtrl+O", L"&Open", L"Ctrl+O", true},
        {L"a\tmiddle\tF5", L"a", L"F5", true},
        {L"Close\t", L"Close", L"", true},
        {L"", L"", L"", false},
    };
    for (const Case& c : cases) {
        ItemText split = SplitItemText(c.text);
        EXPECT_EQ(c.label, split.label) << c.text;
        EXPECT_EQ(c.accelerator, split.accelerator) << c.text;
        EXPECT_EQ(c.hasAccelerator, split.hasAccelerator) << c.text;
    }
}
