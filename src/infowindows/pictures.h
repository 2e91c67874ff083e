#pragma once

#include <QIcon>
#include <QPixmap>

namespace vexa {

// The VEXA logo, 120 x 60: a glass of red wine beside the name. Read from the
// program's resources; stored there as an 8-bit, 256-colour bitmap.
QPixmap logoPicture();

// The program's window and desktop icon: 32 x 32 in 16 colours, and the same
// picture drawn at 16, 22, 24, 48, 64, 128 and 256 pixels.
QIcon applicationIcon();

} // namespace vexa
