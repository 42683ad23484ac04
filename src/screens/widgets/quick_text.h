// Texts laid out once, for boxes that paint themselves: a grid shows few distinct texts
// (a solve writes 0 and 1 into all of it), so a layout is made once and shared.
#pragma once

#include <QStaticText>

class QFont;

namespace korvel {

// Whether every character is printable ASCII whose glyph stays within the font's ascent
// and descent, with a pixel to spare for rounding: for such a text a line edit centres
// its line on the font's height.
bool Plain_Ascii_Within_Line(const QString& text, const QFont& font);

// The text laid out in the font, ready to draw.
QStaticText Laid_Out(const QString& text, const QFont& font);

} // namespace korvel
