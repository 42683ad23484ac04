#include "platform/registry.h"
#include "base/errors.h"
int Read_Key() {
    return Error_Code();
}
