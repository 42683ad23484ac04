// Screens that a click anywhere on them dismisses (About, Disclaimer): one mouse click on
// any of the given controls runs the screen's command once.
#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QWidget;

namespace korvel {

class ClickCommand : public QObject {
  public:
    ClickCommand(std::function<void()> command, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> command_;
};

// Runs command when any of controls is clicked with the left button. The filter belongs to
// owner (the screen).
void Run_On_Click(QWidget* owner, const QList<QWidget*>& controls, std::function<void()> command);

} // namespace korvel
