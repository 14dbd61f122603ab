#include "listctrl/SortArrow.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Span {
    int minX, maxX, minY, maxY;
};

Span SpanOf(const SortArrowPaths& p)
{
    std::vector<ArrowPoint> all = p.light;
    all.insert(all.end(), p.shadow.begin(), p.shadow.end());
    Span s{all[0].x, all[0].x, all[0].y, all[0].y};
    for (const ArrowPoint& q : all) {
        s.minX = std::min(s.minX, q.x);
        s.maxX = std::max(s.maxX, q.x);
        s.minY = std::min(s.minY, q.y);
        s.maxY = std::max(s.maxY, q.y);
    }
    return s;
}

const HeaderRect kItem{100, 0, 220, 20};  // R = 220, B = 20, o = 5

}  // namespace

TEST(SortArrow, InsetIsQuarterHeightTruncated)
{
    EXPECT_EQ(5, SortArrowInset(kItem));
    EXPECT_EQ(5, SortArrowInset({0, 0, 10, 23}));
    EXPECT_EQ(4, SortArrowInset({0, 0, 10, 19}));
    EXPECT_EQ(0, SortArrowInset({0, 0, 10, 3}));
    EXPECT_EQ(5, SortArrowInset({0, 4, 10, 24}));
}

TEST(SortArrow, PlainLabelShrinksByInset)
{
    HeaderLabel label = ComputeHeaderLabel(kItem, false, false);
    EXPECT_EQ((HeaderRect{105, 0, 215, 20}), label.rect);
    EXPECT_TRUE(label.drawText);
}

TEST(SortArrow, SortColumnTextEndsTwentyPixelsLeftOfRight)
{
    HeaderLabel label = ComputeHeaderLabel(kItem, false, true);
    EXPECT_EQ(220 - 20, label.rect.right);
    EXPECT_EQ(105, label.rect.left);
    EXPECT_EQ(0, label.rect.top);
    EXPECT_EQ(20, label.rect.bottom);
    EXPECT_TRUE(label.drawText);
}

TEST(SortArrow, PressedShiftsLabelButNotBottom)
{
    HeaderLabel label = ComputeHeaderLabel(kItem, true, false);
    EXPECT_EQ((HeaderRect{106, 2, 216, 20}), label.rect);
    HeaderLabel sorted = ComputeHeaderLabel(kItem, true, true);
    EXPECT_EQ((HeaderRect{106, 2, 201, 20}), sorted.rect);
}

TEST(SortArrow, PressedDoesNotMoveArrow)
{
    // The arrow only depends on the item rectangle and the direction.
    SortArrowPaths a = ComputeSortArrow(kItem, true);
    SortArrowPaths b = ComputeSortArrow(kItem, true);
    EXPECT_EQ(a.light, b.light);
    EXPECT_EQ(a.shadow, b.shadow);
}

TEST(SortArrow, NarrowItemDrawsNoText)
{
    // Width 40: sort column leaves 40 - 15 - 10 = 15.
    EXPECT_TRUE(ComputeHeaderLabel({0, 0, 40, 20}, false, true).drawText);
    // Width 25: 25 - 15 - 10 = 0, empty.
    EXPECT_FALSE(ComputeHeaderLabel({0, 0, 25, 20}, false, true).drawText);
    EXPECT_FALSE(ComputeHeaderLabel({0, 0, 25, 20}, true, true).drawText);
    // Width 10 without arrow: 10 - 10 = 0, empty; 11 leaves one pixel.
    EXPECT_FALSE(ComputeHeaderLabel({0, 0, 10, 20}, false, false).drawText);
    EXPECT_TRUE(ComputeHeaderLabel({0, 0, 11, 20}, false, false).drawText);
    EXPECT_FALSE(ComputeHeaderLabel({0, 0, 0, 20}, false, false).drawText);
}

TEST(SortArrow, UpArrowPaths)
{
    const int R = 220, B = 20;
    SortArrowPaths p = ComputeSortArrow(kItem, true);
    EXPECT_EQ((std::vector<ArrowPoint>{{R - 10, 5}, {R - 5, B - 6}, {R - 17, B - 6}}), p.light);
    EXPECT_EQ((std::vector<ArrowPoint>{{R - 16, B - 6}, {R - 10, 4}}), p.shadow);
    Span s = SpanOf(p);
    EXPECT_EQ(R - 17, s.minX);
    EXPECT_EQ(R - 5, s.maxX);
    EXPECT_EQ(4, s.minY);
    EXPECT_EQ(B - 6, s.maxY);
}

TEST(SortArrow, DownArrowPaths)
{
    const int R = 220, B = 20;
    SortArrowPaths p = ComputeSortArrow(kItem, false);
    EXPECT_EQ((std::vector<ArrowPoint>{{R - 6, 5}, {R - 11, B - 5}}), p.light);
    EXPECT_EQ((std::vector<ArrowPoint>{{R - 12, B - 5}, {R - 16, 5}, {R - 6, 5}}), p.shadow);
    Span s = SpanOf(p);
    EXPECT_EQ(R - 16, s.minX);
    EXPECT_EQ(R - 6, s.maxX);
    EXPECT_EQ(5, s.minY);
    EXPECT_EQ(B - 5, s.maxY);
}

TEST(SortArrow, ArrowFollowsOtherHeights)
{
    // 24 pixels: o = 6.
    HeaderRect item{0, 0, 300, 24};
    SortArrowPaths up = ComputeSortArrow(item, true);
    EXPECT_EQ((std::vector<ArrowPoint>{{288, 6}, {294, 17}, {280, 17}}), up.light);
    EXPECT_EQ((std::vector<ArrowPoint>{{281, 17}, {288, 5}}), up.shadow);
    SortArrowPaths down = ComputeSortArrow(item, false);
    EXPECT_EQ((std::vector<ArrowPoint>{{293, 6}, {287, 18}}), down.light);
    EXPECT_EQ((std::vector<ArrowPoint>{{286, 18}, {281, 6}, {293, 6}}), down.shadow);
    EXPECT_EQ(300 - 24, ComputeHeaderLabel(item, false, true).rect.right);
}
