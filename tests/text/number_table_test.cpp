// Blocks of numbers as other programs write them: separators, quotes, line ends, trailing
// cells and lines, decimal commas, and the strict reading of a cell.
#include "text/number_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace korvel;

namespace {

// The rows' cells joined with "|" and the rows with "/", for compact expectations.
std::string Shape(const NumberTable& table) {
    std::string shape;
    for (const TableRow& row : table.rows) {
        if (!shape.empty()) shape += '/';
        shape += row.cells.join(QLatin1Char('|')).toStdString();
    }
    return shape;
}

struct BlockCase {
    const char* what;
    const char* text;
    CellSeparator separator;
    bool decimalComma;
    const char* shape;
};

} // namespace

TEST(NumberTable, SplitsTheBlocksOfOtherPrograms) {
    const BlockCase cases[] = {
        {"spreadsheet rows with trailing tabs and a final line end", "1\t2\t\t\n3\t4\t\t\n",
         CellSeparator::Tab, false, "1|2/3|4"},
        {"an empty cell inside a spreadsheet row stays", "1\t\t3\n", CellSeparator::Tab, false,
         "1||3"},
        {"CR LF and a lone CR end lines", "1,2\r\n3,4\r5,6\r\n\r\n", CellSeparator::Comma, false,
         "1|2/3|4/5|6"},
        {"quoted CSV cells hold commas and doubled quotes", "\"1,5\",2\n\"say \"\"x\"\"\",3",
         CellSeparator::Comma, false, "1,5|2/say \"x\"|3"},
        {"blanks around CSV cells go", " 1 , 2 ,3\n", CellSeparator::Comma, false, "1|2|3"},
        {"Octave's blank-separated output with leading blanks",
         "   2.5000   -1.0000\n  -0.2500    3.0000\n", CellSeparator::Blanks, false,
         "2.5000|-1.0000/-0.2500|3.0000"},
        {"semicolons with decimal commas", "1,5;-2,25e3\n;,5\n", CellSeparator::Semicolon, true,
         "1.5|-2.25e3/|.5"},
        {"tabs with decimal commas", "0,1\t2\n3\t-4,75\n", CellSeparator::Tab, true,
         "0.1|2/3|-4.75"},
        {"a decimal point anywhere keeps commas as they are", "1,5;2.5\n", CellSeparator::Semicolon,
         false, "1,5|2.5"},
        {"a comma that is no decimal mark keeps them all", "1,5;2,500,000\n",
         CellSeparator::Semicolon, false, "1,5|2,500,000"},
        {"comma-separated blocks have no decimal commas", "1,5\n", CellSeparator::Comma, false,
         "1|5"},
        {"a tab anywhere wins over semicolons and commas", "a;b\tc,d\n", CellSeparator::Tab, false,
         "a;b|c,d"},
        {"an empty line inside stays as a row without cells", "1 2\n\n3 4\n \n\n",
         CellSeparator::Blanks, false, "1|2//3|4"},
        {"a single cell", "42", CellSeparator::Blanks, false, "42"},
        {"nothing", "\n\n", CellSeparator::Blanks, false, ""},
    };
    for (const BlockCase& c : cases) {
        const NumberTable table = Split_Number_Table(QString::fromUtf8(c.text));
        EXPECT_EQ(table.separator, c.separator) << c.what;
        EXPECT_EQ(table.decimalComma, c.decimalComma) << c.what;
        EXPECT_EQ(Shape(table), c.shape) << c.what;
    }
}

