// The worked solution written out for students: as plain text in aligned columns (for the
// check screen and the printed pages), as LaTeX (amsmath only) and as Markdown, for their
// reports. Names of the unknowns are read at names[1..n].
#pragma once

#include "model/worked_solution.h"

#include <QString>

namespace korvel {

enum class WorkedFormat { Text, Latex, Markdown };

// An exact value as the worked solution shows it: the fraction in full ("−3/4", with a true
// minus sign) when its numerator and denominator have at most 12 digits each, else the
// value to 6 significant digits marked "≈".
QString Worked_Fraction(const QString& fraction);

// The whole working: the system, each step's row operations and matrix, then the back
// substitution and the solution, or what the echelon form says of a singular system.
QString Worked_Solution_Text(const WorkedSolution& worked, const QString* names,
                             WorkedFormat format = WorkedFormat::Text);

// The determinant of A from the pivots, and A's inverse (or why there is none).
QString Determinant_And_Inverse_Text(const WorkedSolution& worked, const QString* names,
                                     WorkedFormat format = WorkedFormat::Text);

} // namespace korvel
