// The worked solution on paper: its text page after page in a fixed-width font, then, for two
// equations, the picture of the two lines, drawn as the check screen draws it.
#pragma once

#include "base/outcome.h"
#include "reports/line_picture.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace korvel {

// Paints on the painter's device (a printer or a PDF writer, begun): text in a fixed-width
// font small enough for its widest line (lines wider still at the smallest size are wrapped),
// a new page whenever one is full, and the picture when there is one.
void Draw_Worked_Pages(QPainter& painter, QPagedPaintDevice& device, const QString& text,
                       const LinePicture* picture);

// The same pages as a PDF file at path, written whole or not at all ("Print_Worked_Solution").
WriteResult Write_Worked_Pdf(const QString& path, const QString& text, const LinePicture* picture);

} // namespace korvel
