#include "files/plain_system_text.h"

#include <array>
#include <charconv>
#include <string_view>
#include <system_error>

namespace korvel {

namespace {

// What each byte is to a plain system: a part of a number, a separator, a line end; a
// name, a note, a quote, a tab or a semicolon (which bring decimal commas and grouping
// points into play) and any byte beyond ASCII are Other and leave the text to the general
// reading. A table, as the bytes of a thousand files go through it.
enum Kind : unsigned char { Other, Digit, Comma, Blank, Line_End };

constexpr std::array<Kind, 256> Kinds = [] {
    std::array<Kind, 256> kinds{};
    for (const char c : std::string_view("0123456789.+-eE"))
        kinds[static_cast<unsigned char>(c)] = Digit;
    kinds[','] = Comma;
    kinds[' '] = Blank;
    kinds['\n'] = kinds['\r'] = Line_End;
    return kinds;
}();

Kind Kind_Of(char c) {
    return Kinds[static_cast<unsigned char>(c)];
}

bool Is_Blank(char c) {
    return Kind_Of(c) == Blank;
}

// A cell as Strict_Number reads it: an optional sign, digits with at most one point, an
// optional exponent; from_chars takes no "+", so one is passed over (not "+-"). A number
// beyond the range of a double is left to the general reading.
std::optional<double> Plain_Number(const char* first, const char* last) {
    if (first < last && *first == '+') {
        ++first;
        if (first < last && (*first == '+' || *first == '-')) return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return std::nullopt;
    return value;
}

} // namespace

std::optional<ImportedSystem> Read_Plain_System(QByteArrayView bytes) {
    // Far more than 16 rows of 17 numbers of any plain length.
    if (bytes.size() > 64 * 1024) return std::nullopt;
    bool commas = false;
    int line_ends = 0; // CR LF counted twice: a text near the general reading's limit of
                       // 512 lines is left to it
    for (const char c : bytes) {
        const Kind kind = Kind_Of(c);
        if (kind == Other) return std::nullopt;
        commas |= kind == Comma;
        line_ends += kind == Line_End;
    }
    if (line_ends > 500) return std::nullopt;
    ImportedSystem system;
    int rows = 0, width = 0;
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    while (p < end) {
        // One line; CR LF, CR and LF all end one, and empty lines are only spacing.
        const char* line_end = p;
        while (line_end < end && Kind_Of(*line_end) != Line_End)
            ++line_end;
        // The line's cells: between commas, blanks around each dropped; or runs of blanks
        // between them.
        struct Cell {
            const char *first, *last;
        } cells[Max_Equations + 2];
        int count = 0;
        for (const char* cell = p; cell <= line_end;) {
            while (cell < line_end && Is_Blank(*cell))
                ++cell;
            if (!commas && cell == line_end) break;
            const char* cell_end = cell;
            const Kind separator = commas ? Comma : Blank;
            while (cell_end < line_end && Kind_Of(*cell_end) != separator)
                ++cell_end;
            const char* last = cell_end;
            while (last > cell && Is_Blank(last[-1]))
                --last;
            if (count == Max_Equations + 2) return std::nullopt;
            cells[count++] = {cell, last};
            cell = cell_end + 1;
        }
        while (count > 0 && cells[count - 1].first == cells[count - 1].last)
            --count; // empty cells at the end of a row, as a spreadsheet leaves them
        if (count > 0) {
            if (rows == 0) width = count;
            if (count != width || width > Max_Equations + 1 || rows == Max_Equations)
                return std::nullopt;
            for (int j = 0; j < count; ++j) {
                const std::optional<double> value = Plain_Number(cells[j].first, cells[j].last);
                if (!value) return std::nullopt; // an empty cell among them too
                (j < count - 1 ? system.a[rows][j] : system.c[rows]) = *value;
            }
            ++rows;
        }
        p = line_end < end ? line_end + 1 : end;
    }
    if (rows < 2 || width != rows + 1) return std::nullopt;
    system.n = static_cast<int16_t>(rows);
    return system;
}

} // namespace korvel
