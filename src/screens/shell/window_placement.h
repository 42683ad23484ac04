// Sizing and placing the screens: standard size, maximised, centred.
#pragma once

#include <cstdint>

class QWidget;

namespace korvel {

void Maximize_Screen(QWidget* form, int32_t designHeight, int32_t designWidth);
void Reset_Screen(QWidget* form, int32_t designHeight, int32_t designWidth);
void Centerform(QWidget* form);

// A screen coming up: maximised when the user chose the full screen size, else standard.
void Place_By_Screen_Size(QWidget* form, int32_t designHeight, int32_t designWidth);

// Title, disclaimer and user screens: shrink to the display when it is too small, else
// place at the standard (or, where maximised is allowed, the maximised) size.
void Apply_Small_Screen_Rule(QWidget* form, bool allowMaximize);

// The home screen just loaded: design size, centred both ways, Home_ globals set.
void Place_Loaded_Home_Screen(QWidget* home);

} // namespace korvel
