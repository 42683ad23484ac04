#include "model/worked_solution.h"

#include "model/elimination_steps.h"
#include "model/exact_rationals.h"

namespace korvel {

namespace {

using exact::Rational;
using exact::RationalMatrix;
using exact::Text_Of;

FractionMatrix Text_Of(RationalMatrix& m, long rows, long columns) {
    FractionMatrix text(static_cast<size_t>(rows));
    for (long i = 0; i < rows; ++i)
        for (long j = 0; j < columns; ++j)
            text[static_cast<size_t>(i)].push_back(Text_Of(m.at(i, j)));
    return text;
}

std::optional<FractionMatrix> Inverse_Of(RationalMatrix& a, long n) {
    RationalMatrix inverse(n, n);
    if (!fmpq_mat_inv(inverse.v, a.v)) return std::nullopt;
    return Text_Of(inverse, n, n);
}

class Worker {
  public:
    Worker(int n, const double (*a)[Array_Size], const double* c, PivotRule rule)
        : n_(n), m_(n, n + 1), a_(n, n) {
        solution_.n = n;
        solution_.rule = rule;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                exact::Set_Shortest_Decimal(m_.at(i, j), a[i + 1][j + 1]);
                fmpq_set(a_.at(i, j), m_.at(i, j));
            }
            exact::Set_Shortest_Decimal(m_.at(i, n), c[i + 1]);
        }
        solution_.start = Snapshot();
        // The solver's pivot rows, column by column, for the rule that follows it.
        if (rule == PivotRule::LargestMagnitude)
            for (const EliminationStep& step : Record_Elimination(n, a, c).steps)
                solverRows_.push_back(step.pivotRow);
    }

    WorkedSolution Run() {
        Eliminate();
        Determinant_And_Inverse();
        if (Contradiction()) {
            solution_.kind = SolutionKind::None;
        } else if (static_cast<int>(pivots_.size()) == n_) {
            solution_.kind = SolutionKind::Unique;
            Back_Substitute();
        } else {
            solution_.kind = SolutionKind::Infinite;
            Reduce();
            General_Solution();
        }
        return std::move(solution_);
    }

  private:
    FractionMatrix Snapshot() { return Text_Of(m_, n_, n_ + 1); }

    // The pivot row for the entry at (row, column), or -1 when the column has no non-zero
    // entry at or below row.
    long Pivot_Row(long row, long column) {
        const size_t solver_step = static_cast<size_t>(column);
        // The solver's choice holds while its elimination and this one go column by column
        // alike (no column has been passed over) and the row it took is not exactly 0 here.
        if (row == column && solver_step < solverRows_.size()) {
            const long chosen = solverRows_[solver_step] - 1;
            if (chosen >= row && chosen < n_ && !fmpq_is_zero(m_.at(chosen, column))) return chosen;
        }
        long best = -1;
        Rational size, largest;
        for (long i = row; i < n_; ++i) {
            if (fmpq_is_zero(m_.at(i, column))) continue;
            if (solution_.rule == PivotRule::FirstNonZero) return i;
            fmpq_abs(size.v, m_.at(i, column));
            if (best < 0 || fmpq_cmp(size.v, largest.v) > 0) { // the first of equals stays
                best = i;
                fmpq_set(largest.v, size.v);
            }
        }
        return best;
    }

    // Forward elimination to echelon form: every entry below a pivot becomes 0.
    void Eliminate() {
        long row = 0;
        Rational factor, product;
        for (long column = 0; column < n_ && row < n_; ++column) {
            const long pivot = Pivot_Row(row, column);
            if (pivot < 0) continue; // no pivot in this column: its unknown is free
            WorkedStep step;
            step.column = static_cast<int>(column) + 1;
            if (pivot != row) {
                fmpq_mat_swap_rows(m_.v, nullptr, row, pivot);
                exchanges_ ^= 1;
                step.operations.push_back(
                    {RowOperation::Kind::Exchange, int(row) + 1, int(pivot) + 1, QString()});
            }
            for (long i = row + 1; i < n_; ++i) {
                if (fmpq_is_zero(m_.at(i, column))) continue;
                fmpq_div(factor.v, m_.at(i, column), m_.at(row, column));
                for (long j = column; j <= n_; ++j) {
                    fmpq_mul(product.v, factor.v, m_.at(row, j));
                    fmpq_sub(m_.at(i, j), m_.at(i, j), product.v);
                }
                step.operations.push_back(
                    {RowOperation::Kind::Subtract, int(i) + 1, int(row) + 1, Text_Of(factor.v)});
            }
            pivots_.push_back(column);
            ++row;
            if (step.operations.empty()) continue; // the column was already in echelon form
            step.after = Snapshot();
            solution_.elimination.push_back(std::move(step));
        }
    }

    // The product of the pivots, with the sign of the row exchanges; 0 without n pivots.
    void Determinant_And_Inverse() {
        Rational determinant;
        solution_.rank = static_cast<int>(pivots_.size());
        solution_.oddExchanges = exchanges_ != 0;
        for (size_t r = 0; r < pivots_.size(); ++r)
            solution_.pivots.push_back(Text_Of(m_.at(long(r), pivots_[r])));
        if (static_cast<int>(pivots_.size()) == n_) {
            fmpq_one(determinant.v);
            for (long k = 0; k < n_; ++k)
                fmpq_mul(determinant.v, determinant.v, m_.at(k, k));
            if (exchanges_) fmpq_neg(determinant.v, determinant.v);
        }
        solution_.determinant = Text_Of(determinant.v);
        if (fmpq_is_zero(determinant.v)) return;
        solution_.inverse = Inverse_Of(a_, n_);
    }

