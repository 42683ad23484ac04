#include "model/simq.h"

#include "base/report_error.h"
#include "model/simq_kernel.h"

namespace korvel {

QString Zero_Pivot_Message(int k) {
    return QStringLiteral("There is a zero value on diagonal in column ") + QString::number(k);
}

SolveResult SimQ(int16_t n, double (&A)[Array_Size][Array_Size], double (&C)[Array_Size]) {
    try {
        const int16_t column = SimQ_Kernel(n, A, C);
        if (column != 0) return SolveResult::Zero_Pivot(column);
        return SolveResult::Solved();
    } catch (...) {
        return SolveResult::Run_Time_Error(Current_Error(std::current_exception()),
                                           QStringLiteral("SimQ"));
    }
}

} // namespace korvel
