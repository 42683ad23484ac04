#include "model/model_snapshot.h"

#include <algorithm>

namespace korvel {

ModelSnapshot Take_Model_Snapshot() {
    ModelSnapshot snapshot;
    snapshot.numEquations = Num_Equations;
    for (int i = 0; i < Array_Size; ++i) {
        std::copy(std::begin(A_Matrix[i]), std::end(A_Matrix[i]), std::begin(snapshot.a[i]));
        snapshot.c[i] = C_Vector[i];
        snapshot.x[i] = X_Vector[i];
        snapshot.names[i] = Var_Name[i];
    }
    snapshot.solved = Solved;
    snapshot.dataSaved = Data_Saved;
    return snapshot;
}

void Restore_Model_Snapshot(const ModelSnapshot& snapshot) {
    Num_Equations = snapshot.numEquations;
    Last_Index = static_cast<int16_t>(snapshot.numEquations - 1);
    for (int i = 0; i < Array_Size; ++i) {
        std::copy(std::begin(snapshot.a[i]), std::end(snapshot.a[i]), std::begin(A_Matrix[i]));
        C_Vector[i] = snapshot.c[i];
        C_Work[i] = snapshot.c[i];
        X_Vector[i] = snapshot.x[i];
        Var_Name[i] = snapshot.names[i];
    }
    Solved = snapshot.solved;
    Data_Saved = snapshot.dataSaved;
}

} // namespace korvel
