#include "text/rounding.h"

#include "base/report_error.h"
#include "text/number_text.h"

#include <cmath>
#include <string>

namespace korvel {

std::optional<double> FNRound(double value, int16_t n) {
    static const double scale[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0};
    const double factor = (n >= 0 && n <= 5) ? scale[n] : 1000000.0;
    std::optional<double> result;
    With_Handler(QStringLiteral("FNRound"), [&] {
        if (!std::isfinite(value)) throw RuntimeError(Err::Overflow);
        const double scaled = (n == 0) ? value : value * factor;
        if (!std::isfinite(scaled)) throw RuntimeError(Err::Overflow);
        const double rounded = std::floor(scaled + 0.5);
        result = (n == 0) ? rounded : rounded / factor;
    });
    return result;
}

namespace {

struct FixedDigits {
    bool negative = false;
    std::string integer;  // at least "0"
    std::string fraction; // exactly the requested count of decimals
};

// The 15-significant-digit decimal of value, rounded half away from zero to decimals.
FixedDigits Round_Fixed(double value, int decimals) {
    const Decimal15 d = To_Decimal15(value);
    std::string s;
    int intLen;
    if (d.digits.empty()) {
        s = "0";
        intLen = 1;
    } else if (d.pointPos <= 0) {
        s.assign(static_cast<size_t>(1 - d.pointPos), '0');
        s += d.digits;
        intLen = 1;
    } else {
        s = d.digits;
        if (static_cast<int>(s.size()) < d.pointPos) s.append(d.pointPos - s.size(), '0');
        intLen = d.pointPos;
    }
    if (static_cast<int>(s.size()) < intLen + decimals + 1)
        s.append(intLen + decimals + 1 - s.size(), '0');
    const bool roundUp = s[intLen + decimals] >= '5';
    s.resize(intLen + decimals);
    if (roundUp) {
        int i = static_cast<int>(s.size()) - 1;
        while (i >= 0 && s[i] == '9')
            s[i--] = '0';
        if (i >= 0)
            ++s[i];
        else {
            s.insert(s.begin(), '1');
            ++intLen;
        }
    }
    FixedDigits out;
    out.integer = s.substr(0, intLen);
    out.fraction = s.substr(intLen);
    const size_t firstNonZero = out.integer.find_first_not_of('0');
    out.integer = firstNonZero == std::string::npos ? "0" : out.integer.substr(firstNonZero);
    const bool allZero =
        out.integer == "0" && out.fraction.find_first_not_of('0') == std::string::npos;
    out.negative = d.negative && !allZero;
    return out;
}

QString Grouped(const std::string& integer, const QString& separator) {
    QString out;
    const int count = static_cast<int>(integer.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) out += separator;
        out += QLatin1Char(integer[i]);
    }
    return out;
}

// "0.00E+#": two decimals in the mantissa, the exponent with its sign and no padding.
QString Scientific(double value, const QLocale& locale) {
    const Decimal15 d = To_Decimal15(value);
    if (d.digits.empty())
        return QStringLiteral("0") + locale.decimalPoint() + QStringLiteral("00E+0");
    int exponent = d.pointPos - 1;
    // Round the mantissa d.ddd... to three significant digits, half away from zero.
    std::string m = d.digits;
    if (m.size() < 4) m.append(4 - m.size(), '0');
    const bool roundUp = m[3] >= '5';
    m.resize(3);
    if (roundUp) {
        int i = 2;
        while (i >= 0 && m[i] == '9')
            m[i--] = '0';
        if (i >= 0)
            ++m[i];
        else {
            m = "100";
            ++exponent;
        }
    }
    QString text = d.negative ? QStringLiteral("-") : QString();
    text += QLatin1Char(m[0]) + locale.decimalPoint() + QString::fromLatin1(m.substr(1));
    text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
    text += QString::number(std::abs(exponent));
    return text;
}

} // namespace

QString FNRoundStr(double value, int16_t n, const QLocale& locale) {
    QString result;
    With_Handler(QStringLiteral("FNRoundStr"), [&] {
        if (!std::isfinite(value)) throw RuntimeError(Err::Overflow);
        if (n < 0) {
            result = Scientific(value, locale);
            return;
        }
        const int decimals = n >= 5 ? 6 : n;
        const FixedDigits f = Round_Fixed(value, decimals);
        QString text = f.negative ? QStringLiteral("-") : QString();
        text += Grouped(f.integer, locale.groupSeparator());
        text += locale.decimalPoint();
        if (n >= 5)
            text += QString::fromLatin1(f.fraction.substr(0, 3)) + QLatin1Char(' ') +
                    QString::fromLatin1(f.fraction.substr(3));
        else
            text += QString::fromLatin1(f.fraction);
        result = text;
    });
    return result;
}

} // namespace korvel
