// Text of model and system files: UTF-8, UTF-16 with a byte-order mark, or Windows-1252
// for files written by Windows programs in their ANSI code page.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvel {

// Bytes that begin with a UTF-16 byte-order mark (FF FE little-endian, FE FF big-endian)
// are read as UTF-16 without it; valid UTF-8 (a byte-order mark is dropped) as UTF-8;
// anything else as Windows-1252.
QString Decode_File_Text(const QByteArray& bytes);

QString Decode_Windows_1252(const QByteArray& bytes);

} // namespace korvel
