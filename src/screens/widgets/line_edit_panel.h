// The empty panel of a line edit (frame and background, no text), drawn once by the style
// and kept: the entry screen paints hundreds of boxes of a handful of looks, and the
// style's own panel painting was most of the cost of repainting them.
#pragma once

#include <QPixmap>

class QStyleOptionFrame;
class QWidget;

namespace korvel {

// The panel the style draws for this option, at this device pixel ratio. Options that
// draw alike (same style, state, size, frame and palette) share one image.
QPixmap Line_Edit_Panel(const QStyleOptionFrame& option, const QWidget* widget, qreal dpr);

} // namespace korvel
