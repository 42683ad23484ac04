// The application object of the program: no exception ever leaves an event handler.
#pragma once

#include <QApplication>

namespace korvel {

class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv);

    // Delivers the event; anything thrown by the handler is reported (Report_Error, with
    // the handler's name where it is known) and the program goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

// The name a report gives to the handler of an event sent to receiver: its window's
// and its own object names ("frm_Matrix.cmd_Solve"), or the class name when unnamed.
QString Handler_Name(const QObject* receiver);

} // namespace korvel
