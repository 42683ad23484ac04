#include "text/plain_number.h"

namespace korvel {

namespace {
bool Is_Digit(QChar c) {
    return c >= u'0' && c <= u'9';
}
} // namespace

// A scan rather than a regular expression: compiling one costs more than a whole small
// file takes to read, and korvel-cli pays for it on every start.
bool Is_Plain_Number(QStringView text, QChar decimalMark, QStringView exponentLetters) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    const auto skipDigits = [&] {
        const qsizetype start = i;
        while (i < size && Is_Digit(text[i]))
            ++i;
        return i - start;
    };
    if (i < size && (text[i] == u'+' || text[i] == u'-')) ++i;
    qsizetype digits = skipDigits();
    if (i < size && text[i] == decimalMark) {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) return false;
    if (i < size && exponentLetters.contains(text[i])) {
        ++i;
        if (i < size && (text[i] == u'+' || text[i] == u'-')) ++i;
        if (skipDigits() == 0) return false;
    }
    return i == size;
}

} // namespace korvel
