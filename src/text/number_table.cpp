#include "text/number_table.h"

#include "text/number_marks.h"
#include "text/plain_number.h"
#include "text/shortest_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace korvel {

namespace {

QStringList Split_Lines(const QString& text) {
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lf.replace(QChar(13), QChar(10));
    return lf.split(QChar(10));
}

bool Is_Comment(const QString& line) {
    return line.trimmed().startsWith(QLatin1Char('#'));
}

CellSeparator Choose_Separator(const QStringList& lines) {
    const auto any = [&](QChar c) {
        for (const QString& line : lines)
            if (line.contains(c)) return true;
        return false;
    };
    if (any(QChar(9))) return CellSeparator::Tab;
    if (any(QLatin1Char(';'))) return CellSeparator::Semicolon;
    if (any(QLatin1Char(','))) return CellSeparator::Comma;
    return CellSeparator::Blanks;
}

QChar Separator_Char(CellSeparator separator) {
    switch (separator) {
    case CellSeparator::Tab:
        return QChar(9);
    case CellSeparator::Semicolon:
        return QLatin1Char(';');
    case CellSeparator::Comma:
        return QLatin1Char(',');
    case CellSeparator::Blanks:
        break;
    }
    return QLatin1Char(' ');
}

bool Is_Blank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(9);
}

// One line cut into cells. A quote opens a quoted cell only at the start of a cell; text
// after its closing quote, up to the separator, is dropped.
QStringList Split_Cells(const QString& line, CellSeparator separator) {
    const bool blanks = separator == CellSeparator::Blanks;
    const QChar sep = Separator_Char(separator);
    QStringList cells;
    QString cell;
    bool quoted = false, inCell = false;
    const auto finish = [&] {
        cells.append(quoted ? cell : cell.trimmed());
        cell.clear();
        quoted = inCell = false;
    };
    const qsizetype size = line.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = line[i];
        if (!inCell && Is_Blank(c) && (blanks || c != sep)) continue; // blanks before a cell
        if (!inCell && c == QLatin1Char('"')) {
            inCell = quoted = true;
            for (++i; i < size; ++i) {
                if (line[i] != QLatin1Char('"')) {
                    cell += line[i];
                } else if (i + 1 < size && line[i + 1] == QLatin1Char('"')) {
                    cell += QLatin1Char('"');
                    ++i;
                } else {
                    break;
                }
            }
            continue;
        }
        if (blanks ? Is_Blank(c) : c == sep) {
            finish();
            continue;
        }
        if (!quoted) cell += c; // after a closing quote only blanks are expected
        inCell = true;
    }
    if (inCell || !blanks) finish();
    while (!cells.isEmpty() && cells.last().isEmpty())
        cells.removeLast();
    return cells;
}

// What the cells' points and commas show about the block's reading.
struct MarkEvidence {
    bool decimalPoint = false;         // a point that cannot group thousands: "2.5", "0.125", "Fx."
    bool otherComma = false;           // a comma that is no decimal comma: "2,500,000", "a,b"
    bool decimalComma = false;         // "1,5", "1.234,5"
    bool groups = false;               // "1.234.567": no decimal reading at all
    const TableRow* onceRow = nullptr; // the first cell such as "1.500", either reading
    qsizetype onceCell = -1;
};

MarkEvidence Look_At_Marks(const std::vector<TableRow>& rows) {
    MarkEvidence seen;
    for (const TableRow& row : rows)
        for (qsizetype j = 0; j < row.cells.size(); ++j) {
            const QStringView cell = QStringView(row.cells[j]).trimmed();
            const int groups = Point_Groups(cell);
            const bool comma = Is_Comma_Decimal(cell);
            if (cell.contains(u'.') && groups == 0 && !comma) seen.decimalPoint = true;
            if (cell.contains(u',') && !comma) seen.otherComma = true;
            seen.decimalComma |= comma;
            seen.groups |= groups > 1;
            if (groups == 1 && !seen.onceRow) {
                seen.onceRow = &row;
                seen.onceCell = j;
            }
        }
    return seen;
}

