// File names as the system stores them: bytes, which on Linux need not be UTF-8 (a name
// made on an older system in Latin-1, say). Qt reads such a name as U+FFFD and writes
// that back, so a name that is not UTF-8 would open or create another file. Here each
// byte that is not part of valid UTF-8 is kept as a lone low surrogate U+DC80..U+DCFF,
// which no decoded text can hold, so the bytes come back unchanged.
#pragma once

#include <QByteArray>
#include <QString>

namespace korvel {

// The name for the bytes; valid UTF-8 decodes as usual.
QString Decode_File_Name(const QByteArray& bytes);

// The bytes of a name made by Decode_File_Name (or any other text): the same bytes back.
QByteArray Encode_File_Name(const QString& name);

// True when the name holds bytes that are not UTF-8: Qt's file classes cannot open it.
bool Needs_Raw_Bytes(const QString& name);

// The name for a message: each byte that is not UTF-8 shown as \xFE, separators native.
QString Readable_File_Name(const QString& name);

// The name made absolute against the current folder (whose own name may not be UTF-8
// either) and cleaned of "." and ".." steps.
QString Absolute_File_Name(const QString& name);

} // namespace korvel
