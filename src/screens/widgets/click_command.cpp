#include "screens/widgets/click_command.h"

#include "screens/shell/guarded_slot.h"

#include <QMouseEvent>
#include <QWidget>

namespace korvel {

ClickCommand::ClickCommand(std::function<void()> command, QObject* parent)
    : QObject(parent), command_(std::move(command)) {}

bool ClickCommand::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // Taken here, so the click does not reach the parent control and run twice.
        Run_Guarded(watched, command_);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Run_On_Click(QWidget* owner, const QList<QWidget*>& controls, std::function<void()> command) {
    auto* filter = new ClickCommand(std::move(command), owner);
    for (QWidget* control : controls)
        control->installEventFilter(filter);
}

} // namespace korvel
