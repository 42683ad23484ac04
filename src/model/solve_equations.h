#pragma once

#include <QString>

namespace korvel {

// Solves the model: A_Matrix with the working constants C_Work (which must equal
// C_Vector). On success X_Vector holds the solution and Solved is true; on failure the
// user is told, and either way A_Matrix and C_Work are left as they were handed in.
void Solve_Equations();

QString Solve_Failed_Message();

} // namespace korvel
