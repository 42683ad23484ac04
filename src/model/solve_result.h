// What a solve came to: solved, a zero pivot in column k, or a run-time error; for a solve,
// what its arithmetic says of the answer's worth.
#pragma once

#include "base/outcome.h"

#include <cstdint>
#include <optional>

namespace korvel {

struct SolveResult {
    enum class Status { Solved, ZeroPivot, RunTimeError };
    Status status = Status::Solved;
    int16_t column = 0; // the zero pivot's column
    ErrorOutcome error; // the run-time error, labelled "SimQ"
    // Solved, but a result of the elimination was too small for 64-bit arithmetic (the
    // underflow flag), so the answer may have lost digits to it.
    bool underflow = false;
    // 1 / (estimated condition number), from the factors of the solve, where the driver
    // estimated it; near 0 for equations singular to working precision.
    std::optional<double> reciprocalCondition;

    static SolveResult Solved() { return {}; }
    static SolveResult Zero_Pivot(int16_t k) {
        SolveResult result;
        result.status = Status::ZeroPivot;
        result.column = k;
        return result;
    }
    static SolveResult Run_Time_Error(const RuntimeError& e, const QString& label) {
        SolveResult result;
        result.status = Status::RunTimeError;
        result.error = ErrorOutcome::Of(e, label);
        return result;
    }

    // The solver's error code: 0 solved, k for a zero pivot in column k, 1 for a run-time
    // error (as a zero pivot in column 1 also gives).
    int16_t Code() const {
        switch (status) {
        case Status::Solved:
            return 0;
        case Status::ZeroPivot:
            return column;
        case Status::RunTimeError:
            return 1;
        }
        return 1;
    }
};

} // namespace korvel
