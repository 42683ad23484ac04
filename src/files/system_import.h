// Systems kept as plain text by spreadsheets, Octave, Python and other programs: a CSV,
// TSV or blank-separated file of n rows of n + 1 numbers, the last the constant.
//
//   # optional notes
//   x, y, z            optional first row: the names of the unknowns (and of the constant)
//   2, 1, -1, 8
//   ...
#pragma once

#include "files/read_result.h"
#include "model/mod_matrix.h"

#include <QString>
#include <QStringList>

namespace korvel {

struct ImportedSystem {
    int16_t n = 0;
    double a[Max_Equations][Max_Equations] = {}; // a[i][j]: unknown j + 1 in equation i + 1
    double c[Max_Equations] = {};
    QStringList names; // empty when the file has none
};

struct SystemImport {
    ReadResult result; // an error names the file, the line and the cell ("Import")
    ImportedSystem system;
};

// The extensions of system text files: .csv, .tsv and .txt, in any case.
bool Is_System_Text_Path(const QString& path);

// Reads a system out of text, as Split_Number_Table reads blocks (a number whose point may
// group thousands or mark decimals is refused); fileName names it in errors. A text of more
// than 512 lines is refused before it is split: no system needs that many. Nothing of the
// model changes.
SystemImport Parse_System_Text(const QString& text, const QString& fileName);

// Parse_System_Text of a file's bytes, decoded as Decode_File_Text decodes them; plain
// numbers separated by commas or blanks are read without decoding (Read_Plain_System).
SystemImport Parse_System_Bytes(const QByteArray& bytes, const QString& fileName);

// The system becomes the model, as a model file read does: the rest of the set cleared,
// default names where it has none, the entry screen repainted, not solved.
void Apply_System(const ImportedSystem& system);

// Reads the system file at path and, when it is complete, applies it; shows nothing. A
// file that cannot be opened or read, is not a regular file or is over 16 MiB raises its
// error (naming the file); a refused file is the result. Either way the model is untouched.
ReadResult Read_System_File(const QString& path);

} // namespace korvel
