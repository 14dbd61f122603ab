#include "controls/ButtonLook.h"

#include <gtest/gtest.h>

namespace {

ButtonState State(bool hovering, bool pressed, bool focused, bool checkBoxMode = false)
{
    return {hovering, pressed, focused, checkBoxMode};
}

TEST(ButtonLook, BackgroundAndImageSlots)
{
    EXPECT_EQ(BackgroundSlot(State(true, false, true)), kHoverBackground);
    EXPECT_EQ(BackgroundSlot(State(false, true, true)), kHoverBackground);
    EXPECT_EQ(BackgroundSlot(State(false, false, true)), kFocusBackground);
    EXPECT_EQ(BackgroundSlot(State(false, false, false)), kNormalBackground);

    EXPECT_EQ(ImageSlot(State(false, false, false), true), 1);
    EXPECT_EQ(ImageSlot(State(false, false, false), false), 0);
    EXPECT_EQ(ImageSlot(State(true, false, false), true), 0);
    EXPECT_EQ(ImageSlot(State(false, true, false), true), 0);
    // Check-box mode: only the pressed (checked) state shows the in image.
    EXPECT_EQ(ImageSlot(State(true, false, false, true), true), 1);
    EXPECT_EQ(ImageSlot(State(false, true, false, true), true), 0);
}

TEST(ButtonLook, GrayPixelWeightsTruncatesAndKeepsBlack)
{
    struct Case {
        uint32_t color;
        uint32_t gray;
    };
    const Case cases[] = {
        {0x000000, 0x000000}, {0x0000FF, 0x4C4C4C},  // red: 0.299 * 255 = 76.2
        {0x00FF00, 0x959595},                        // green: 149.7
        {0xFF0000, 0x1D1D1D},                        // blue: 29.07
        {0xFFFFFF, 0xFFFFFF}, {0x010101, 0x000000},  // 0.99999...: truncated, not rounded
        {0x204080, 0x4F4F4F},                        // R 0x80, G 0x40, B 0x20: 79.488
    };
    for (const Case& c : cases)
        EXPECT_EQ(GrayPixel(c.color), c.gray) << std::hex << c.color;
}

}  // namespace
