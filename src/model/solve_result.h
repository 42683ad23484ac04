// What a solve came to: solved, a zero pivot in column k, or a run-time error.
#pragma once

#include "base/outcome.h"

#include <cstdint>

namespace korvel {

struct SolveResult {
    enum class Status { Solved, ZeroPivot, RunTimeError };
    Status status = Status::Solved;
    int16_t column = 0; // the zero pivot's column
    ErrorOutcome error; // the run-time error, labelled "SimQ"

    static SolveResult Solved() { return {}; }
    static SolveResult Zero_Pivot(int16_t k) { return {Status::ZeroPivot, k, {}}; }
    static SolveResult Run_Time_Error(const RuntimeError& e, const QString& label) {
        return {Status::RunTimeError, 0, ErrorOutcome::Of(e, label)};
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
