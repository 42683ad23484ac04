#include "session/terminate.h"

#include "base/report_error.h"
#include "session/run_check.h"

#include <utility>

namespace korvel {

namespace {
bool g_ending = false;
std::function<void()> g_ender;
} // namespace

void End_Program() {
    g_ending = true;
    Set_Nobody_Answers(true); // a box shown now would close at once, unread
    if (g_ender) g_ender();
}

bool Program_Ending() {
    return g_ending;
}

void Set_Program_Ender(std::function<void()> ender) {
    g_ender = std::move(ender);
    g_ending = false;
    Set_Nobody_Answers(false);
}

void Terminate() {
    With_Handler(QStringLiteral("Terminate"), [] { Write_Normal_Exit(); });
    End_Program();
}

} // namespace korvel
