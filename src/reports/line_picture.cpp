#include "reports/line_picture.h"

#include "text/shortest_text.h"
#include "text/significant_text.h"

#include <algorithm>
#include <cmath>

namespace korvel {

namespace {

const QChar Minus(0x2212);

QString Signed(double value) {
    const QString text = Shortest_Text(std::fabs(value));
    return value < 0 ? Minus + text : text;
}

// A value of the solution beside its point: in full when short, else to 6 digits.
QString Value_Label(const QString& name, double value) {
    const QString text = Signed(value);
    if (text.size() <= 8) return name + QStringLiteral(" = ") + text;
    return name + QStringLiteral(" ≈ ") + Significant_Text(value).replace(QLatin1Char('-'), Minus);
}

// "2·Y 1 + Y 2 = 8", "−Y 2 = 0.5", "0 = 5".
QString Equation_Label(double a, double b, double c, const QString& x, const QString& y) {
    QString left;
    for (const auto& [factor, name] : {std::pair{a, x}, std::pair{b, y}}) {
        if (factor == 0) continue;
        const double size = std::fabs(factor);
        const QString term =
            (size == 1 ? QString() : Shortest_Text(size) + QStringLiteral("·")) + name;
        if (left.isEmpty())
            left = factor < 0 ? Minus + term : term;
        else
            left += (factor < 0 ? QStringLiteral(" %1 ").arg(Minus) : QStringLiteral(" + ")) + term;
    }
    if (left.isEmpty()) left = QStringLiteral("0");
    return left + QStringLiteral(" = ") + Signed(c);
}

// The point of the line nearest the origin.
PlanePoint Foot(const PlaneLine& line) {
    const double norm = line.a * line.a + line.b * line.b;
    return {line.a * line.c / norm, line.b * line.c / norm};
}

double Distance(const PlanePoint& p, const PlanePoint& q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

// Centred on centre, wide enough for the origin and for reach around the centre, with a
// margin of a tenth; ticks about four to a half-width.
PlaneView View_Around(const PlanePoint& centre, double reach) {
    PlaneView view;
    view.centre = centre;
    const double wanted = 1.1 * std::max({std::fabs(centre.x), std::fabs(centre.y), reach});
    view.halfWidth = wanted > 0 && wanted < 1e300 ? Round_Up_To_Nice(wanted) : 1;
    view.tickStep = Round_Up_To_Nice(view.halfWidth / 4);
    return view;
}

} // namespace

std::vector<double> PlaneView::Ticks(double middle) const {
    std::vector<double> ticks;
    const double first = std::ceil((middle - halfWidth) / tickStep);
    const double last = std::floor((middle + halfWidth) / tickStep);
    for (double k = first; k <= last && ticks.size() < 64; ++k)
        ticks.push_back(k * tickStep == 0 ? 0.0 : k * tickStep); // no "-0"
    return ticks;
}

double Round_Up_To_Nice(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= value * (1 - 1e-12)) return step * power;
    return 10 * power;
}

LinePicture Picture_Of_Two(const double (*a)[Array_Size], const double* c, SolutionKind kind,
                           const QString* names) {
    LinePicture picture;
    picture.kind = kind;
    picture.xName = names[1];
    picture.yName = names[2];
    PlaneLine* lines[] = {&picture.first, &picture.second};
    for (int i = 1; i <= 2; ++i) {
        PlaneLine& line = *lines[i - 1];
        line = {a[i][1], a[i][2], c[i], Equation_Label(a[i][1], a[i][2], c[i], names[1], names[2])};
        // The same line with the larger of |a|, |b| made 1: no product of two values near the
        // ends of the double range overflows.
        const double scale = std::max(std::fabs(line.a), std::fabs(line.b));
        if (scale > 0) line.a /= scale, line.b /= scale, line.c /= scale;
    }
    const PlaneLine& one = picture.first;
    const PlaneLine& two = picture.second;
    if (kind == SolutionKind::Unique) {
        const double det = one.a * two.b - one.b * two.a;
        const PlanePoint at{(one.c * two.b - one.b * two.c) / det,
                            (one.a * two.c - one.c * two.a) / det};
        if (!std::isfinite(at.x) || !std::isfinite(at.y)) return picture; // beyond the doubles
        picture.solution = at;
        picture.solutionLabel =
            Value_Label(names[1], at.x) + QStringLiteral(", ") + Value_Label(names[2], at.y);
        picture.view = View_Around(at, 1);
        return picture;
    }
    // Without a solution the lines are parallel (or one equation is no line at all); with
    // infinitely many they are one line, or one equation is 0 = 0.
    std::vector<PlanePoint> feet;
    for (const PlaneLine* line : lines)
        if (line->Is_Line()) feet.push_back(Foot(*line));
    picture.sameLine = kind == SolutionKind::Infinite && feet.size() == 2;
    if (feet.empty()) return picture; // 0 = 0 twice: the whole plane, nothing to draw
    const PlanePoint centre =
        feet.size() == 2 ? PlanePoint{(feet[0].x + feet[1].x) / 2, (feet[0].y + feet[1].y) / 2}
                         : feet[0];
    const double reach = feet.size() == 2 ? std::max(Distance(feet[0], feet[1]), 1.0) : 1.0;
    if (std::isfinite(centre.x) && std::isfinite(centre.y))
        picture.view = View_Around(centre, reach);
    return picture;
}

QString Line_Picture_Caption(const LinePicture& picture) {
    switch (picture.kind) {
    case SolutionKind::Unique:
        return QStringLiteral("The lines cross at the solution.");
    case SolutionKind::None:
        return picture.first.Is_Line() && picture.second.Is_Line()
                   ? QStringLiteral("The lines are parallel: no solution.")
                   : QStringLiteral("One equation reads 0 = a number that is not 0: no solution.");
    case SolutionKind::Infinite:
        return picture.sameLine
                   ? QStringLiteral("Both equations are one line: infinitely many solutions.")
                   : QStringLiteral("Every point of the line is a solution.");
    }
    return {};
}

QString Line_Picture_Text(const LinePicture& picture) {
    QString text = Line_Picture_Caption(picture) + QLatin1Char('\n');
    text += QStringLiteral("First equation: ") + picture.first.label + QLatin1Char('\n');
    text += QStringLiteral("Second equation: ") + picture.second.label + QLatin1Char('\n');
    if (picture.solution) text += QStringLiteral("Solution: ") + picture.solutionLabel + '\n';
    return text;
}

} // namespace korvel
