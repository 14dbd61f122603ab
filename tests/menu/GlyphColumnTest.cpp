#include <gtest/gtest.h>

#include "menu/GlyphColumn.h"

TEST(GlyphColumn, Classification)
{
    struct Case {
        bool hasGlyph;
        ItemStates states;  // selected, grayed, checked
        int checkSelectedId, checkNormalId;
        GlyphKind kind;
        bool inUse;
    };
    const Case cases[] = {
        {false, {}, -1, -1, GlyphKind::None, false},
        {false, {false, false, true}, -1, -1, GlyphKind::None, true},  // check box
        {false, {false, false, true}, -1, 3, GlyphKind::CheckImage, true},
        {false, {true, false, true}, 2, -1, GlyphKind::CheckImage, true},
        {false, {false, false, true}, 2, 0, GlyphKind::None, true},  // selected image only
        {false, {true, false, false}, 2, 3, GlyphKind::None, false},
        {true, {}, -1, -1, GlyphKind::Plain, true},
        {true, {true, false, true}, 2, 3, GlyphKind::Selected, true},
        {true, {true, true, false}, -1, -1, GlyphKind::Disabled, true},
    };
    for (const Case& c : cases) {
        GlyphKind kind = ClassifyGlyphColumn(c.hasGlyph, c.states, c.checkSelectedId, c.checkNormalId);
        EXPECT_EQ(c.kind, kind) << &c - cases;
        EXPECT_EQ(c.inUse, GlyphColumnInUse(kind, c.states)) << &c - cases;
    }
}

TEST(GlyphColumn, ClassicFallsBackToTheSharedGlyph)
{
    GlyphChoice own = ChooseClassicGlyph({0, 4, 9});
    EXPECT_EQ(GlyphSource::Own, own.source);
    EXPECT_EQ(4, own.image);
    EXPECT_TRUE(own.hasGlyph);
    GlyphChoice shared = ChooseClassicGlyph({-1, 4, 9});
    EXPECT_EQ(GlyphSource::Shared, shared.source);
    EXPECT_EQ(9, shared.image);
    EXPECT_TRUE(shared.hasGlyph);
    EXPECT_FALSE(ChooseClassicGlyph({-1, -1, -1}).hasGlyph);
}

TEST(GlyphColumn, FlatVariants)
{
    GlyphChoice own = ChooseFlatGlyph({0, 0, -1}, true, 3, false);
    EXPECT_EQ(GlyphSource::Own, own.source);
    EXPECT_EQ(1, own.faded);
    EXPECT_EQ(2, own.shadow);
    EXPECT_EQ(-1, ChooseFlatGlyph({0, 0, -1}, true, 2, false).faded);
    EXPECT_EQ(-1, ChooseFlatGlyph({0, 0, -1}, false, 3, false).faded);
    EXPECT_EQ(-1, ChooseFlatGlyph({0, 1, -1}, true, 3, false).faded);

    GlyphChoice shared = ChooseFlatGlyph({-1, -1, 6}, true, 0, true);
    EXPECT_EQ(GlyphSource::Shared, shared.source);
    EXPECT_TRUE(shared.hasGlyph);
    EXPECT_EQ(6, shared.image);
    EXPECT_EQ(7, shared.faded);
    EXPECT_EQ(8, shared.shadow);
    EXPECT_EQ(-1, ChooseFlatGlyph({-1, -1, 6}, true, 0, false).shadow);
    // An index of its own keeps the item off the shared glyph in this look.
    EXPECT_FALSE(ChooseFlatGlyph({-1, 2, 6}, true, 0, true).hasGlyph);
}
