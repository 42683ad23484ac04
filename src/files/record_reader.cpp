#include "files/record_reader.h"

#include "base/runtime_error.h"

#include "text/leading_number.h"
#include "text/plain_number.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace korvel {

namespace {
bool Is_Line_End(QChar c) {
    return c == u'\n' || c == u'\r';
}
bool Is_Blank(QChar c) {
    return c == u' ' || c == u'\t';
}
} // namespace

RecordReader::RecordReader(QString content) : content_(std::move(content)) {}

bool RecordReader::At_End() const {
    for (qsizetype i = pos_; i < content_.size(); ++i)
        if (!Is_Line_End(content_[i]) && !Is_Blank(content_[i])) return false;
    return true;
}

QStringView RecordReader::Next_Field(bool* quoted) {
    const qsizetype size = content_.size();
    ++record_;
    recordLine_ = line_;
    if (pos_ >= size) throw RuntimeError(Err::InputPastEndOfFile);
    while (pos_ < size && Is_Blank(content_[pos_]))
        ++pos_;
    // A quoted record takes its whole line; an unquoted one ends at the first comma, so the
    // scan stops there (scanning the whole line for each record made long lines quadratic).
    const bool isQuoted = pos_ < size && content_[pos_] == u'"';
    qsizetype lineEnd = pos_;
    while (lineEnd < size && !Is_Line_End(content_[lineEnd]) &&
           (isQuoted || content_[lineEnd] != u','))
        ++lineEnd;
    // The next record starts after this line's end (CR LF, LF, or a lone CR).
    auto afterLine = [&](qsizetype end) {
        const qsizetype start = end;
        if (end < size && content_[end] == u'\r') ++end;
        if (end < size && content_[end] == u'\n') ++end;
        if (end > start) ++line_;
        return end;
    };

    QStringView field;
    if (isQuoted) {
        *quoted = true;
        const qsizetype open = pos_;
        qsizetype close = lineEnd - 1;
        while (close > open && content_[close] != u'"')
            --close;
        if (close == open) close = lineEnd; // no closing quote: the rest of the line
        field = QStringView(content_).mid(open + 1, close - open - 1);
        pos_ = afterLine(lineEnd);
        return field;
    }
    *quoted = false;
    field = QStringView(content_).mid(pos_, lineEnd - pos_);
    pos_ = lineEnd < size && content_[lineEnd] == u',' ? lineEnd + 1 : afterLine(lineEnd);
    return field;
}

QString RecordReader::Read_Text() {
    bool quoted = false;
    const QStringView field = Next_Field(&quoted);
    QString text = quoted ? field.toString() : field.trimmed().toString();
    // Line breaks inside a text are stored as LINE SEPARATOR, one record per line.
    text.replace(QChar(0x2028), QChar(u'\n'));
    return text;
}

double RecordReader::Read_Real() {
    bool quoted = false;
    const QString field = Next_Field(&quoted).trimmed().toString();
    if (field.isEmpty()) return 0.0; // an empty field reads as zero
    if (!Is_Plain_Number(field, u'.', u"EeDd")) throw RuntimeError(Err::TypeMismatch);
    // Nearly every field is a plain decimal, which from_chars reads to the same double as
    // strtod (both round correctly) at a third of the cost: a batch reads thousands. A "+",
    // a "D" exponent and a value beyond the float range go the general way.
    const QByteArray digits = field.toLatin1();
    double value = 0;
    const auto [end, error] =
        std::from_chars(digits.constData(), digits.constData() + digits.size(), value);
    if (error == std::errc() && end == digits.constData() + digits.size()) return value;
    return Leading_Number(field); // beyond the float range: overflow
}

int16_t RecordReader::Read_Integer() {
    const double value = Read_Real();
    const double whole = std::nearbyint(value); // halves to even
    if (whole < -32768.0 || whole > 32767.0) throw RuntimeError(Err::Overflow);
    return static_cast<int16_t>(whole);
}

} // namespace korvel
