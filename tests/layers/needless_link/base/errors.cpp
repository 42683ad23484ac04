#include "base/errors.h"
int Error_Code() {
    return 5;
}
