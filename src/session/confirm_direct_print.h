#pragma once

namespace korvel {

// Asks whether to print a screen directly (a copy through the clipboard prints better).
// True when the user answers Yes.
bool Confirm_Direct_Print();

// The Copy buttons' hint: which keys copy a screen to the clipboard.
void Show_Copy_Screen_Hint();

} // namespace korvel
