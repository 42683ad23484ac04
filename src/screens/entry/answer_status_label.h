// The entry screen's status line under the equations: what the last answer is worth, with
// a link to the details. Empty (and silent) until a Solve.
#pragma once

#include "reports/answer_status.h"

#include <QLabel>

namespace korvel {

class AnswerStatusLabel : public QLabel {
    Q_OBJECT
  public:
    explicit AnswerStatusLabel(QWidget* parent = nullptr);

    void Show_Status(const AnswerStatus& status);
    void Clear_Status();
    // The status as plain words, as a screen reader gives it ("" when clear).
    QString Status_Text() const { return plain_; }
    bool Is_Warning() const { return warning_; }

  signals:
    void detailsRequested();

  private:
    QString plain_;
    bool warning_ = false;
};

} // namespace korvel
