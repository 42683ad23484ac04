#include "model/simq.h"

#include "base/report_error.h"
#include "model/simq_kernel.h"

namespace korvel {

QString Zero_Pivot_Message(int k) {
    return QStringLiteral("There is a zero value on diagonal in column ") + QString::number(k);
}

SolveResult SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size]) {
    PivotRecord record;
    return SimQ(n, A, C, record);
}

SolveResult SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size],
                 PivotRecord& record) {
    try {
        const int16_t column = SimQ_Kernel(n, A, C, record);
        if (column != 0) return SolveResult::Zero_Pivot(column);
        SolveResult solved = SolveResult::Solved();
        solved.underflow = record.underflow;
        return solved;
    } catch (...) {
        return SolveResult::Run_Time_Error(Current_Error(std::current_exception()),
                                           QStringLiteral("SimQ"));
    }
}

} // namespace korvel
