// A block of numbers as text, as spreadsheets, Octave, Python and other programs write it:
// rows by line, cells by one separator decided for the whole block. The one reading behind
// pasting into the entry screen and importing a system file.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace korvel {

enum class CellSeparator { Tab, Semicolon, Comma, Blanks };

struct TableRow {
    int line = 0; // counting from 1 in the text
    QStringList cells;
};

struct NumberTable {
    CellSeparator separator = CellSeparator::Blanks;
    bool decimalComma = false; // the cells' decimal commas were turned into points
    std::vector<TableRow> rows;
};

// Lines that begin with "#" are notes in system files; in a pasted block they are cells.
enum class CommentLines { Cells, Ignored };

// Splits text into rows at LF, CR LF or CR, and each row into cells. The separator is a
// tab if the block has one, else a semicolon, else a comma, else runs of blanks. A cell in
// double quotes may hold the separator, with "" for a quote. Blanks around cells, empty
// cells at the end of a row (a spreadsheet's trailing tabs) and empty lines at the end of
// the block are dropped; an empty line inside the block is a row without cells. A tab- or
// semicolon-separated block whose cells hold no "." and whose commas all stand where a
// decimal point would ("1,5", "-0,25e3") has its commas turned into points.
NumberTable Split_Number_Table(const QString& text, CommentLines comments = CommentLines::Cells);

// A cell read strictly: blanks around it, then a sign, digits with one "." and an exponent
// ("E" or "e"), and nothing else. Empty for anything else; also for a number beyond the
// range of a 64-bit float, which sets *outOfRange when it is given.
std::optional<double> Strict_Number(const QString& cell, bool* outOfRange = nullptr);

} // namespace korvel
