// System text files: the layouts other programs write, what is refused and where, and a
// refused file leaving the model as it was.
#include "base/app_globals.h"
#include "base/runtime_error.h"
#include "files/plain_system_text.h"
#include "files/system_import.h"
#include "model/mod_matrix.h"
#include "session/file_commands.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <bit>
#include <random>

using namespace korvel;

namespace {

// The system x = 1, y = -2, z = 0.5 of three equations: its rows without separators.
const double Rows[3][4] = {{2, 1, -1, -0.5}, {-3, -1, 2, 2}, {-2, 1, 2, -3}};

void Expect_The_System(const SystemImport& import, const char* what) {
    ASSERT_TRUE(import.result.Complete())
        << what << ": " << import.result.error.description.toStdString();
    ASSERT_EQ(import.system.n, 3) << what;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(import.system.a[i][j], Rows[i][j]) << what << " a" << i << j;
        EXPECT_EQ(import.system.c[i], Rows[i][3]) << what << " c" << i;
    }
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return file.fileName();
}

} // namespace

TEST(SystemImport, ReadsTheLayoutsOfOtherPrograms) {
    const struct {
        const char* what;
        const char* text;
        const char* names; // joined with "|", empty when the file has none
    } cases[] = {
        {"spreadsheet TSV with trailing tabs",
         "2\t1\t-1\t-0.5\t\t\n-3\t-1\t2\t2\t\t\n-2\t1\t2\t-3\t\t\n", ""},
        {"CSV with CR LF and a final empty line", "2,1,-1,-0.5\r\n-3,-1,2,2\r\n-2,1,2,-3\r\n\r\n",
         ""},
        {"quoted CSV cells and names",
         "\"x\",\"y, m\",\"z\",\"rhs\"\n\"2\",1,-1,-.5\n-3,-1,2,2\n-2,1,2,-3\n", "x|y, m|z"},
        {"decimal commas with semicolons", "2;1;-1;-0,5\n-3;-1;2;2\n-2;1;2;-3\n", ""},
        {"Octave's blank-separated output",
         "   2.0000   1.0000  -1.0000  -0.5000\n  -3.0000  -1.0000   2.0000   2.0000\n"
         "  -2.0000   1.0000   2.0000  -3.0000\n",
         ""},
        {"numpy.savetxt with a header comment and exponents",
         "# A | b\n2.000000000000000000e+00 1.0e+00 -1e0 -5e-1\n-3 -1 2 2\n-2 1 2 -3\n", ""},
        {"names for the unknowns only, comments and blank lines between",
         "# truss\nFx Fy Fz\n\n2 1 -1 -0.5\n# middle\n-3 -1 2 2\n-2 1 2 -3\n", "Fx|Fy|Fz"},
        {"Gnumeric's as-displayed export with U+2212 minus signs",
         "2,1,\u22121,\u22125E\u221201\n\u22123,\u22121,2,2\n\u22122,1,2,\u22123\n", ""},
    };
    for (const auto& c : cases) {
        const SystemImport import =
            Parse_System_Text(QString::fromUtf8(c.text), QStringLiteral("s.csv"));
        Expect_The_System(import, c.what);
        EXPECT_EQ(import.system.names.join(QLatin1Char('|')).toStdString(), c.names) << c.what;
    }
}

