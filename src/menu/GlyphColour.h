#pragma once
#include <cstdint>

// A colour as the platform writes it: 0x00BBGGRR.
using Colour = std::uint32_t;

// Moves each channel towards 255 by the factor; a factor outside (0, 1]
// leaves the colour as it is.
Colour BlendToWhite(Colour colour, double factor);

// The faded variant of a glyph pixel: background stays, the rest is
// lightened by 0.3.
Colour FadedPixel(Colour pixel, Colour background);
// The shadow variant: background stays, the rest becomes the shadow colour.
Colour ShadowPixel(Colour pixel, Colour background, Colour shadow);
// The shadow colour from the system's button shadow; lightened by 0.49
// unless the themed look is in force.
Colour ShadowColour(Colour buttonShadow, bool themedXP);
