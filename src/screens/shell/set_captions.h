#pragma once

namespace korvel {

// Loads every screen that is not loaded yet (hidden) and gives it its caption:
// Title_Caption, followed on the main screens by the screen's name.
void Set_Captions();

} // namespace korvel
