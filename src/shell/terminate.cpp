#include "shell/terminate.h"

#include "shell/report_error.h"

#include <QCoreApplication>

namespace korvel {

namespace {
bool g_ending = false;
std::function<void()> g_ender;

void End_Program() {
    g_ending = true;
    if (g_ender) {
        g_ender();
        return;
    }
    // Leaves every running event loop, the modal ones included.
    QCoreApplication::exit(0);
}
} // namespace

bool Program_Ending() { return g_ending; }

void Set_Program_Ender(std::function<void()> ender) {
    g_ender = std::move(ender);
    g_ending = false;
}

void Terminate() {
    With_Handler(QStringLiteral("Terminate"), [] {
        // The run-check file's "Normal Exit" is written here once the run check exists.
    });
    End_Program();
}

} // namespace korvel
