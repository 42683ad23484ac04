// File names kept as bytes: every byte string comes back; bytes not UTF-8 are shown escaped.
#include "base/file_names.h"

#include <gtest/gtest.h>

using namespace korvel;

TEST(FileNames, EveryByteStringComesBackUnchanged) {
    const struct {
        QByteArray bytes;
        QString shown; // empty: valid UTF-8, shown as decoded
    } cases[] = {
        {"L\xC3\xA4nge \xE2\x82\xAC\xF0\x9F\x98\x80 \xEF\xBF\xBD", {}},
        {"cut \xC3, \xE2\x82, \xC0\xAF\xE0\x80\xAF",
         QStringLiteral("cut \\xC3, \\xE2\\x82, \\xC0\\xAF\\xE0\\x80\\xAF")},
        {"\xED\xB2\x80\xF4\x90\x80\x80", QStringLiteral("\\xED\\xB2\\x80\\xF4\\x90\\x80\\x80")},
    };
    for (const auto& c : cases) {
        const QString name = Decode_File_Name(c.bytes);
        EXPECT_EQ(Encode_File_Name(name), c.bytes);
        EXPECT_EQ(Needs_Raw_Bytes(name), !c.shown.isEmpty());
        EXPECT_EQ(Readable_File_Name(name),
                  c.shown.isEmpty() ? QString::fromUtf8(c.bytes) : c.shown);
    }
    for (int pair = 1; pair < 0x10000; ++pair) {
        const QByteArray bytes{char(pair >> 8), char(pair & 0xFF)};
        ASSERT_EQ(Encode_File_Name(Decode_File_Name(bytes)), bytes) << bytes.toHex().constData();
    }
}
