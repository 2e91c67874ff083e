#include "appearance/srgb.h"

#include <lcms2.h>

#include <array>
#include <cmath>
#include <stdexcept>

namespace vexa {

namespace {

// The D65 white as sRGB defines it (chromaticity 0.3127, 0.3290). Our
// L*a*b* values are relative to D65, and sRGB's own white is D65, so the
// measured white lands on the screen's white.
cmsCIEXYZ d65White()
{
    const cmsCIExyY xyY{0.3127, 0.3290, 1.0};
    cmsCIEXYZ white;
    cmsxyY2XYZ(&white, &xyY);
    return white;
}

// Colour management in Little CMS meets at a D50 connection space, so an
// XYZ measured under D65 is first adapted to D50 (Bradford), and the sRGB
// profile adapts it back to D65 on the way out. Taking the D65 L*a*b*
// values as D50 ones instead would shift every colour but the neutrals.
//
// Floating-point transforms in Little CMS are unbounded: a colour outside
// the gamut comes out with channels below 0 or above 1, which is how it is
// detected. The transform keeps no cache, so it may be shared between threads.
class XyzD50ToSrgb {
public:
    XyzD50ToSrgb()
    {
        cmsHPROFILE xyz = cmsCreateXYZProfile();
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        if (xyz && srgb)
            transform_ = cmsCreateTransform(xyz, TYPE_XYZ_DBL, srgb, TYPE_RGB_DBL, INTENT_RELATIVE_COLORIMETRIC,
                                            cmsFLAGS_NOCACHE | cmsFLAGS_NOOPTIMIZE);
        if (xyz)
            cmsCloseProfile(xyz);
        if (srgb)
            cmsCloseProfile(srgb);
    }
    ~XyzD50ToSrgb()
    {
        if (transform_)
            cmsDeleteTransform(transform_);
    }
    XyzD50ToSrgb(const XyzD50ToSrgb&) = delete;
    XyzD50ToSrgb& operator=(const XyzD50ToSrgb&) = delete;

    std::array<double, 3> operator()(const cmsCIEXYZ& xyz) const
    {
        if (!transform_)
            throw std::runtime_error("The sRGB colour transform is not available");
        std::array<double, 3> rgb{};
        cmsDoTransform(transform_, &xyz, rgb.data(), 1);
        return rgb;
    }

private:
    cmsHTRANSFORM transform_ = nullptr;
};

const XyzD50ToSrgb& xyzD50ToSrgb()
{
    static const XyzD50ToSrgb transform;
    return transform;
}

} // namespace

SrgbColour labToSrgb(const Lab& lab)
{
    if (!std::isfinite(lab.L) || !std::isfinite(lab.a) || !std::isfinite(lab.b))
        return SrgbColour{0, 0, 0, false};

    static const cmsCIEXYZ d65 = d65White();
    const cmsCIELab measured{lab.L, lab.a, lab.b};
    cmsCIEXYZ underD65;
    cmsLab2XYZ(&d65, &underD65, &measured);
    cmsCIEXYZ underD50;
    cmsAdaptToIlluminant(&underD50, &d65, cmsD50_XYZ(), &underD65);

    const std::array<double, 3> rgb = xyzD50ToSrgb()(underD50);
    SrgbColour colour;
    std::array<std::uint8_t*, 3> channels{&colour.red, &colour.green, &colour.blue};
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const double level = std::isfinite(rgb[i]) ? std::round(rgb[i] * 255.0) : -1.0;
        if (level < 0.0 || level > 255.0)
            colour.inGamut = false;
        *channels[i] = static_cast<std::uint8_t>(level < 0.0 ? 0.0 : level > 255.0 ? 255.0 : level);
    }
    return colour;
}

std::string hexColour(const SrgbColour& colour)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
        text += digits[channel >> 4];
        text += digits[channel & 0x0F];
    }
    return text;
}

} // namespace vexa
