// Twips (1440 per logical inch) to and from the pixels of the screen a window is on.
#pragma once

#include "session/placement.h"

class QWidget;
class QScreen;

namespace korvel {

double Twips_Per_Pixel(const QScreen* screen);
double Twips_Per_Pixel(const QWidget* widget);

// The available area of the screen the widget is on (the primary one before it is shown).
ScreenTwips Screen_Twips(const QWidget* widget);

int Twips_To_Pixels(double twips, const QWidget* widget);

// A child control at its design place, in twips relative to its parent. The design place
// is remembered so that Rescale_Twips_Children can shrink the layout to a smaller window.
void Place_Twips(QWidget* child, int left, int top, int width, int height);

// Places every control that Place_Twips placed under form at scale × its design place.
void Rescale_Twips_Children(QWidget* form, double scale);

// A top-level window at a place and size in twips.
void Set_Window_Twips(QWidget* form, const TwipsRect& rect);
TwipsRect Window_Twips(const QWidget* form);

} // namespace korvel
