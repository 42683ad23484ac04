// Text of model files: UTF-8, or Windows-1252 for files written by Windows programs in
// their ANSI code page.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvel {

// Valid UTF-8 (a byte-order mark is dropped) is read as UTF-8, anything else as
// Windows-1252.
QString Decode_File_Text(const QByteArray& bytes);

QString Decode_Windows_1252(const QByteArray& bytes);

} // namespace korvel
