#include "screens/widgets/font_to_fit.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace korvel {

QFont Font_To_Fit(const QFont& font, const QString& text, qreal room) {
    const qreal wide = QFontMetricsF(font).horizontalAdvance(text);
    if (wide <= room) return font;
    // Scaled by the room over the width, then down in small steps: widths do not shrink
    // quite in proportion (hinting, whole pixels).
    QFont smaller = font;
    const bool points = font.pointSizeF() > 0;
    qreal size = (points ? font.pointSizeF() : font.pixelSize()) * room / wide;
    for (int tries = 0; tries < 40; ++tries, size *= 0.95) {
        if (points)
            smaller.setPointSizeF(std::max<qreal>(size, 0.5));
        else
            smaller.setPixelSize(std::max(1, static_cast<int>(std::floor(size))));
        if (QFontMetricsF(smaller).horizontalAdvance(text) <= room || size < 1) break;
    }
    return smaller;
}

} // namespace korvel
