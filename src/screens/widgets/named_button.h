// A push button with the object name the program refers to it by and the name a screen
// reader announces.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace korvel {

QPushButton* Named_Button(QWidget* parent, const char* name, const QString& caption,
                          const QString& accessibleName);

} // namespace korvel
