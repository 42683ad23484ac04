#include "model/solver.h"
#include "base/errors.h"
double Solve() {
    return Error_Code();
}
