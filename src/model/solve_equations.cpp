#include "model/solve_equations.h"

#include "model/mod_matrix.h"
#include "model/simq.h"
#include "base/messages.h"

namespace korvel {

QString Solve_Failed_Message() {
    return QStringLiteral(" There has been a serious error in the calculation of your solution ") +
           QChar(13) + QStringLiteral(" Please check your data");
}

void Solve_Equations() {
    const int16_t n = Num_Equations;
    Save_A(n);
    SimQ(Num_Equations, A_Matrix, C_Work, Solve_Error);
    if (Solve_Error != 0) {
        MsgBox(Solve_Failed_Message(), MsgIcon::None, MsgButtons::OK);
        Restore_A(n);
        Load_C_Work(n);
        return;
    }
    Work_To_X(n);
    Load_C_Work(n);
    Restore_A(n);
    Solved = true;
}

} // namespace korvel