// Tab- and semicolon-separated blocks are what decimal-comma locales write. A point that can
// only be a decimal point makes every point one and leaves commas alone; otherwise decimal
// commas (every comma one) or groups of three show that points group thousands. With
// neither, "1.500" stays open in a semicolon-separated block; a tab-separated one, as
// English spreadsheets copy it, reads 1.5.
void Settle_Marks(NumberTable& table) {
    const MarkEvidence seen = Look_At_Marks(table.rows);
    if (seen.decimalPoint) return;
    table.decimalComma = seen.decimalComma && !seen.otherComma;
    table.groupingPoints = table.decimalComma || seen.groups;
    if (table.groupingPoints) {
        for (TableRow& row : table.rows)
            for (QString& cell : row.cells) {
                const QStringView trimmed = QStringView(cell).trimmed();
                if (Point_Groups(trimmed) == 0 &&
                    !(table.decimalComma && Is_Comma_Decimal(trimmed)))
                    continue;
                cell.remove(QLatin1Char('.'));
                cell.replace(QLatin1Char(','), QLatin1Char('.'));
            }
    } else if (table.separator == CellSeparator::Semicolon && seen.onceRow) {
        table.ambiguous = AmbiguousCell{seen.onceRow->line, static_cast<int>(seen.onceCell + 1),
                                        seen.onceRow->cells[seen.onceCell].trimmed()};
    }
}

// Whether a number text out of a double's range is too small for one (rather than too
// large): its first significant digit stands below the units.
bool Is_Tiny(const std::string& digits) {
    const auto e = digits.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string::npos) {
        const bool negative = digits[e + 1] == '-';
        const auto start = digits.find_first_not_of("+-0", e + 1);
        // An exponent of more than six digits decides alone.
        if (start != std::string::npos && digits.size() - start > 6) return negative;
        if (start != std::string::npos)
            std::from_chars(digits.data() + start, digits.data() + digits.size(), exponent);
        if (negative) exponent = -exponent;
    }
    const std::string mantissa = digits.substr(0, e);
    const auto firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string::npos) return true;
    const auto point = mantissa.find('.');
    const long long pointAt = point == std::string::npos ? static_cast<long long>(mantissa.size())
                                                         : static_cast<long long>(point);
    const long long position = pointAt - static_cast<long long>(firstDigit); // > 0: units or above
    return position + exponent <= 0;
}

} // namespace

NumberTable Split_Number_Table(const QString& text, CommentLines comments) {
    const QStringList lines = Split_Lines(text);
    QStringList kept;
    std::vector<int> numbers;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (comments == CommentLines::Ignored && Is_Comment(lines[i])) continue;
        kept.append(lines[i]);
        numbers.push_back(static_cast<int>(i + 1));
    }
    NumberTable table;
    table.separator = Choose_Separator(kept);
    for (qsizetype i = 0; i < kept.size(); ++i) {
        QStringList cells = Split_Cells(kept[i], table.separator);
        for (QString& cell : cells)
            cell = With_Ascii_Minus(cell);
        table.rows.push_back({numbers[i], cells});
    }
    while (!table.rows.empty() && table.rows.back().cells.isEmpty())
        table.rows.pop_back();
    if (table.separator == CellSeparator::Tab || table.separator == CellSeparator::Semicolon)
        Settle_Marks(table);
    return table;
}

std::optional<double> Strict_Number(const QString& cell, bool* outOfRange) {
    const QString trimmed = cell.trimmed();
    if (!Is_Plain_Number(trimmed, u'.', u"eE")) return std::nullopt;
    // from_chars takes no "+" sign.
    const std::string digits =
        (trimmed.startsWith(QLatin1Char('+')) ? trimmed.mid(1) : trimmed).toStdString();
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (Is_Tiny(digits)) return digits[0] == '-' ? -0.0 : 0.0; // 1e-400: as near as it gets
        if (outOfRange) *outOfRange = true;
        return std::nullopt;
    }
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

QString Ambiguous_Cell_Reason(const QString& cell) {
    const QString asPoint = Shortest_Text(Strict_Number(cell).value_or(0));
    QString whole = cell;
    const QString asGroups = Shortest_Text(Strict_Number(whole.remove(u'.')).value_or(0));
    QString withComma = asPoint;
    withComma.replace(u'.', u',');
    return QStringLiteral("\"") + cell + QStringLiteral("\" may be ") + asPoint +
           QStringLiteral(" or ") + asGroups +
           QStringLiteral(": in semicolon-separated text a point may be a decimal point or a "
                          "thousands separator, and no other cell shows which (write ") +
           asGroups + QStringLiteral(", or ") + withComma + QStringLiteral(")");
}

} // namespace korvel
