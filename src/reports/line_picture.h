// Two equations in two unknowns as two lines in the plane: what to draw and where to look.
// The view is centred on the solution (or, without one, between the lines) with a margin,
// and its ticks fall on round numbers.
#pragma once

#include "model/exact_check.h"

#include <QString>

#include <optional>
#include <vector>

namespace korvel {

// a·x + b·y = c, x the first unknown and y the second, with the larger of |a| and |b| made 1
// (the label keeps the equation as typed).
struct PlaneLine {
    double a = 0, b = 0, c = 0;
    QString label; // the equation as typed: "2·Y 1 + Y 2 = 8"
    // False when a and b are both 0: the equation is no line ("0 = 5", or "0 = 0").
    bool Is_Line() const { return a != 0 || b != 0; }
};

struct PlanePoint {
    double x = 0, y = 0;
};

// A square view: both axes span centre ± halfWidth, with ticks every tickStep.
struct PlaneView {
    PlanePoint centre;
    double halfWidth = 1;
    double tickStep = 0.5;
    std::vector<double> Ticks(double middle) const;
};

struct LinePicture {
    SolutionKind kind = SolutionKind::Unique;
    PlaneLine first, second;
    bool sameLine = false;              // infinitely many: both equations draw one line
    std::optional<PlanePoint> solution; // unique solutions only
    QString solutionLabel;              // "Y 1 = 2, Y 2 = 3"
    QString xName, yName;               // the unknowns' names, for the axes
    PlaneView view;
};

// The picture of the system A x = C of two equations (read at a[i][j], c[i], i, j = 1..2),
// of the kind the exact check found; names at names[1..2].
LinePicture Picture_Of_Two(const double (*a)[Array_Size], const double* c, SolutionKind kind,
                           const QString* names);

// What the picture shows, in a sentence: "The lines are parallel: no solution."
QString Line_Picture_Caption(const LinePicture& picture);

// The picture in words, for the clipboard: the sentence, both equations and the solution.
QString Line_Picture_Text(const LinePicture& picture);

// The smallest 1, 2 or 5 times a power of ten that is at least value (> 0).
double Round_Up_To_Nice(double value);

} // namespace korvel
