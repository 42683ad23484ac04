// Drawing the picture of two equations on any paint device: the check screen's page, the
// printer and PDF all use this one routine, so what is printed is what was seen.
#pragma once

#include "reports/line_picture.h"

#include <QRectF>

class QPainter;

namespace korvel {

// Draws the picture in area, with the painter's font for its numbers and labels: a frame with
// ticks and numbers, the axes where they fall inside it, each line in its own colour and
// labelled with its equation, and the solution marked and labelled.
void Draw_Line_Picture(QPainter& painter, const QRectF& area, const LinePicture& picture);

} // namespace korvel
