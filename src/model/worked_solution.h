// The system solved as a student solves it by hand: Gaussian elimination on [A | C] in exact
// fractions, one pivot column at a time, then back substitution (or, for a singular system,
// the reduced echelon form and what it means); the determinant and the inverse of A beside
// it. The values are those of the exact check: each coefficient and constant is the shortest
// decimal that reads back to the same double.
#pragma once

#include "model/exact_check.h"
#include "model/mod_matrix.h"

#include <QString>

#include <optional>
#include <vector>

namespace korvel {

enum class PivotRule {
    FirstNonZero,    // the first row with a non-zero entry in the column, as done by hand
    LargestMagnitude // the solver's own pivots
};

// A matrix of exact fractions ("p/q" or "p"), row by row.
using FractionMatrix = std::vector<std::vector<QString>>;

// One row operation, rows 1-based: exchange rows target and source; subtract factor times
// row source from row target; or divide row target by factor (the reduced form's leading 1).
struct RowOperation {
    enum class Kind { Exchange, Subtract, Divide };
    Kind kind = Kind::Subtract;
    int target = 0;
    int source = 0;
    QString factor; // never 0; for Subtract, row target becomes target - factor * source
};

struct WorkedStep {
    int column = 0; // the pivot column, 1-based
    std::vector<RowOperation> operations;
    FractionMatrix after; // [A | C] after the operations
};

// One line of the back substitution: unknown = (constant - sum of coefficient * value) /
// pivot = remainder / pivot = value, every value already known.
struct BackSubstitution {
    int unknown = 0; // 1-based
    QString constant;
    std::vector<std::pair<QString, int>> terms; // (coefficient, unknown), coefficient never 0
    QString remainder;
    QString pivot;
    QString value;
};

struct WorkedSolution {
    int n = 0;
    PivotRule rule = PivotRule::FirstNonZero;
    FractionMatrix start;                // [A | C] as typed
    std::vector<WorkedStep> elimination; // to echelon form
    std::vector<WorkedStep> reduction;   // singular and consistent: on to the reduced form
    SolutionKind kind = SolutionKind::Unique;
    std::vector<BackSubstitution> back; // unique: unknown n first
    std::vector<QString> solution;      // unique: x[0..n-1]
    int contradictionRow = 0;           // no solution: the row that reads 0 = value (1-based)
    QString contradictionValue;
    std::vector<int> freeUnknowns;         // infinitely many: 1-based
    std::vector<GeneralUnknown> general;   // infinitely many: the other unknowns
    int rank = 0;                          // of A: the number of pivots
    std::vector<QString> pivots;           // the pivots of the echelon form, row by row
    bool oddExchanges = false;             // an odd number of row exchanges
    QString determinant;                   // of A; "0" when A is singular
    std::optional<FractionMatrix> inverse; // of A, when it exists
};

struct DeterminantAndInverse {
    QString determinant;                   // "p/q" or "p"
    std::optional<FractionMatrix> inverse; // when the determinant is not 0
};

// A is read at a[i][j], i, j = 1..n, as the exact check reads it.
DeterminantAndInverse Exact_Determinant_And_Inverse(int n, const double (*a)[Array_Size]);

// A is read at a[i][j] and C at c[i], i, j = 1..n (1..16).
WorkedSolution Work_System(int n, const double (*a)[Array_Size], const double* c, PivotRule rule);

// The worked solution of the model as it stands (A_Matrix, C_Vector).
WorkedSolution Work_Model(PivotRule rule);

} // namespace korvel
