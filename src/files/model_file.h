// The model file (.kvl): one value per line, CR LF line ends, UTF-8.
//
//   "KORVEL" / "9.0" / model name / project identification / design number / date / time /
//   N / for each row i: A(i,1..N), C(i), name of unknown i / ten empty texts
//
// Older files have two other header lines and no empty tail.
#pragma once

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

// Writes the model into an opened save file and commits it, then tells the user where it
// went. Errors are reported ("Writefile"); returns true when the file is complete.
bool Writefile(QSaveFile& file);

// Reads a model file's content into the model: checks the header, refuses a file of
// another version, reads current and older layouts, repaints the entry screen, and (after
// start-up) confirms the read and opens the entry screen. Errors are reported
// ("Readfile", "Read_Matrix", "Read Oldfile").
void Readfile(const QByteArray& content);
void Read_Matrix(RecordReader& in);
void Read_Oldfile(RecordReader& in);

QString Incompatible_File_Message();

} // namespace korvel
