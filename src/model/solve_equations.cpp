#include "model/solve_equations.h"

#include "model/mod_matrix.h"
#include "model/solve_system.h"

#include <algorithm>

namespace korvel {

QString Solve_Failed_Message() {
    return QStringLiteral(" There has been a serious error in the calculation of your solution ") +
           QChar(13) + QStringLiteral(" Please check your data");
}

SolveResult Solve_Equations() {
    const int16_t n = Num_Equations;
    Save_A(n);
    double given_C[Array_Size];
    std::copy(std::begin(C_Work), std::end(C_Work), given_C);
    const SolveResult result = Solve_System(n, A_Save, given_C, A_Matrix, C_Work);
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