TEST(SystemImport, RefusedFilesNameTheFileTheLineAndTheCell) {
    const struct {
        const char* text;
        int32_t number;
        int line;
        const char* description;
    } cases[] = {
        {"1,2,3\n4,abc,6\n", Err::TypeMismatch, 2, "m.csv line 2, cell 2: \"abc\" is not a number"},
        {"# c\n1 2 3\n4 5 1e999\n", Err::Overflow, 3,
         "m.csv line 3, cell 3: \"1e999\" is beyond the range of a 64-bit float"},
        {"1\t2\t3\n4\t5\n", Err::TypeMismatch, 2, "m.csv line 2: 2 cells, where line 1 has 3"},
        {"1,2,3\n4,5,6,7\n", Err::TypeMismatch, 2, "m.csv line 2: 4 cells, where line 1 has 3"},
        {"1,2,3\n4,5,6\n7,8,9\n", Err::TypeMismatch, 1,
         "m.csv: 3 rows of 3 cells, where a system of n equations has n rows of n + 1 numbers"},
        {"1,2\n", Err::SubscriptOutOfRange, 1, "m.csv: 1 equation, where Korvel solves 2 to 16"},
        {"a,b,c,d,e\n1,2,3\n4,5,6\n", Err::TypeMismatch, 1, "m.csv line 1: 5 names for 2 unknowns"},
        {"# only notes\n\n", Err::TypeMismatch, 0, "m.csv holds no equations"},
        {"x,y\n", Err::TypeMismatch, 1, "m.csv holds no equations"},
        // A mistyped number in the first row is an error there, not a row of names.
        {"1,2,x\n4,5,6\n", Err::TypeMismatch, 1, "m.csv line 1, cell 3: \"x\" is not a number"},
        // Grouped by a German locale, or 1.5 and 25 with zeros: the file does not say which.
        {"12;-3;4\n1.500;-2;25.000\n", Err::TypeMismatch, 2,
         "m.csv line 2, cell 1: \"1.500\" may be 1.5 or 1500: in semicolon-separated text a "
         "point may be a decimal point or a thousands separator, and no other cell shows which "
         "(write 1500, or 1,5)"},
    };
    for (const auto& c : cases) {
        const SystemImport import =
            Parse_System_Text(QString::fromUtf8(c.text), QStringLiteral("m.csv"));
        EXPECT_EQ(import.result.status, ReadResult::Status::Error) << c.text;
        EXPECT_EQ(import.result.error.number, c.number) << c.text;
        EXPECT_EQ(import.result.error.label, QStringLiteral("Import")) << c.text;
        EXPECT_EQ(import.result.record, c.line) << c.text;
        EXPECT_EQ(import.result.error.description.toStdString(), c.description);
    }
    // Seventeen equations are one too many.
    QString seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen += QStringLiteral("1") + QStringLiteral(",0").repeated(17) + QLatin1Char('\n');
    const SystemImport big = Parse_System_Text(seventeen, QStringLiteral("m.csv"));
    EXPECT_EQ(big.result.error.number, Err::SubscriptOutOfRange);
    EXPECT_EQ(big.result.error.description,
              QStringLiteral("m.csv: 17 equations, where Korvel solves 2 to 16"));
}

