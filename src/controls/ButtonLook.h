#pragma once
#include <cstdint>

// Choices a hover button makes from its state when it paints: which colour
// slot, which image slot, and the grey of its automatic grey icon.

// The order of HoverButton's colours member.
enum ColourSlot : int {
    kHoverBackground,
    kHoverText,
    kNormalBackground,
    kNormalText,
    kFocusBackground,
    kFocusText,
    kColourSlotCount
};

struct ButtonState {
    bool hovering = false;
    bool pressed = false;
    bool focused = false;
    bool checkBoxMode = false;
};

ColourSlot BackgroundSlot(const ButtonState& state);

struct TitleColours {
    ColourSlot text;
    ColourSlot background;
};

// An enabled button's title; the focus slots are never used for it.
TitleColours TitleSlots(const ButtonState& state);

// 0 is the in image (hovered or pressed), 1 the out image, used only when
// there is one.
int ImageSlot(const ButtonState& state, bool hasOutImage);

// A colour value 0x00BBGGRR turned grey by 0.299 R + 0.587 G + 0.114 B,
// truncated; pure black stays black.
uint32_t GrayPixel(uint32_t color);
