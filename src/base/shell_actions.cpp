#include "base/shell_actions.h"

namespace korvel {

namespace {
ShellActions* g_actions = nullptr;
}

void Set_Shell_Actions(ShellActions* actions) {
    g_actions = actions;
}
ShellActions* Shell_Actions() {
    return g_actions;
}

HourglassGuard::HourglassGuard() {
    if (g_actions) g_actions->Set_Hourglass();
}

HourglassGuard::~HourglassGuard() {
    if (g_actions) g_actions->Reset_Pointer();
}

} // namespace korvel