TEST(SystemImport, ARefusedFileChangesNothingAndAReadOneReplacesTheModel) {
    korvel::testing::ScriptedMessages messages;
    Initialize();
    Num_Equations = 4;
    A_Matrix[4][4] = 7;
    C_Vector[4] = 8;
    Var_Name[2] = QStringLiteral("kept");
    Data_Saved = true;
    File_Path = QStringLiteral("/old/model.kvl");
    const auto snapshot = [] {
        QStringList s{QString::number(Num_Equations), File_Path, File_Name,
                      QString::number(Data_Saved)};
        for (int i = 1; i <= Max_Equations; ++i) {
            for (int j = 1; j <= Max_Equations; ++j)
                s << QString::number(A_Matrix[i][j]);
            s << QString::number(C_Vector[i]) << Var_Name[i];
        }
        return s;
    };
    const QStringList before = snapshot();

    QTemporaryDir dir;
    const QString ragged = Write(dir, QStringLiteral("ragged.tsv"), "1\t2\t3\n4\t5\n");
    const ReadResult refused = Load_System_File(ragged);
    EXPECT_EQ(refused.status, ReadResult::Status::Error);
    EXPECT_EQ(snapshot(), before);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(
        QStringLiteral("ragged.tsv line 2: 2 cells, where line 1 has 3")));
    // Neither a folder nor a missing file is read; both raise and change nothing.
    EXPECT_THROW(Read_System_File(dir.path()), RuntimeError);
    EXPECT_THROW(Read_System_File(dir.filePath(QStringLiteral("none.csv"))), RuntimeError);
    EXPECT_EQ(snapshot(), before);

    const QString good =
        Write(dir, QStringLiteral("truss.csv"), "a,b,c\n2,1,-1,-0.5\n-3,-1,2,2\n-2,1,2,-3\n");
    Model_Date = QStringLiteral("01-01-1999"); // the start's stamp, long ago
    ASSERT_TRUE(Load_System_File(good).Complete());
    EXPECT_NE(Model_Date, QStringLiteral("01-01-1999")); // a new model: stamped now
    EXPECT_EQ(Num_Equations, 3);
    EXPECT_EQ(Last_Index, 2);
    EXPECT_EQ(A_Matrix[1][3], -1);
    EXPECT_EQ(C_Vector[3], -3);
    EXPECT_EQ(A_Matrix[4][4], 0); // the rest of the set is cleared
    EXPECT_EQ(C_Vector[4], 0);
    EXPECT_EQ(Var_Name[1], QStringLiteral("a"));
    EXPECT_EQ(Var_Name[4], QStringLiteral("Y 4")); // default names beyond the file's
    EXPECT_EQ(File_Name, QStringLiteral("truss"));
    EXPECT_EQ(File_Path, good);
    EXPECT_FALSE(Data_Saved); // Save must ask where, not overwrite /old/model.kvl
    EXPECT_FALSE(Solved);
}

TEST(SystemImport, ATextOfMoreLinesThanASystemNeedsIsRefusedBeforeItIsSplit) {
    const struct {
        QString text;
        int refusedAt; // 0: read
    } cases[] = {
        {QStringLiteral("# n\n").repeated(510) + QStringLiteral("1,2,3\n4,5,6\n"), 0},
        {QStringLiteral("# n\n").repeated(511) + QStringLiteral("1,2,3\n4,5,6"), 513},
        {QStringLiteral("1,2,3\r").repeated(513), 513},
        {QStringLiteral("1,2\r\n").repeated(3'900'000), 513},
    };
    for (const auto& c : cases) {
        const SystemImport import = Parse_System_Text(c.text, QStringLiteral("big.csv"));
        EXPECT_EQ(import.result.record, c.refusedAt);
        EXPECT_EQ(import.result.error.number, c.refusedAt ? Err::SubscriptOutOfRange : 0);
        EXPECT_TRUE(import.result.error.description.startsWith(
            c.refusedAt ? QStringLiteral("big.csv: more than 512 lines") : QString()));
    }
}

namespace {

// The general reading of bytes, as a file holds them.
SystemImport General_Reading(const QByteArray& bytes) {
    return Parse_System_Text(QString::fromUtf8(bytes), QStringLiteral("x.csv"));
}

// Whatever the fast reading takes, it reads as the general one does, to the bit.
void Expect_Same_Reading(const QByteArray& bytes, bool plain) {
    SCOPED_TRACE(bytes.toStdString());
    const std::optional<ImportedSystem> fast = Read_Plain_System(bytes);
    EXPECT_EQ(fast.has_value(), plain);
    if (!fast) return;
    const SystemImport general = General_Reading(bytes);
    ASSERT_TRUE(general.result.Complete()) << general.result.error.description.toStdString();
    ASSERT_EQ(fast->n, general.system.n);
    EXPECT_TRUE(fast->names.isEmpty());
    EXPECT_TRUE(general.system.names.isEmpty());
    for (int i = 0; i < fast->n; ++i) {
        for (int j = 0; j < fast->n; ++j)
            EXPECT_EQ(std::bit_cast<uint64_t>(fast->a[i][j]),
                      std::bit_cast<uint64_t>(general.system.a[i][j]));
        EXPECT_EQ(std::bit_cast<uint64_t>(fast->c[i]),
                  std::bit_cast<uint64_t>(general.system.c[i]));
    }
}

} // namespace

