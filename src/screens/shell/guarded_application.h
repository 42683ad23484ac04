// The application object of the program: no exception ever leaves an event handler.
#pragma once

#include <QApplication>

namespace korvel {

class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv);

    // Delivers the event; should a handler ever let an exception out, it is reported
    // (Report_Error, with the handler's name where it is known) and the program goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace korvel
