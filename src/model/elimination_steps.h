// The elimination as SimQ runs it, step by step, for students to follow: the same pivot
// choices and the same arithmetic in the same order, recorded after every column. A
// routine of its own, so that SimQ itself stays as fast as it is.
#pragma once

#include "model/mod_matrix.h"

#include <vector>

namespace korvel {

// The system [A | C] as SimQ holds it, rows and columns 0-based here (row i is equation
// i + 1 in SimQ's current order). Entries that the elimination has removed are 0: SimQ
// leaves stale values there but never reads them again.
struct ReducedSystem {
    std::vector<std::vector<double>> a;
    std::vector<double> c;
};

struct EliminationStep {
    int column = 0;              // k, 1-based
    int pivotRow = 0;            // the row chosen, 1-based (0 when every candidate is 0)
    double pivotMagnitude = 0.0; // |A(p, k)|
    bool exchanged = false;      // rows k and pivotRow were exchanged
    ReducedSystem after;         // the system after the step (empty when it stopped here)
};

struct EliminationRecord {
    enum class End { Solved, Zero_Pivot, Run_Time_Error };
    int n = 0;
    ReducedSystem start;
    std::vector<EliminationStep> steps; // one per column 1..n-1 that was reached
    End end = End::Solved;
    // The zero pivot's column, or the column whose elimination (n for the back
    // substitution) raised the run-time error.
    int stopColumn = 0;
    // Unknowns in the order the back substitution computes them: (unknown, value), n first.
    std::vector<std::pair<int, double>> backSubstitution;
    std::vector<double> x; // x[0..n-1] when solved
};

// Runs the elimination on a copy of A (read at a[i][j]) and C (at c[i]), i, j = 1..n, and
// records it. n outside 1..16 ends in a run-time error at once, as it does in SimQ.
EliminationRecord Record_Elimination(int n, const double (*a)[Array_Size], const double* c);

// The record for the model as it stands (A_Matrix, C_Vector).
EliminationRecord Record_Model_Elimination();

} // namespace korvel
