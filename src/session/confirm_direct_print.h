#pragma once

namespace korvel {

// Asks whether to print a screen directly (a copy through the clipboard prints better).
// True when the user answers Yes.
bool Confirm_Direct_Print();

} // namespace korvel
