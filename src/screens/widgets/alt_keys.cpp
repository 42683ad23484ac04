#include "screens/widgets/alt_keys.h"

#include <QKeyEvent>

namespace korvel {

bool Is_Alt_Typing(const QKeyEvent* event) {
    const QString text = event->text();
    return event->modifiers().testFlag(Qt::AltModifier) && !text.isEmpty() && text.at(0).isPrint();
}

} // namespace korvel