// Plain numbers between commas or blanks are read without decoding the text; anything the
// general reading treats otherwise (names, notes, tabs, decimal commas, counts it refuses)
// is left to it.
TEST(SystemImport, PlainNumbersAreReadFastAndExactlyAsTheGeneralReadingDoes) {
    const struct {
        const char* text;
        bool plain;
    } cases[] = {
        {"2,1,-1,-0.5\n-3,-1,2,2\n-2,1,2,-3\n", true},
        {"2 1 -1 -.5\r\n  -3 -1   2 2 \r\n\r\n-2 1 2 -3", true},
        {"+2.,1e0, -1 ,-5E-1,,\r-3,-1,2,2\r-2,1,+2,-3,\n\n\n", true},
        {"1e-300,1,2\n0,1,1e308\n", true},
        {"1e-400,1,2\n0,1,1\n", false},     // below a double: read as 0 by the general reading
        {"0.1,0.2\n1,2,3\n4,5,6\n", false}, // two cells, then three
        {"1,2,3\n4,,6\n", false},           // an empty cell
        {"1,2,3\n4,5,6\n7,8,9\n", false},   // 3 rows of 3 cells
        {"1,2,3\n", false},                 // one equation
        {"x,y\n1,2,3\n4,5,6\n", false},     // names: the general reading
        {"# notes\n1,2,3\n4,5,6\n", false}, // notes too
        {"1\t2\t3\n4\t5\t6\n", false},      // tabs may bring decimal commas
        {"1;2;3\n4;5;6\n", false},          // so may semicolons
        {"1,2,3\n4,5,\xE2\x88\x92"
         "6\n",
         false},                       // U+2212 as the minus
        {"1,2,3\n4,5,1e999\n", false}, // beyond a double
        {"1,2,3\n4,5,+-6\n", false},
        {"1,2,3\n4,5,6e\n", false},
        {"1,2,3\n4,5,6.5.\n", false},
        {"1 2 3\n4 5 6e+\n", false},
        {"\xEF\xBB\xBF"
         "1,2,3\n4,5,6\n",
         false}, // a byte-order mark
    };
    for (const auto& c : cases)
        Expect_Same_Reading(QByteArray(c.text), c.plain);

    // Cells drawn from the characters a plain system is made of: either reading refuses
    // them alike, or both read the same value.
    std::mt19937 random(7);
    const char alphabet[] = "0123456789+-.eE ";
    for (int round = 0; round < 3000; ++round) {
        QByteArray cell;
        const int length = 1 + static_cast<int>(random() % 7);
        for (int k = 0; k < length; ++k)
            cell += alphabet[random() % (sizeof alphabet - 1)];
        // Now and then a whole text of two rows of three numbers, laid out at random and
        // sometimes with a piece too many, so that rows, empty cells and line ends are
        // compared too.
        QByteArray text = "1,2,3\n4," + cell + ",6\n";
        if (round % 3 == 0) {
            const char* numbers[] = {"1", "-2.5", "3e1", ".5", "+7"};
            const char* separators[] = {",", ", ", " ,", " ", "  "};
            const char* line_ends[] = {"\n", "\r\n", "\r", "\n\n", ",\n", ",,\n", " \n"};
            const char* extras[] = {",", " ", "\n", "1", ""};
            const char* separator = separators[random() % std::size(separators)];
            text.clear();
            for (int row = 0; row < 2; ++row)
                for (int column = 0; column < 3; ++column) {
                    text += numbers[random() % std::size(numbers)];
                    text += column < 2 ? separator : line_ends[random() % std::size(line_ends)];
                }
            text.insert(static_cast<qsizetype>(random() % static_cast<unsigned>(text.size())),
                        extras[random() % std::size(extras)]);
        }
        const bool general = General_Reading(text).result.Complete();
        if (general) {
            Expect_Same_Reading(text, Read_Plain_System(text).has_value());
        } else {
            EXPECT_FALSE(Read_Plain_System(text)) << text.toStdString();
        }
    }
}
