// The equation set as it stands, kept whole so that an action that changes many values at
// once can be taken back.
#pragma once

#include "model/mod_matrix.h"

#include <QString>

#include <cstdint>

namespace korvel {

struct ModelSnapshot {
    int16_t numEquations = 2;
    double a[Array_Size][Array_Size] = {};
    double c[Array_Size] = {};
    double x[Array_Size] = {};
    QString names[Array_Size];
    bool solved = false;
    bool dataSaved = false;

    bool operator==(const ModelSnapshot&) const = default;
};

ModelSnapshot Take_Model_Snapshot();

// Puts the snapshot back into the model, Last_Index with the count. The working copies
// follow the constants, as after reading them from the screen.
void Restore_Model_Snapshot(const ModelSnapshot& snapshot);

} // namespace korvel
