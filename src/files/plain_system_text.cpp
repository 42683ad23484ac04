#include "files/plain_system_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
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
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    // Commas anywhere make every line comma-separated; without, blanks separate the cells.
    const bool commas = std::memchr(p, ',', static_cast<size_t>(bytes.size())) != nullptr;
    ImportedSystem system;
    int rows = 0, width = 0;
    double row[Max_Equations + 1];
    int count = 0;           // the numbers of the row so far
    int empty = 0;           // empty cells since its last number: only trailing ones may be
    bool after_cell = false; // a number since the last comma
    int line_ends = 0;       // CR LF counted twice: near the general reading's limit of 512
                             // lines it reads the text
    // One pass: each byte is a blank, a comma, a line end or part of a number.
    while (true) {
        const Kind kind = p < end ? Kind_Of(*p) : Line_End;
        if (kind == Digit) {
            const char* first = p;
            while (p < end && Kind_Of(*p) == Digit)
                ++p;
            // "1 2" in a comma-separated line is one cell; a cell after empty ones is
            // preceded by an empty cell: both the general reading refuses.
            if ((commas && after_cell) || empty > 0 || count > Max_Equations) return std::nullopt;
            const std::optional<double> value = Plain_Number(first, p);
            if (!value) return std::nullopt;
            row[count++] = *value;
            after_cell = true;
            continue;
        }
        if (kind == Blank) {
            ++p;
        } else if (kind == Comma) {
            if (!after_cell) ++empty;
            after_cell = false;
            ++p;
        } else if (kind == Line_End) {
            // Empty cells at the end of a row (a spreadsheet's trailing separators) are
            // dropped, and a row without numbers is only spacing.
            if (count > 0) {
                if (rows == 0) width = count;
                if (count != width || rows == Max_Equations) return std::nullopt;
                std::copy(row, row + count - 1, system.a[rows]);
                system.c[rows] = row[count - 1];
                ++rows;
            }
            count = empty = 0;
            after_cell = false;
            if (p == end) break;
            if (++line_ends > 500) return std::nullopt;
            ++p;
        } else {
            return std::nullopt;
        }
    }
    if (rows < 2 || width != rows + 1) return std::nullopt;
    system.n = static_cast<int16_t>(rows);
    return system;
}

} // namespace korvel
