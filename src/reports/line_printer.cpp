#include "reports/line_printer.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korvel {

LinePrinter::LinePrinter(QPainter& painter) : painter_(painter) {
    const QFontMetricsF metrics(painter.font(), painter.device());
    zoneWidth_ = Zone_Columns * metrics.averageCharWidth();
    lineHeight_ = metrics.lineSpacing();
    ascent_ = metrics.ascent();
}

void LinePrinter::Print_Line(std::initializer_list<QString> items) {
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    const double baseline = lines_ * lineHeight_ + ascent_;
    double x = 0;
    double nextZone = zoneWidth_; // each item takes a zone of its own, even an empty one
    for (const QString& item : items) {
        x = std::max(nextZone, std::ceil(x / zoneWidth_ - 1e-9) * zoneWidth_);
        painter_.drawText(QPointF(x, baseline), item);
        nextZone = x + zoneWidth_;
        x += metrics.horizontalAdvance(item);
    }
    ++lines_;
}

void LinePrinter::Empty_Line() {
    ++lines_;
}

} // namespace korvel
