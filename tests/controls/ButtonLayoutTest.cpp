#include "controls/ButtonLayout.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase {
    unsigned char alignment;
    bool hasTitle;
    bool shifted;
    ButtonRect image;
    ButtonRect title;
};

// A 75 x 33 button at the origin, a 32 x 32 image, client right edge 75.
const ButtonRect kItem{0, 0, 75, 33};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, ImageAndTitleRectangles)
{
    const PlacementCase& c = GetParam();
    ButtonRect title = kItem;
    ImageRequest request{c.alignment, c.hasTitle, c.shifted, 32, 32, 75};
    EXPECT_EQ(PlaceButtonImage(request, kItem, title), c.image);
    EXPECT_EQ(title, c.title);
}

INSTANTIATE_TEST_SUITE_P(Alignments, Placement,
                         ::testing::Values(
                             // Left of the title: 3 from the left edge, centred vertically (33 - 32) / 2 = 0.
                             PlacementCase{kImageLeft, true, false, {3, 0, 75, 33}, {35, 0, 75, 33}},
                             PlacementCase{kImageLeft, true, true, {4, 1, 76, 34}, {35, 0, 75, 33}},
                             PlacementCase{kImageLeft, false, false, {21, 0, 75, 33}, kItem},
                             PlacementCase{kImageAbove, true, false, {21, 3, 75, 33}, {0, 32, 75, 33}},
                             PlacementCase{kImageAbove, false, false, {21, 0, 75, 33}, kItem},
                             PlacementCase{kImageRight, true, false, {40, 0, 75, 33}, {3, 0, 40, 33}},
                             PlacementCase{kImageRight, false, false, {21, 0, 75, 33}, kItem},
                             PlacementCase{7, true, false, kItem, kItem},
                             PlacementCase{7, false, true, {1, 1, 76, 34}, kItem}));

TEST(TitleCentring, BlockCentredInTheSpaceLeftAndTopKept)
{
    ButtonRect space{35, 1, 76, 34};
    ButtonRect measured{35, 1, 60, 14};  // 25 x 13 text
    EXPECT_EQ(CentreTitle(space, measured), (ButtonRect{43, 11, 68, 24}));
    // A text wider than the space moves left by half the excess, truncated.
    EXPECT_EQ(CentreTitle({0, 0, 10, 10}, {0, 0, 13, 10}), (ButtonRect{-1, 0, 12, 10}));
}

}  // namespace
