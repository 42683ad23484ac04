// Keys held with Alt are commands (a button's mnemonic, a menu), never text.
#pragma once

class QKeyEvent;

namespace korvel {

// True for a key press with Alt that a text box would otherwise type as a character: Qt's
// line edit types the letter of an Alt combination that no mnemonic claims.
bool Is_Alt_Typing(const QKeyEvent* event);

} // namespace korvel