TEST(NumberTable, CommentLinesAreLeftOutOnlyWhenAskedAndRowsKeepTheirLines) {
    const QString text = QStringLiteral("# made by hand, 2 rows\n1;2\n\n# end\n3;4\n");
    const NumberTable files = Split_Number_Table(text, CommentLines::Ignored);
    // The comment's comma does not make the block comma-separated.
    EXPECT_EQ(files.separator, CellSeparator::Semicolon);
    EXPECT_EQ(Shape(files), "1|2//3|4");
    ASSERT_EQ(files.rows.size(), 3u);
    EXPECT_EQ(files.rows[0].line, 2);
    EXPECT_EQ(files.rows[2].line, 5);

    const NumberTable pasted = Split_Number_Table(text);
    EXPECT_EQ(pasted.rows.front().cells.value(0), QStringLiteral("# made by hand, 2 rows"));
}

TEST(NumberTable, StrictNumbersAcceptNumbersOnly) {
    const struct {
        const char* cell;
        double value;
    } numbers[] = {{"1", 1},
                   {" -2.5 ", -2.5},
                   {"+.5", 0.5},
                   {"3.", 3},
                   {"1e3", 1e3},
                   {"-2E-2", -0.02},
                   {"1e-400", 0},
                   {"0.1", 0.1},
                   {"007", 7},
                   {"1.5e+2", 150},
                   {"123456789012", 123456789012}};
    for (const auto& n : numbers) {
        bool outOfRange = false;
        const auto value = Strict_Number(QString::fromLatin1(n.cell), &outOfRange);
        ASSERT_TRUE(value) << n.cell;
        EXPECT_EQ(*value, n.value) << n.cell;
        EXPECT_FALSE(outOfRange) << n.cell;
    }
    for (const char* cell : {"", "abc", "1,5", "1.2.3", "1e", "--1", "&H10", "1 2", "inf", "nan",
                             "0x10", "1d3", "e5", ".", "12abc"}) {
        bool outOfRange = false;
        EXPECT_FALSE(Strict_Number(QString::fromLatin1(cell), &outOfRange)) << cell;
        EXPECT_FALSE(outOfRange) << cell;
    }
    for (const char* cell : {"1e999", "-1e309", "1e1234567", "123456789e301"}) {
        bool outOfRange = false;
        EXPECT_FALSE(Strict_Number(QString::fromLatin1(cell), &outOfRange)) << cell;
        EXPECT_TRUE(outOfRange) << cell;
    }
    // The shortest round-trip text of a double reads back to the same double.
    for (double v : {1.0 / 3, -1e-300, 6.02214076e23, std::numeric_limits<double>::max()})
        EXPECT_EQ(Strict_Number(QString::number(v, 'g', 17)), v);
}

TEST(NumberTable, PointsGroupThousandsOnlyWhereTheBlockShowsIt) {
    const struct {
        const char* what;
        const char* text;
        const char* shape;
        int line, cell; // the ambiguous cell, 0 when there is none
    } cases[] = {
        {"Gnumeric's German export of grouped whole numbers", "12;-3;0;4\n1.500;-2;25.000\n",
         "12|-3|0|4/1.500|-2|25.000", 2, 1},
        {"a decimal comma elsewhere makes the points groups", "1.500;2,5\n", "1500|2.5", 0, 0},
        {"groups of three elsewhere make the points groups", "-1.500;1.234.567\n", "-1500|1234567",
         0, 0},
        {"grouped whole digits before a decimal comma", "-1.234,5;0\n", "-1234.5|0", 0, 0},
        {"U+2212 minus signs, in the exponent too", "\u22121.25;1.5E\u221205\n", "-1.25|1.5E-05", 0,
         0},
        {"U+2212 with a decimal comma, blanks around", " \u22121,5\t2\n", "-1.5|2", 0, 0},
    };
    for (const auto& c : cases) {
        const NumberTable table = Split_Number_Table(QString::fromUtf8(c.text));
        EXPECT_EQ(Shape(table), c.shape) << c.what;
        EXPECT_EQ(table.ambiguous.has_value(), c.line != 0) << c.what;
        if (!table.ambiguous || !c.line) continue;
        EXPECT_EQ(table.ambiguous->line, c.line) << c.what;
        EXPECT_EQ(table.ambiguous->cell, c.cell) << c.what;
    }
}
