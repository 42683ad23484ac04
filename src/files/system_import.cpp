#include "files/system_import.h"

#include "base/file_names.h"
#include "base/read_file.h"
#include "base/runtime_error.h"
#include "files/model_io.h"
#include "files/plain_system_text.h"
#include "text/number_table.h"
#include "text/text_decoding.h"

#include <QFileInfo>

namespace korvel {

namespace {

const QString Import_Label = QStringLiteral("Import");

SystemImport Refused(int32_t number, const QString& text, int line) {
    return {ReadResult::Error(RuntimeError(number, text), Import_Label, line), {}};
}

QString At_Line(const QString& fileName, int line) {
    return fileName + QStringLiteral(" line ") + QString::number(line);
}

// A row of names rather than numbers: not one of its cells reads as a number.
bool Is_Names_Row(const QStringList& cells) {
    for (const QString& cell : cells) {
        bool outOfRange = false;
        if (Strict_Number(cell, &outOfRange) || outOfRange) return false;
    }
    return true;
}

// A system is at most 17 lines: 16 rows of numbers and a row of names. Notes (# lines) and
// blank lines may stand around and between them, so the limit leaves room for thirty times
// as many; a text longer than that is no system Korvel can hold, and is refused before it is
// split into cells (which, for millions of short lines, took seconds and a gigabyte).
constexpr int Most_Lines = 512;

// The number of the first line beyond Most_Lines, or 0 when the text has no such line. A
// line end at the very end of the text starts no further line.
int First_Line_Beyond_Limit(const QString& text) {
    int line = 1;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r') continue;
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n') ++i;
        if (i + 1 < size && ++line > Most_Lines) return line;
    }
    return 0;
}

} // namespace

bool Is_System_Text_Path(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("csv") || suffix == QLatin1String("tsv") ||
           suffix == QLatin1String("txt");
}

SystemImport Parse_System_Text(const QString& text, const QString& fileName) {
    if (const int beyond = First_Line_Beyond_Limit(text))
        return Refused(Err::SubscriptOutOfRange,
                       fileName + QStringLiteral(": more than %1 lines, where a system of at most "
                                                 "%2 equations with its names and notes fits in "
                                                 "far fewer")
                                      .arg(Most_Lines)
                                      .arg(Max_Equations),
                       beyond);
    NumberTable table = Split_Number_Table(text, CommentLines::Ignored);
    if (const auto& open = table.ambiguous)
        return Refused(Err::TypeMismatch,
                       At_Line(fileName, open->line) +
                           QStringLiteral(", cell %1: ").arg(open->cell) +
                           Ambiguous_Cell_Reason(open->text),
                       open->line);
    std::vector<TableRow> rows;
    for (TableRow& row : table.rows) // empty lines between the rows are only spacing
        if (!row.cells.isEmpty()) rows.push_back(std::move(row));
    if (rows.empty())
        return Refused(Err::TypeMismatch, fileName + QStringLiteral(" holds no equations"), 0);

    SystemImport import;
    const bool named = Is_Names_Row(rows.front().cells);
    const TableRow namesRow = named ? rows.front() : TableRow{};
    if (named) rows.erase(rows.begin());
    if (rows.empty())
        return Refused(Err::TypeMismatch, fileName + QStringLiteral(" holds no equations"),
                       namesRow.line);

    // Every row as wide as the first, and n rows of n + 1 numbers.
    const qsizetype width = rows.front().cells.size();
    for (const TableRow& row : rows)
        if (row.cells.size() != width)
            return Refused(Err::TypeMismatch,
                           At_Line(fileName, row.line) +
                               QStringLiteral(": %1 cells, where line %2 has %3")
                                   .arg(row.cells.size())
                                   .arg(rows.front().line)
                                   .arg(width),
                           row.line);
    const qsizetype n = static_cast<qsizetype>(rows.size());
    if (width != n + 1)
        return Refused(Err::TypeMismatch,
                       fileName + QStringLiteral(": %1 rows of %2 cells, where a system of n "
                                                 "equations has n rows of n + 1 numbers")
                                      .arg(n)
                                      .arg(width),
                       rows.front().line);
    if (n < 2 || n > Max_Equations)
        return Refused(Err::SubscriptOutOfRange,
                       fileName +
                           (n == 1 ? QStringLiteral(": 1 equation")
                                   : QStringLiteral(": %1 equations").arg(n)) +
                           QStringLiteral(", where Korvel solves 2 to %1").arg(Max_Equations),
                       rows.front().line);
    if (named && namesRow.cells.size() != n && namesRow.cells.size() != n + 1)
        return Refused(
            Err::TypeMismatch,
            At_Line(fileName, namesRow.line) +
                QStringLiteral(": %1 names for %2 unknowns").arg(namesRow.cells.size()).arg(n),
            namesRow.line);

    import.system.n = static_cast<int16_t>(n);
    for (qsizetype i = 0; i < n; ++i)
        for (qsizetype j = 0; j <= n; ++j) {
            const QString& cell = rows[i].cells[j];
            bool outOfRange = false;
            const std::optional<double> value = Strict_Number(cell, &outOfRange);
            if (!value) {
                const QString where = At_Line(fileName, rows[i].line) +
                                      QStringLiteral(", cell %1: \"").arg(j + 1) + cell +
                                      QStringLiteral("\" ");
                return outOfRange
                           ? Refused(Err::Overflow,
                                     where +
                                         QStringLiteral("is beyond the range of a 64-bit float"),
                                     rows[i].line)
                           : Refused(Err::TypeMismatch, where + QStringLiteral("is not a number"),
                                     rows[i].line);
            }
            (j < n ? import.system.a[i][j] : import.system.c[i]) = *value;
        }
    if (named) import.system.names = namesRow.cells.mid(0, n);
    return import;
}

namespace {

// Parse_System_Bytes with the file's name made only when the general reading needs it.
template <class FileName>
SystemImport Parse_Bytes(const QByteArray& bytes, const FileName& file_name) {
    if (std::optional<ImportedSystem> plain = Read_Plain_System(bytes)) {
        SystemImport import;
        import.system = std::move(*plain);
        return import;
    }
    return Parse_System_Text(Decode_File_Text(bytes), file_name());
}

} // namespace

SystemImport Parse_System_Bytes(const QByteArray& bytes, const QString& fileName) {
    return Parse_Bytes(bytes, [&] { return fileName; });
}

void Apply_System(const ImportedSystem& system) {
    Clear_Model(Max_Equations);
    Default_Names();
    Num_Equations = system.n;
    Last_Index = static_cast<int16_t>(system.n - 1);
    for (int i = 0; i < system.n; ++i) {
        for (int j = 0; j < system.n; ++j)
            A_Matrix[i + 1][j + 1] = system.a[i][j];
        C_Vector[i + 1] = system.c[i];
        if (i < system.names.size()) Var_Name[i + 1] = system.names[i];
    }
    Solved = false;
    Stamp_Model_Now();
    Show_A();
    Show_Names();
    Show_C();
}

ReadResult Read_System_File(const QString& path) {
    const SystemImport import = Parse_Bytes(
        Read_Whole_File(path), [&] { return Readable_File_Name(QFileInfo(path).fileName()); });
    if (import.result.Complete()) Apply_System(import.system);
    return import.result;
}

} // namespace korvel
