#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace korvel {

// A centred, word-wrapped label in the screen's font scaled by scale (title and About).
QLabel* Centred_Label(const char* name, const QString& text, double scale, bool bold,
                      QWidget* parent);

} // namespace korvel
