#include "reports/line_picture_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

const QColor First_Colour(31, 95, 191);
const QColor Second_Colour(192, 57, 43);
const QColor Grid_Colour(225, 225, 225);
const QColor Axis_Colour(110, 110, 110);

QString Tick_Text(double value) {
    return QString::number(value, 'g', 10).replace(QLatin1Char('-'), QChar(0x2212));
}

// Plane coordinates to the square plot on the device, y upwards.
class Mapping {
  public:
    Mapping(const PlaneView& view, const QRectF& plot) : view_(view), plot_(plot) {}
    QPointF operator()(double x, double y) const {
        const double left = view_.centre.x - view_.halfWidth;
        const double bottom = view_.centre.y - view_.halfWidth;
        const double scale = plot_.width() / (2 * view_.halfWidth);
        return {plot_.left() + (x - left) * scale, plot_.bottom() - (y - bottom) * scale};
    }

  private:
    PlaneView view_;
    QRectF plot_;
};

// Text in a light box, so that it stays readable over lines and the grid; kept inside
// bounds.
void Draw_Label(QPainter& painter, QPointF at, const QString& text, const QColor& colour,
                const QRectF& bounds) {
    const QFontMetricsF metrics(painter.font());
    QRectF box(at,
               QSizeF(metrics.horizontalAdvance(text) + metrics.height() / 2, metrics.height()));
    box.moveLeft(std::clamp(box.left(), bounds.left(), bounds.right() - box.width()));
    box.moveTop(std::clamp(box.top(), bounds.top(), bounds.bottom() - box.height()));
    painter.fillRect(box, QColor(255, 255, 255, 225));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void Draw_Grid_And_Axes(QPainter& painter, const LinePicture& picture, const QRectF& plot,
                        const Mapping& map, double unit) {
    const PlaneView& view = picture.view;
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(Grid_Colour, unit / 2));
    for (double x : view.Ticks(view.centre.x))
        painter.drawLine(map(x, view.centre.y - view.halfWidth),
                         map(x, view.centre.y + view.halfWidth));
    for (double y : view.Ticks(view.centre.y))
        painter.drawLine(map(view.centre.x - view.halfWidth, y),
                         map(view.centre.x + view.halfWidth, y));
    painter.setPen(QPen(Axis_Colour, unit));
    if (std::fabs(view.centre.x) <= view.halfWidth)
        painter.drawLine(map(0, view.centre.y - view.halfWidth),
                         map(0, view.centre.y + view.halfWidth));
    if (std::fabs(view.centre.y) <= view.halfWidth)
        painter.drawLine(map(view.centre.x - view.halfWidth, 0),
                         map(view.centre.x + view.halfWidth, 0));
    painter.setPen(QPen(Qt::black, unit));
    painter.drawRect(plot);
    for (double x : view.Ticks(view.centre.x)) {
        const QPointF at = map(x, view.centre.y - view.halfWidth);
        painter.drawLine(at, at + QPointF(0, 3 * unit));
        const QString text = Tick_Text(x);
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(at.x() - width / 2, at.y() + 3 * unit + metrics.ascent()), text);
    }
    for (double y : view.Ticks(view.centre.y)) {
        const QPointF at = map(view.centre.x - view.halfWidth, y);
        painter.drawLine(at, at - QPointF(3 * unit, 0));
        const QString text = Tick_Text(y);
        painter.drawText(QPointF(at.x() - 5 * unit - metrics.horizontalAdvance(text),
                                 at.y() + metrics.ascent() / 2 - metrics.descent() / 2),
                         text);
    }
    // The first unknown under the numbers of the horizontal axis, the second above the
    // vertical one.
    painter.drawText(QRectF(plot.left(), plot.bottom() + 3 * unit + metrics.height(), plot.width(),
                            metrics.height()),
                     Qt::AlignHCenter, picture.xName);
    painter.drawText(QPointF(plot.left() - metrics.horizontalAdvance(picture.yName) / 2,
                             plot.top() - metrics.descent() - unit),
                     picture.yName);
}

void Draw_Line(QPainter& painter, const PlaneLine& line, const QColor& colour,
               const PlaneView& view, const QRectF& plot, const Mapping& map, double unit,
               double label_at) {
    if (!line.Is_Line()) return;
    // The point of the line nearest the view's centre, and its direction.
    const double norm = std::hypot(line.a, line.b);
    const double off = (line.a * view.centre.x + line.b * view.centre.y - line.c) / norm;
    const double px = view.centre.x - off * line.a / norm;
    const double py = view.centre.y - off * line.b / norm;
    const double dx = -line.b / norm, dy = line.a / norm;
    const double far = 4 * view.halfWidth;
    painter.save();
    painter.setClipRect(plot);
    painter.setPen(QPen(colour, 2 * unit));
    painter.drawLine(map(px - far * dx, py - far * dy), map(px + far * dx, py + far * dy));
    painter.restore();
    const double along = label_at * view.halfWidth * (dy < 0 ? -1 : 1);
    Draw_Label(painter, map(px + along * dx, py + along * dy) + QPointF(2 * unit, 2 * unit),
               line.label, colour, plot);
}

} // namespace

void Draw_Line_Picture(QPainter& painter, const QRectF& area, const LinePicture& picture) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    const double unit = metrics.height() / 10;
    // Room for the caption above, the tick numbers to the left and the numbers and name of
    // the horizontal axis below; the plot is the largest square that is left.
    double widest = 0;
    for (double y : picture.view.Ticks(picture.view.centre.y))
        widest = std::max(widest, metrics.horizontalAdvance(Tick_Text(y)));
    const QRectF room = area.adjusted(widest + 6 * unit, 3 * metrics.height(), -2 * unit,
                                      -(2 * metrics.height() + 4 * unit));
    const double side = std::max(10.0, std::min(room.width(), room.height()));
    const QRectF plot(room.left() + (room.width() - side) / 2, room.top(), side, side);
    const Mapping map(picture.view, plot);

    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), metrics.height()), Qt::AlignLeft,
                     Line_Picture_Caption(picture));
    Draw_Grid_And_Axes(painter, picture, plot, map, unit);
    if (picture.sameLine) {
        PlaneLine both = picture.first;
        both.label += QStringLiteral("  and  ") + picture.second.label;
        Draw_Line(painter, both, First_Colour, picture.view, plot, map, unit, 0.5);
    } else {
        Draw_Line(painter, picture.first, First_Colour, picture.view, plot, map, unit, 0.85);
        Draw_Line(painter, picture.second, Second_Colour, picture.view, plot, map, unit, -0.85);
    }
    if (picture.solution) {
        const QPointF at = map(picture.solution->x, picture.solution->y);
        painter.setPen(QPen(Qt::black, unit));
        painter.setBrush(Qt::black);
        painter.drawEllipse(at, 4 * unit, 4 * unit);
        Draw_Label(painter, at + QPointF(6 * unit, -metrics.height() - 4 * unit),
                   picture.solutionLabel, Qt::black, plot);
    }
    painter.restore();
}

} // namespace korvel
