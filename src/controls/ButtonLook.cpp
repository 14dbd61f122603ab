#include "controls/ButtonLook.h"

ColourSlot BackgroundSlot(const ButtonState& state)
{
    if (state.hovering || state.pressed)
        return kHoverBackground;
    return state.focused ? kFocusBackground : kNormalBackground;
}

TitleColours TitleSlots(const ButtonState& state)
{
    if (state.hovering || state.pressed)
        return {kHoverText, kHoverBackground};
    return {kNormalText, kNormalBackground};
}

int ImageSlot(const ButtonState& state, bool hasOutImage)
{
    bool lit = state.checkBoxMode ? state.pressed : state.pressed || state.hovering;
    return lit || !hasOutImage ? 0 : 1;
}

uint32_t GrayPixel(uint32_t color)
{
    if (color == 0)
        return 0;
    double red = color & 0xFF;
    double green = (color >> 8) & 0xFF;
    double blue = (color >> 16) & 0xFF;
    auto gray = static_cast<uint32_t>(static_cast<uint8_t>(0.299 * red + 0.587 * green + 0.114 * blue));
    return gray | gray << 8 | gray << 16;
}
