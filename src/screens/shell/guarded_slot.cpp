#include "screens/shell/guarded_slot.h"

#include "base/report_error.h"

#include <QWidget>

namespace korvel {

QString Handler_Name(const QObject* source) {
    if (!source) return QStringLiteral("an event handler");
    QString name = source->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(source->metaObject()->className());
    if (const auto* widget = qobject_cast<const QWidget*>(source)) {
        const QWidget* window = widget->window();
        if (window && window != widget && !window->objectName().isEmpty())
            name = window->objectName() + QLatin1Char('.') + name;
    }
    return name;
}

bool Run_Guarded(const QObject* source, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (...) {
        // Reporting must not throw on into the event loop either.
        try {
            Report_Error(Current_Error(std::current_exception()), Handler_Name(source));
        } catch (...) {
        }
        return false;
    }
}

} // namespace korvel
