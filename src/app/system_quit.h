// Ending the program when the system asks: SIGTERM (logout, shutdown), SIGHUP, SIGINT and
// the session manager's quit request all go through the orderly way out, so the next
// start reports no crash and an unsaved solved model is kept for it.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace korvel {

class SystemQuitWatcher : public QObject {
  public:
    // Installs the signal handlers; one watcher per program, made after the application.
    SystemQuitWatcher();
    ~SystemQuitWatcher() override;

  private:
    void Signal_Arrived();
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace korvel
