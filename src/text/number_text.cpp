#include "text/number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace korvel {

Decimal15 To_Decimal15(double value) {
    Decimal15 d;
    if (value == 0.0 || !std::isfinite(value)) return d;
    char buffer[40];
    // "%.14e" gives the value correctly rounded to 15 significant digits: d.ddddE±x.
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    std::string digits;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9') digits += *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (!digits.empty() && digits.back() == '0')
        digits.pop_back();
    d.digits = digits;
    d.pointPos = exponent + 1;
    return d;
}

namespace {
std::string Exponent_Form(const Decimal15& d) {
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) text += '.' + d.digits.substr(1);
    const int exponent = d.pointPos - 1;
    char tail[16];
    std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    return text + tail;
}

std::string Fixed_Form(const Decimal15& d) {
    const int count = static_cast<int>(d.digits.size());
    if (d.pointPos <= 0) return '.' + std::string(-d.pointPos, '0') + d.digits;
    if (d.pointPos >= count) return d.digits + std::string(d.pointPos - count, '0');
    return d.digits.substr(0, d.pointPos) + '.' + d.digits.substr(d.pointPos);
}
} // namespace

QString Number_Digits(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    const Decimal15 d = To_Decimal15(value);
    if (d.digits.empty()) return QStringLiteral("0");
    const int exponent = d.pointPos - 1;
    const std::string body = (exponent >= 15 || exponent < -4) ? Exponent_Form(d) : Fixed_Form(d);
    return QString::fromLatin1((d.negative ? "-" : "") + body);
}

QString Number_Text(double value) {
    const QString digits = Number_Digits(value);
    return digits.startsWith(QLatin1Char('-')) ? digits : QLatin1Char(' ') + digits;
}

QString Report_Number_Text(double value, const QLocale& locale) {
    QString text = Number_Text(value);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text + QLatin1Char(' ');
}

} // namespace korvel
