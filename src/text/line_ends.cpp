#include "text/line_ends.h"

namespace korvel {

QString Lf_Lines(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

} // namespace korvel
