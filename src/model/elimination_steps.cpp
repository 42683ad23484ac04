#include "model/elimination_steps.h"

#include <cmath>
#include <utility>

namespace korvel {

namespace {

// The calculation met a result that is not finite: SimQ reports a run-time error there.
struct NotFinite {};

// Every operation is checked as SimQ checks it, so the record stops where SimQ stops.
double Checked(double result) {
    if (!std::isfinite(result)) throw NotFinite{};
    return result;
}

class Recorder {
  public:
    Recorder(int n, const double (*a)[Array_Size], const double* c) : n_(n) {
        record_.n = n;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j)
                A_[i][j] = a[i][j];
            C_[i] = c[i];
        }
        record_.start = Snapshot(0);
    }

    EliminationRecord Run() {
        int column = 1;
        try {
            for (; column <= n_ - 1; ++column)
                if (!Eliminate(column)) return Stopped(EliminationRecord::End::Zero_Pivot, column);
            column = n_;
            if (A_[n_][n_] == 0.0) return Stopped(EliminationRecord::End::Zero_Pivot, n_);
            Back_Substitute();
        } catch (const NotFinite&) {
            return Stopped(EliminationRecord::End::Run_Time_Error, column);
        }
        record_.end = EliminationRecord::End::Solved;
        for (int i = 1; i <= n_; ++i)
            record_.x.push_back(C_[i]);
        return std::move(record_);
    }

  private:
    // Column k: pivot search, row exchange, elimination. False at a zero pivot.
    bool Eliminate(int k) {
        EliminationStep step;
        step.column = k;
        record_.steps.push_back(step);
        EliminationStep& done = record_.steps.back();
        double big = 0.0;
        int p = k;
        for (int i = k; i <= n_; ++i) {
            const double t = std::fabs(A_[i][k]);
            if (std::isnan(t)) throw NotFinite{};
            if (t > big) big = t, p = i; // strictly greater: the first of equals stays
        }
        if (big == 0.0) return false;
        done.pivotRow = p;
        done.pivotMagnitude = big;
        done.exchanged = p != k;
        for (int j = k; j <= n_; ++j)
            std::swap(A_[k][j], A_[p][j]);
        std::swap(C_[k], C_[p]);
        // SimQ's order: multiply, then divide, then subtract; each row comes out negated.
        for (int i = k + 1; i <= n_; ++i) {
            for (int j = k + 1; j <= n_; ++j)
                A_[i][j] = Checked(Checked(Checked(A_[i][k] * A_[k][j]) / A_[k][k]) - A_[i][j]);
            C_[i] = Checked(Checked(Checked(C_[k] * A_[i][k]) / A_[k][k]) - C_[i]);
        }
        done.after = Snapshot(k);
        return true;
    }

    void Back_Substitute() {
        C_[n_] = Checked(C_[n_] / A_[n_][n_]);
        record_.backSubstitution.emplace_back(n_, C_[n_]);
        for (int i = n_ - 1; i >= 1; --i) {
            double s = C_[i];
            for (int j = i + 1; j <= n_; ++j)
                s = Checked(s - Checked(A_[i][j] * C_[j]));
            C_[i] = Checked(s / A_[i][i]);
            record_.backSubstitution.emplace_back(i, C_[i]);
        }
    }

    // The system now, with the entries below the diagonal of columns 1..eliminated shown as
    // the zeros they stand for.
    ReducedSystem Snapshot(int eliminated) const {
        ReducedSystem system;
        system.a.assign(n_, std::vector<double>(n_, 0.0));
        system.c.assign(n_, 0.0);
        for (int i = 1; i <= n_; ++i) {
            for (int j = 1; j <= n_; ++j)
                if (!(j <= eliminated && i > j)) system.a[i - 1][j - 1] = A_[i][j];
            system.c[i - 1] = C_[i];
        }
        return system;
    }

    EliminationRecord Stopped(EliminationRecord::End end, int column) {
        record_.end = end;
        record_.stopColumn = column;
        return std::move(record_);
    }

    int n_;
    double A_[Array_Size][Array_Size] = {};
    double C_[Array_Size] = {};
    EliminationRecord record_;
};

} // namespace

EliminationRecord Record_Elimination(int n, const double (*a)[Array_Size], const double* c) {
    if (n < 1 || n > Max_Equations) {
        EliminationRecord record;
        record.n = n;
        record.end = EliminationRecord::End::Run_Time_Error;
        return record;
    }
    return Recorder(n, a, c).Run();
}

EliminationRecord Record_Model_Elimination() {
    return Record_Elimination(Num_Equations, A_Matrix, C_Vector);
}

} // namespace korvel
