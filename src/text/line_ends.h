// Line ends of the program's texts: messages are joined with CR (13), files use CR LF.
#pragma once

#include <QString>

namespace korvel {

// The text with CR LF and lone CR line ends turned into LF, as screens and terminals show.
QString Lf_Lines(const QString& text);

} // namespace korvel
