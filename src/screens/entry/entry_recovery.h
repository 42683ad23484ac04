// Keeping the entry screen's work in the recovery file while it is typed: a second after
// the last change, the boxes as they stand (typed text read as Solve reads it, the solved
// view as the model holds it) are written there, so a crash or kill -9 loses at most that
// second. A termination signal writes them at once, through the same source.
#pragma once

#include <QObject>
#include <QTimer>

namespace korvel {

class frm_Matrix;

class EntryRecovery : public QObject {
    Q_OBJECT
  public:
    explicit EntryRecovery(frm_Matrix* screen);
    ~EntryRecovery() override;

    // The user changed something on the screen; the recovery file follows shortly.
    void Changed();

  private:
    QTimer timer_;
};

} // namespace korvel
