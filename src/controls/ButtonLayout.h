#pragma once

// Where a hover button puts its image and its title. Pure arithmetic, so it
// is checked as numbers without a device context.

struct ButtonRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void Offset(int dx, int dy);
};

bool operator==(const ButtonRect& a, const ButtonRect& b);

// Values of HoverButton's alignment member.
enum : unsigned char { kImageLeft = 0, kImageAbove = 1, kImageRight = 2 };

struct ImageRequest {
    unsigned char alignment = kImageLeft;
    bool hasTitle = false;
    // Pressed outside check-box mode: the image moves one pixel right and down.
    bool shifted = false;
    int width = 0;
    int height = 0;
    // Right edge of the button's client rectangle.
    int clientRight = 0;
};

// The image's rectangle inside item; only its left and top move. Makes room
// for the image in title. Halvings truncate toward zero.
ButtonRect PlaceButtonImage(const ImageRequest& image, const ButtonRect& item, ButtonRect& title);

// measured keeps its left and top and has the text's extent; the result is
// measured moved so the text block is centred in space.
ButtonRect CentreTitle(const ButtonRect& space, const ButtonRect& measured);
