#include "text/leading_number.h"

#include "base/runtime_error.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace korvel {

namespace {

bool Is_Ignored(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// The text without the characters the reading ignores, as far as it can matter: only
// ASCII takes part in a number, so the first other character ends it.
std::string Significant_Ascii(const QString& text) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        if (Is_Ignored(c)) continue;
        if (c.unicode() > 0x7E || c.unicode() < 0x20) break;
        out += static_cast<char>(c.unicode());
    }
    return out;
}

bool Is_Digit(char c) {
    return c >= '0' && c <= '9';
}

int Digit_Value(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// "&H" / "&O": up to 16 bits reads as a 16-bit integer, up to 32 bits as a 32-bit one
// (so &HFFFF is -1, &H10000 is 65536 and &HFFFFFFFF is -1); more is an overflow.
double Radix_Integer(const std::string& s, size_t pos, size_t end, int base) {
    uint64_t value = 0;
    for (; pos < end; ++pos) {
        value =
            value * static_cast<uint64_t>(base) + static_cast<uint64_t>(Digit_Value(s[pos], base));
        if (value > 0xFFFFFFFFull) throw RuntimeError(Err::Overflow);
    }
    if (value <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(value));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

double Parse_C_Locale(const std::string& number) {
    static locale_t c_locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number.c_str(), nullptr, c_locale);
}

// The leading number of the significant text: how many characters it takes (0 when the
// text does not begin with one), its base, and for a decimal the text strtod reads.
struct LeadingScan {
    size_t length = 0;
    int base = 10;
    std::string decimal;
};

LeadingScan Scan_Leading(const std::string& s) {
    LeadingScan scan;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') scan.base = 16;
        if (s[1] == 'O' || s[1] == 'o') scan.base = 8;
        if (scan.base == 10) return scan; // "&" of no known base reads as 0
        size_t end = 2;
        while (end < s.size() && Digit_Value(s[end], scan.base) >= 0)
            ++end;
        scan.length = end;
        return scan;
    }

    // The longest leading decimal number: [sign] digits [. digits] [E|D [sign] digits]
    size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    bool anyDigit = false;
    while (i < s.size() && Is_Digit(s[i])) {
        number += s[i++];
        anyDigit = true;
    }
    if (i < s.size() && s[i] == '.') {
        number += s[i++];
        while (i < s.size() && Is_Digit(s[i])) {
            number += s[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return scan;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
        bool expDigit = false;
        while (j < s.size() && Is_Digit(s[j])) {
            exponent += s[j++];
            expDigit = true;
        }
        if (expDigit) {
            number += exponent;
            i = j;
        }
    }
    scan.length = i;
    scan.decimal = number;
    return scan;
}

} // namespace

double Leading_Number(const QString& text) {
    const std::string s = Significant_Ascii(text);
    const LeadingScan scan = Scan_Leading(s);
    if (scan.length == 0) return 0.0;
    if (scan.base != 10) return Radix_Integer(s, 2, scan.length, scan.base);
    const double value = Parse_C_Locale(scan.decimal);
    if (std::isinf(value)) throw RuntimeError(Err::Overflow);
    return value;
}

QString Unread_Text(const QString& text) {
    size_t number_left = Scan_Leading(Significant_Ascii(text)).length;
    qsizetype at = 0;
    for (; at < text.size() && number_left > 0; ++at)
        if (!Is_Ignored(text[at])) --number_left;
    QString rest = text.mid(at);
    rest.remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    return rest.trimmed();
}

} // namespace korvel
