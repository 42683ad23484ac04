// The shortest decimal text of a 64-bit float that reads back to the same value: what goes
// to the clipboard and to korvel-cli's output, where nothing may be lost.
#pragma once

#include <QString>

#include <string>

namespace korvel {

// "1", "0.1", "-2.5", "1e+300": invariant, "." as the decimal point.
QString Shortest_Text(double value);

// The same text appended to out, for output made by the thousand lines.
void Append_Shortest_Text(std::string& out, double value);

} // namespace korvel
