// The model file (.kvl): one value per line, CR LF line ends, UTF-8.
//
//   "KORVEL" / "9.0" / model name / project identification / design number / date / time /
//   N / for each row i: A(i,1..N), C(i), name of unknown i / ten empty texts
//
// Older files have two other header lines and no empty tail.
#pragma once

#include "base/outcome.h"
#include "files/read_result.h"

#include <QByteArray>
#include <QString>

class QSaveFile;

namespace korvel {

class RecordReader;

// Record forms: a text in double quotes (line breaks stored as LINE SEPARATOR so a record
// stays on one line), a real in invariant 15-digit form, an integer in plain digits.
QString Text_Record(const QString& text);
QString Real_Record(double value);

// The whole file for the current model.
QByteArray Model_File_Content();

// Writes the model into an opened save file and commits it. Shows nothing: the result is
// written, or the error ("Writefile") that stopped it.
WriteResult Writefile(QSaveFile& file);

// Reads a model file's content into the model: checks the header, refuses a file of
// another version, reads current and older layouts and repaints the entry screen. The
// model is cleared only once the header is accepted. Shows nothing: the result is read
// complete, refused, or the error ("Readfile", "Read_Matrix", "Read Oldfile") and its
// record; after an error in the body, what was read before it stays in the model. The
// error's description ends with where it happened: source (the file, for a reader) and
// the line, and the record where a comma put several on one line.
ReadResult Readfile(const QByteArray& content, const QString& source = {});
ReadResult Read_Matrix(RecordReader& in);
ReadResult Read_Oldfile(RecordReader& in);

QString Incompatible_File_Message();

} // namespace korvel
