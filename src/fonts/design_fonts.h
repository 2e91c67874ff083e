#pragma once

#include <QFont>
#include <QString>

namespace vexa {

// The face actually used for a designed face name: "Arial" and "MS Sans Serif"
// become Liberation Sans, "Times" and "Times New Roman" become Liberation Serif,
// "Verdana" becomes DejaVu Sans. Other names pass through unchanged, and
// fontconfig then picks its nearest face.
QString installedFace(const QString& designedFace);

// Character height in pixels of a size in points on a 96 dpi screen,
// rounded as the original form designer did (8 pt -> 11 px, 7 pt -> 9 px).
int pointsToPixels(int points);

// A font by designed face name and pixel height (the character height, not
// the line height), optionally bold.
QFont designFont(const QString& designedFace, int pixelHeight, bool bold = false);

// The windows' own font: "MS Sans Serif", 11 pixels high.
QFont windowFont();

} // namespace vexa
