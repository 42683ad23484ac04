#include "base/file_names.h"

#include <QDir>

#include <climits>

#include <unistd.h>

namespace korvel {

namespace {

constexpr char16_t Escape_Base = 0xDC00; // + a byte of 0x80..0xFF

bool Is_Escaped(QChar c) {
    return c.unicode() >= Escape_Base + 0x80 && c.unicode() <= Escape_Base + 0xFF;
}

bool Is_Continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence that starts at bytes[at], or 0 when it is not one
// (a stray byte, a cut sequence, an overlong form, a surrogate, beyond U+10FFFF).
qsizetype Sequence_Length(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xBF; // the range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;  // overlong
        if (lead == 0xED) high = 0x9F; // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;  // overlong
        if (lead == 0xF4) high = 0x8F; // beyond U+10FFFF
    } else {
        return 0;
    }
    if (at + length > bytes.size()) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (!Is_Continuation(byte(i))) return 0;
    return length;
}

} // namespace

QString Decode_File_Name(const QByteArray& bytes) {
    QString name;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = Sequence_Length(bytes, at);
        if (length == 0) {
            name += QChar(Escape_Base + static_cast<unsigned char>(bytes[at]));
            ++at;
            continue;
        }
        // The longest valid run at once, decoded by Qt.
        qsizetype end = at + length;
        while (end < bytes.size()) {
            const qsizetype next = Sequence_Length(bytes, end);
            if (next == 0) break;
            end += next;
        }
        name += QString::fromUtf8(bytes.constData() + at, end - at);
        at = end;
    }
    return name;
}

QByteArray Encode_File_Name(const QString& name) {
    if (!Needs_Raw_Bytes(name)) return name.toUtf8();
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        if (i < name.size() && !Is_Escaped(name[i])) continue;
        bytes += QStringView(name).mid(start, i - start).toUtf8();
        if (i < name.size()) bytes += static_cast<char>(name[i].unicode() - Escape_Base);
        start = i + 1;
    }
    return bytes;
}

bool Needs_Raw_Bytes(const QString& name) {
    for (const QChar c : name)
        if (Is_Escaped(c)) return true;
    return false;
}

QString Readable_File_Name(const QString& name) {
    QString shown;
    for (const QChar c : QDir::toNativeSeparators(name)) {
        if (Is_Escaped(c))
            shown +=
                QStringLiteral("\\x") + QString::number(c.unicode() - Escape_Base, 16).toUpper();
        else
            shown += c;
    }
    return shown;
}

QString Absolute_File_Name(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('/'))) return QDir::cleanPath(name);
    char folder[PATH_MAX];
    if (::getcwd(folder, sizeof folder) == nullptr) return QDir::cleanPath(name);
    return QDir::cleanPath(Decode_File_Name(QByteArray(folder)) + QLatin1Char('/') + name);
}

} // namespace korvel
