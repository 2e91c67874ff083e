#pragma once

#include <cstdint>
#include <string>

#include "appearance/lab.h"

namespace vexa {

// An 8-bit sRGB colour. A colour outside the sRGB gamut is clipped channel
// by channel to the nearest displayable value and marked as such.
struct SrgbColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool inGamut = true;

    friend bool operator==(const SrgbColour&, const SrgbColour&) = default;
};

// The sRGB colour of a CIELAB (D65) colour. The D65 white maps to sRGB
// white (255, 255, 255) and neutral greys to R = G = B. A colour is outside
// the gamut when a channel rounds to below 0 or above 255 before clipping;
// coordinates that are not finite give black, outside the gamut.
// Throws std::runtime_error when the colour management cannot be set up.
SrgbColour labToSrgb(const Lab& lab);

// "#RRGGBB" in upper-case hexadecimal.
std::string hexColour(const SrgbColour& colour);

} // namespace vexa
