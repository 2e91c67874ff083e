#pragma once

#include <QPoint>
#include <QSize>

#include <array>

class QLabel;
class QWidget;

namespace vexa {

// The about box and the splash show the same logo and credit lines in the
// same fonts, only at other places and under other object names.

// The frame the logo is shown in: smaller than the 120 x 60 picture, which is
// drawn unscaled from the frame's top-left, so its right-most three columns
// and bottom two rows stay hidden.
inline constexpr QSize kLogoFrameSize{117, 58};

struct CreditPlacement {
    const char* objectName;
    QPoint topLeft;        // in the coordinates of the panel holding the credits
};

struct CreditLayout {
    CreditPlacement logo;
    CreditPlacement product;        // "VEXA"
    CreditPlacement registered;     // "®", next to the top of the product name
    CreditPlacement group;          // the research group
    CreditPlacement institutions;   // two institutions joined by a hyphen
    std::array<CreditPlacement, 3> authors;
    CreditPlacement registration;   // the registration number
};

// Creates the logo frame and the credit labels as children of `panel`. Each
// label keeps its top-left where the layout puts it and sizes itself to its
// text, on one line.
void addCredits(QWidget* panel, const CreditLayout& layout);

} // namespace vexa
