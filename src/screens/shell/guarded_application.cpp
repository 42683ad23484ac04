#include "screens/shell/guarded_application.h"

#include "screens/shell/guarded_slot.h"

namespace korvel {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    // The last resort only: handlers catch what they throw themselves (Connect_Guarded,
    // Run_Guarded), since an exception must not unwind through Qt's event delivery.
    Run_Guarded(receiver, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace korvel
