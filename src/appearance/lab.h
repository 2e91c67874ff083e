#pragma once

namespace vexa {

// A colour in CIELAB, relative to the D65 white that the measurement uses.
struct Lab {
    double L = 0;
    double a = 0;
    double b = 0;
};

} // namespace vexa
