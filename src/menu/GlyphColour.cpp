#include "menu/GlyphColour.h"

namespace {

Colour BlendChannel(Colour colour, int shift, double factor)
{
    double channel = (colour >> shift) & 0xFF;
    return static_cast<Colour>((255 - channel) * factor + channel) << shift;
}

}  // namespace

Colour BlendToWhite(Colour colour, double factor)
{
    if (!(factor > 0 && factor <= 1))
        return colour;
    return BlendChannel(colour, 0, factor) | BlendChannel(colour, 8, factor) | BlendChannel(colour, 16, factor);
}

Colour FadedPixel(Colour pixel, Colour background)
{
    return pixel == background ? pixel : BlendToWhite(pixel, 0.3);
}

Colour ShadowPixel(Colour pixel, Colour background, Colour shadow)
{
    return pixel == background ? pixel : shadow;
}

Colour ShadowColour(Colour buttonShadow, bool themedXP)
{
    return themedXP ? buttonShadow : BlendToWhite(buttonShadow, 0.49);
}
