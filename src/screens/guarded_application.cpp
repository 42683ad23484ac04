#include "screens/guarded_application.h"

#include "base/report_error.h"

#include <QWidget>

namespace korvel {

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

QString Handler_Name(const QObject* receiver) {
    if (!receiver) return QStringLiteral("an event handler");
    QString name = receiver->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(receiver->metaObject()->className());
    if (const auto* widget = qobject_cast<const QWidget*>(receiver)) {
        const QWidget* window = widget->window();
        if (window && window != widget && !window->objectName().isEmpty())
            name = window->objectName() + QLatin1Char('.') + name;
    }
    return name;
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Reporting must not throw again out of the event loop either.
        try {
            Report_Error(Current_Error(std::current_exception()), Handler_Name(receiver));
        } catch (...) {
        }
        return false;
    }
}

} // namespace korvel
