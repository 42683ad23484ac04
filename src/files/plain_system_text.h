// The commonest system text read fast: plain ASCII numbers separated by commas or by
// blanks, as numpy, Octave and most scripts write them. A batch of a thousand such files
// spent half its time in the general reading (text decoded, split into strings, each
// checked); this one reads the bytes where they lie.
#pragma once

#include "files/system_import.h"

#include <QByteArrayView>

#include <optional>

namespace korvel {

// The system, exactly as Parse_System_Text reads the same text, when the bytes are nothing
// but such a system: n rows of n + 1 numbers (2 <= n <= 16) in the strict form, with blank
// lines between them at most. Empty for anything else (a tab, a semicolon, a quote, a note,
// a name, a byte beyond ASCII, a cell that is not such a number or out of range, a wrong
// count): the general reading then reads it, or says what is wrong with it.
std::optional<ImportedSystem> Read_Plain_System(QByteArrayView bytes);

} // namespace korvel