    // A row whose coefficients are all 0 under a constant that is not: 0 = value.
    bool Contradiction() {
        for (long i = static_cast<long>(pivots_.size()); i < n_; ++i) {
            if (fmpq_is_zero(m_.at(i, n_))) continue;
            solution_.contradictionRow = static_cast<int>(i) + 1;
            solution_.contradictionValue = Text_Of(m_.at(i, n_));
            return true;
        }
        return false;
    }

    // Unknown n first: what is left of its constant once the known unknowns are taken over,
    // divided by its pivot.
    void Back_Substitute() {
        std::vector<QString> values(static_cast<size_t>(n_));
        Rational remainder, product;
        for (long k = n_ - 1; k >= 0; --k) {
            BackSubstitution line;
            line.unknown = static_cast<int>(k) + 1;
            line.constant = Text_Of(m_.at(k, n_));
            fmpq_set(remainder.v, m_.at(k, n_));
            for (long j = k + 1; j < n_; ++j) {
                if (fmpq_is_zero(m_.at(k, j))) continue;
                line.terms.emplace_back(Text_Of(m_.at(k, j)), int(j) + 1);
                fmpq_mul(product.v, m_.at(k, j), m_.at(j, n_));
                fmpq_sub(remainder.v, remainder.v, product.v);
            }
            line.remainder = Text_Of(remainder.v);
            line.pivot = Text_Of(m_.at(k, k));
            // Row k's constant becomes the value, so later lines read it from there.
            fmpq_div(m_.at(k, n_), remainder.v, m_.at(k, k));
            line.value = Text_Of(m_.at(k, n_));
            values[static_cast<size_t>(k)] = line.value;
            solution_.back.push_back(std::move(line));
        }
        solution_.solution = std::move(values);
    }

    // On from echelon form to the reduced form: each pivot row divided by its pivot, and the
    // entries above each pivot made 0, the last pivot first.
    void Reduce() {
        Rational factor, product;
        for (long r = static_cast<long>(pivots_.size()) - 1; r >= 0; --r) {
            const long column = pivots_[static_cast<size_t>(r)];
            WorkedStep step;
            step.column = static_cast<int>(column) + 1;
            if (!fmpq_is_one(m_.at(r, column))) {
                fmpq_set(factor.v, m_.at(r, column));
                for (long j = column; j <= n_; ++j)
                    fmpq_div(m_.at(r, j), m_.at(r, j), factor.v);
                step.operations.push_back(
                    {RowOperation::Kind::Divide, int(r) + 1, int(r) + 1, Text_Of(factor.v)});
            }
            for (long i = 0; i < r; ++i) {
                if (fmpq_is_zero(m_.at(i, column))) continue;
                fmpq_set(factor.v, m_.at(i, column));
                for (long j = column; j <= n_; ++j) {
                    fmpq_mul(product.v, factor.v, m_.at(r, j));
                    fmpq_sub(m_.at(i, j), m_.at(i, j), product.v);
                }
                step.operations.push_back(
                    {RowOperation::Kind::Subtract, int(i) + 1, int(r) + 1, Text_Of(factor.v)});
            }
            if (step.operations.empty()) continue;
            step.after = Snapshot();
            solution_.reduction.push_back(std::move(step));
        }
    }

    // From the reduced form: each pivot's unknown is its constant less the free unknowns'
    // terms of its row.
    void General_Solution() {
        std::vector<bool> is_pivot(static_cast<size_t>(n_), false);
        for (long column : pivots_)
            is_pivot[static_cast<size_t>(column)] = true;
        for (int j = 0; j < n_; ++j)
            if (!is_pivot[static_cast<size_t>(j)]) solution_.freeUnknowns.push_back(j + 1);
        Rational negated;
        for (size_t r = 0; r < pivots_.size(); ++r) {
            GeneralUnknown unknown;
            unknown.unknown = static_cast<int>(pivots_[r]) + 1;
            unknown.constant = Text_Of(m_.at(long(r), n_));
            for (int f : solution_.freeUnknowns) {
                if (fmpq_is_zero(m_.at(long(r), f - 1))) continue;
                fmpq_neg(negated.v, m_.at(long(r), f - 1));
                unknown.terms.emplace_back(f, Text_Of(negated.v));
            }
            solution_.general.push_back(std::move(unknown));
        }
    }

    int n_;
    RationalMatrix m_; // [A | C], worked on
    RationalMatrix a_; // A as typed, for its inverse
    WorkedSolution solution_;
    std::vector<int> solverRows_;
    std::vector<long> pivots_; // the pivot columns, 0-based, row by row
    int exchanges_ = 0;        // odd (1) or even (0)
};

} // namespace

DeterminantAndInverse Exact_Determinant_And_Inverse(int n, const double (*a)[Array_Size]) {
    RationalMatrix m(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            exact::Set_Shortest_Decimal(m.at(i, j), a[i + 1][j + 1]);
    Rational determinant;
    fmpq_mat_det(determinant.v, m.v);
    DeterminantAndInverse result{Text_Of(determinant.v), std::nullopt};
    if (!fmpq_is_zero(determinant.v)) result.inverse = Inverse_Of(m, n);
    return result;
}

WorkedSolution Work_System(int n, const double (*a)[Array_Size], const double* c, PivotRule rule) {
    return Worker(n, a, c, rule).Run();
}

WorkedSolution Work_Model(PivotRule rule) {
    return Work_System(Num_Equations, A_Matrix, C_Vector, rule);
}

} // namespace korvel
