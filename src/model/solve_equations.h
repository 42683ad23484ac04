#pragma once

#include "model/solve_result.h"

#include <QString>

namespace korvel {

// Solves the model with Solve_System (SimQ, rescued from underflow by scaling, with a
// condition estimate): A_Matrix with the working constants C_Work (which must equal
// C_Vector). On success X_Vector holds the solution and Solved is true; Solve_Error is
// the result's code. Shows nothing (Show_Solve_Result tells the user); whatever the result,
// A_Matrix and C_Work are left as they were handed in.
SolveResult Solve_Equations();

QString Solve_Failed_Message();

} // namespace korvel
