#pragma once

#include <QFont>
#include <vector>

#include "printing/sheet_layout.h"

class QPainter;

namespace vexa {

// The sheet's one face: Liberation Sans (Arial's metrics) at 8 points, sized
// for the painter's device.
QFont sheetFont();

// Plays the operations on a painter that is active, on any surface (printer,
// PDF writer, image): solid black lines one device pixel wide, and each text
// whole and unclipped, its top-left corner at the given point, on an opaque
// white box as high as the font's line that paints over whatever lies below.
// An empty text draws nothing.
// The painter's pen, brush and font are restored afterwards.
void playSheet(QPainter& painter, const std::vector<SheetOperation>& operations);

} // namespace vexa
