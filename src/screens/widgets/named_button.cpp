#include "screens/widgets/named_button.h"

#include <QPushButton>

namespace korvel {

QPushButton* Named_Button(QWidget* parent, const char* name, const QString& caption,
                          const QString& accessibleName) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    return button;
}

} // namespace korvel
