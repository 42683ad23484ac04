// A font small enough for a text to fit a width: numbers are shown whole, never cut, since
// the part of a number that shows reads as another number.
#pragma once

#include <QFont>
#include <QString>

namespace korvel {

// The given font when the text fits in room pixels, else the same font made smaller until
// it does (down to one pixel).
QFont Font_To_Fit(const QFont& font, const QString& text, qreal room);

} // namespace korvel
