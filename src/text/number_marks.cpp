#include "text/number_marks.h"

#include "text/plain_number.h"

namespace korvel {

namespace {

constexpr char16_t Minus_Sign = 0x2212;

bool Is_Digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool Is_Number_In_Any_Reading(QStringView text) {
    return Is_Plain_Number(text, u'.', u"eE") || Is_Comma_Decimal(text) || Point_Groups(text) > 0;
}

} // namespace

// A scan, as Is_Plain_Number is, for korvel-cli's start-up time.
int Point_Groups(QStringView text) {
    const qsizetype size = text.size();
    qsizetype i = 0;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) ++i;
    // One to three digits lead, the first not 0: "0.500" is a fraction in every locale.
    const qsizetype lead = i;
    while (i < size && Is_Digit(text[i]) && i - lead < 4)
        ++i;
    if (i == lead || i - lead > 3 || text[lead] == u'0') return 0;
    int groups = 0;
    while (i < size) {
        if (text[i] != u'.' || size - i < 4) return 0;
        for (qsizetype k = 1; k <= 3; ++k)
            if (!Is_Digit(text[i + k])) return 0;
        i += 4;
        ++groups;
    }
    return groups;
}

bool Is_Comma_Decimal(QStringView text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0) return false;
    if (Is_Plain_Number(text, u',', u"eE")) return true;
    // "1.234,5": whole digits grouped by points, then the comma and its digits.
    return Point_Groups(text.first(comma)) > 0 && Is_Plain_Number(text.sliced(comma), u',', u"eE");
}

QString With_Ascii_Minus(const QString& cell) {
    if (!cell.contains(QChar(Minus_Sign))) return cell;
    QString ascii = cell;
    ascii.replace(QChar(Minus_Sign), QLatin1Char('-'));
    return Is_Number_In_Any_Reading(QStringView(ascii).trimmed()) ? ascii : cell;
}

} // namespace korvel
