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

// A cell such as "1.500" in a block that does not show whether its point is a decimal
// point or a thousands separator.
struct AmbiguousCell {
    int line = 0; // counting from 1 in the text
    int cell = 0; // counting from 1 in its row
    QString text;
};

struct NumberTable {
    CellSeparator separator = CellSeparator::Blanks;
    bool decimalComma = false;              // the cells' decimal commas were turned into points
    bool groupingPoints = false;            // points between groups of three digits were dropped
    std::optional<AmbiguousCell> ambiguous; // the first, when the block leaves one open
    std::vector<TableRow> rows;
};

// Lines that begin with "#" are notes in system files; in a pasted block they are cells.
enum class CommentLines { Cells, Ignored };

// Splits text into rows at LF, CR LF or CR, and each row into cells. The separator is a
// tab if the block has one, else a semicolon, else a comma, else runs of blanks. A cell in
// double quotes may hold the separator, with "" for a quote. Blanks around cells, empty
// cells at the end of a row (a spreadsheet's trailing tabs) and empty lines at the end of
// the block are dropped; an empty line inside the block is a row without cells. U+2212 is
// a minus sign in any cell it makes a number of ("−1.25", "1.5E−05").
//
// Tab- and semicolon-separated blocks may come from a locale with decimal commas, whose
// numbers group thousands by points. When no cell holds a point that can only be a decimal
// point ("2.5", "0.125"), a block whose commas all stand where a decimal point would ("1,5",
// "-0,25e3", "1.234,5"), or that holds groups such as "1.234.567", is read with decimal
// commas and grouping points: its cells become "1.5", "-0.25e3", "1234.5", "1234567", and a
// "1.500" among them 1500. Without such a sign, a semicolon-separated block's first cell
// such as "1.500" is `ambiguous` (and read as 1.5); a tab-separated one reads it as 1.5.
NumberTable Split_Number_Table(const QString& text, CommentLines comments = CommentLines::Cells);

// Why an ambiguous cell is refused: `"1.500" may be 1.5 or 1500: ...`.
QString Ambiguous_Cell_Reason(const QString& cell);

// A cell read strictly: blanks around it, then a sign, digits with one "." and an exponent
// ("E" or "e"), and nothing else. Empty for anything else; also for a number beyond the
// range of a 64-bit float, which sets *outOfRange when it is given.
std::optional<double> Strict_Number(const QString& cell, bool* outOfRange = nullptr);

} // namespace korvel
