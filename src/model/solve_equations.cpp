#include "model/solve_equations.h"

#include "model/mod_matrix.h"
#include "model/simq.h"

namespace korvel {

QString Solve_Failed_Message() {
    return QStringLiteral(" There has been a serious error in the calculation of your solution ") +
           QChar(13) + QStringLiteral(" Please check your data");
}

SolveResult Solve_Equations() {
    const int16_t n = Num_Equations;
    Save_A(n);
    const SolveResult result = SimQ(Num_Equations, A_Matrix, C_Work);
    Solve_Error = result.Code();
    if (Solve_Error != 0) {
        Restore_A(n);
        Load_C_Work(n);
        return result;
    }
    Work_To_X(n);
    Load_C_Work(n);
    Restore_A(n);
    Solved = true;
    return result;
}

} // namespace korvel
