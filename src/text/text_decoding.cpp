#include "text/text_decoding.h"

#include <QStringDecoder>

namespace korvel {

QString Decode_Windows_1252(const QByteArray& bytes) {
    // 0x80..0x9F differ from Latin-1; the five undefined positions keep their code.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += (b >= 0x80 && b <= 0x9F) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return text;
}

QString Decode_File_Text(const QByteArray& bytes) {
    // Excel's "Unicode Text" and Notepad's "Unicode": UTF-16 after its byte-order mark.
    const bool littleEndian = bytes.startsWith("\xFF\xFE"),
               bigEndian = bytes.startsWith("\xFE\xFF");
    if (littleEndian || bigEndian) {
        QStringDecoder utf16(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                             QStringDecoder::Flag::Stateless);
        return utf16.decode(QByteArrayView(bytes).sliced(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return Decode_Windows_1252(bytes);
}

} // namespace korvel
