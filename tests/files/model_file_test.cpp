// Model files: the written layout, round trips of every field, current and older layouts,
// damaged files, saving without losing the file that was there, and the model name of a path.
#include "base/app_globals.h"
#include "base/read_file.h"
#include "base/runtime_error.h"
#include "files/model_file.h"
#include "files/model_io.h"
#include "files/record_reader.h"
#include "model/entry_view.h"
#include "model/mod_matrix.h"
#include "reports/export_file.h"
#include "session/file_commands.h"
#include "session/show_results.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <bit>
#include <csignal>
#include <cstdint>
#include <limits>
#include <ostream>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

const QByteArray CRLF = "\r\n";

// A file from its records, one per line.
QByteArray File_Of(const QList<QByteArray>& records, const QByteArray& lineEnd = CRLF) {
    QByteArray out;
    for (const QByteArray& r : records)
        out += r + lineEnd;
    return out;
}

// Records written one after another with "|" between them.
QList<QByteArray> Records(const char* records) {
    return QByteArray(records).split('|');
}

const QList<QByteArray> Header = Records(R"("KORVEL"|"9.0")");

// Identification and rows of a two-equation model, with N as given.
QList<QByteArray> Body(const QByteArray& n = "2") {
    QList<QByteArray> body = Records(R"("m"|"p"|1|"d"|"t"|N|2|1|3|"a"|1|3|5|"b")");
    body[5] = n;
    return body;
}

QList<QByteArray> Tail() {
    return QList<QByteArray>(10, "\"\"");
}

// The lines of a file, each of which must end in CR LF (no bare CR or LF anywhere else).
QList<QByteArray> Crlf_Lines(const QByteArray& content) {
    EXPECT_TRUE(content.endsWith(CRLF));
    QList<QByteArray> lines = content.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r')) << line.constData();
        line.chop(1);
        EXPECT_FALSE(line.contains('\r')) << line.constData();
    }
    return lines;
}

// Everything a read can change, to tell whether a refused or failed read left it alone.
struct Snapshot {
    int16_t n, last, design;
    QString fileName, project, date, time;
    std::vector<uint64_t> bits;
    std::vector<QString> names;

    static Snapshot Take() {
        Snapshot s{Num_Equations, Last_Index, Design_No, File_Name, Project_ID,
                   Model_Date,    Model_Time, {},        {}};
        for (int i = 1; i <= Max_Equations; ++i) {
            for (int j = 1; j <= Max_Equations; ++j)
                s.bits.push_back(std::bit_cast<uint64_t>(A_Matrix[i][j]));
            s.bits.push_back(std::bit_cast<uint64_t>(C_Vector[i]));
            s.names.push_back(Var_Name[i]);
        }
        return s;
    }
    bool operator==(const Snapshot&) const = default;
    friend void PrintTo(const Snapshot& s, std::ostream* os) {
        *os << "N " << s.n << ", design " << s.design << ", \"" << s.fileName.toStdString()
            << "\", \"" << s.project.toStdString() << "\", first name \""
            << s.names.front().toStdString() << "\"";
    }
};

// The one message shown is the report of error number in the procedure called label.
void Expect_One_Report(const ScriptedMessages& shown, int number, const QString& label) {
    ASSERT_EQ(shown.shown.size(), 1u);
    const QString& text = shown.shown.front().text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Error %1   (").arg(number))) << text.toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral(")  has occurred in ") + label + QStringLiteral("\r\n\r\n")))
        << text.toStdString();
}

// Reads content as the program reads an opened file: the result shown through the seam.
ReadResult Read_And_Show(const QByteArray& content) {
    const ReadResult result = Readfile(content);
    Show_Read_Result(result, File_Path);
    return result;
}

void Expect_Count_In_Range() {
    EXPECT_GE(Num_Equations, 2);
    EXPECT_LE(Num_Equations, 16);
    EXPECT_EQ(Last_Index, Num_Equations - 1);
}

class ModelFile : public ::testing::Test {
  protected:
    void SetUp() override {
        Set_Identity(); // also: First_Activate, so reads show nothing while it is true
        Initialize();
        File_Path.clear();
        Project_ID.clear();
    }
    void TearDown() override { Set_Entry_Screen_Opener(nullptr); }

    // 2x1 + x2 = 3, x1 + 3x2 = 5 with unknowns a and b.
    static void Load_Example() {
        Clear_Model(Max_Equations);
        Num_Equations = 2, Last_Index = 1;
        A_Matrix[1][1] = 2, A_Matrix[1][2] = 1, C_Vector[1] = 3, Var_Name[1] = QStringLiteral("a");
        A_Matrix[2][1] = 1, A_Matrix[2][2] = 3, C_Vector[2] = 5, Var_Name[2] = QStringLiteral("b");
        File_Name = QStringLiteral("truss");
        Project_ID = QStringLiteral(" Acme");
        Design_No = 1;
        Model_Date = QStringLiteral("11-30-2008");
        Model_Time = QStringLiteral("14:05:09");
    }

    ScriptedMessages messages;
};

} // namespace

// ---- Writing ----

TEST_F(ModelFile, ExampleOfTwoEquationsIsWrittenLineForLine) {
    Load_Example();
    QList<QByteArray> expected = Records(
        R"("KORVEL"|"9.0"|"truss"|" Acme"|1|"11-30-2008"|"14:05:09"|2|2|1|3|"a"|1|3|5|"b")");
    expected += Tail();
    ASSERT_EQ(expected.size(), 26);
    EXPECT_EQ(Crlf_Lines(Model_File_Content()), expected);
}

TEST_F(ModelFile, RealsAreWrittenInShortInvariantFormAndReadBack) {
    const double largest = std::numeric_limits<double>::max();
    const struct {
        double value;
        const char* line;
        double read; // what the line reads back as
    } cases[] = {
        {0.5, ".5", 0.5},
        {-0.25, "-.25", -0.25},
        {2, "2", 2},
        {-3, "-3", -3},
        {1234.5678, "1234.5678", 1234.5678},
        {1e20, "1E+20", 1e20},
        {1.5e-7, "1.5E-07", 1.5e-7},
        {-1e-300, "-1E-300", -1e-300},
        {1.0 / 3, ".333333333333333", 0.333333333333333},
        // 15 digits would round these beyond the float range; they are rounded down instead.
        {largest, "1.79769313486231E+308", 1.79769313486231e308},
        {-largest, "-1.79769313486231E+308", -1.79769313486231e308},
    };
    for (const auto& c : cases) {
        Load_Example();
        A_Matrix[2][1] = c.value; // the 13th record
        const QByteArray content = Model_File_Content();
        EXPECT_EQ(Crlf_Lines(content).value(12), QByteArray(c.line)) << c.value;
        Read_And_Show(content);
        EXPECT_TRUE(messages.shown.empty()) << c.line;
        EXPECT_EQ(A_Matrix[2][1], c.read) << c.line;
    }
}

// ---- Round trips ----

TEST_F(ModelFile, EveryFieldRoundTripsForEveryCount) {
    // clang-format off
    const double reals[] = {-1.0, 1e-300, 1e300, 2.0, 0.5, -0.25, 0.1, -7.0, 0.333333333333333,
                            123456789012345.0, -9.87654321098765e-7, 4.94065645841247e-324,
                            1.79769313486231e308, 42.125};
    // clang-format on
    const struct {
        QString written, read;
    } texts[] = {
        {QStringLiteral("Länge ü"), QStringLiteral("Länge ü")},
        {QStringLiteral("σ₁"), QStringLiteral("σ₁")},
        {QStringLiteral("say \"hi\" twice"), QStringLiteral("say \"hi\" twice")},
        {QStringLiteral("\"quoted\""), QStringLiteral("\"quoted\"")},
        {QStringLiteral("two\nlines"), QStringLiteral("two\nlines")},
        {QStringLiteral("cr lf\r\nbreak"), QStringLiteral("cr lf\nbreak")},
        {QStringLiteral("old mac\rbreak"), QStringLiteral("old mac\nbreak")},
        {QString(), QString()},
        {QStringLiteral("  blanks kept  "), QStringLiteral("  blanks kept  ")},
        {QStringLiteral("a, b, c"), QStringLiteral("a, b, c")},
        {QStringLiteral("x 1"), QStringLiteral("x 1")},
    };
    const int16_t designs[] = {-32768, 32767, 0, 1, -5};
    const size_t nReals = std::size(reals), nTexts = std::size(texts);

    for (int16_t n = 2; n <= Max_Equations; ++n) {
        SCOPED_TRACE(n);
        Num_Equations = n, Last_Index = n - 1;
        size_t k = n; // each count starts at another place in the tables
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j)
                A_Matrix[i][j] = reals[k++ % nReals];
            C_Vector[i] = reals[k++ % nReals];
            Var_Name[i] = texts[k % nTexts].written;
        }
        File_Name = texts[k++ % nTexts].written;
        Project_ID = texts[k++ % nTexts].written;
        Model_Date = texts[k++ % nTexts].written;
        Model_Time = texts[k++ % nTexts].written;
        Design_No = designs[n % std::size(designs)];
        const QByteArray content = Model_File_Content();
        EXPECT_EQ(Crlf_Lines(content).size(), 8 + n * (n + 2) + 10);

        Initialize(); // another model in memory
        Solved = true;
        Read_And_Show(content);

        EXPECT_TRUE(messages.shown.empty());
        ASSERT_EQ(Num_Equations, n);
        EXPECT_EQ(Last_Index, n - 1);
        EXPECT_FALSE(Solved);
        k = n;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j)
                EXPECT_EQ(std::bit_cast<uint64_t>(A_Matrix[i][j]),
                          std::bit_cast<uint64_t>(reals[k++ % nReals]))
                    << i << "," << j << ": " << A_Matrix[i][j];
            EXPECT_EQ(std::bit_cast<uint64_t>(C_Vector[i]),
                      std::bit_cast<uint64_t>(reals[k++ % nReals]))
                << i;
            EXPECT_EQ(Var_Name[i], texts[k % nTexts].read);
            EXPECT_EQ(X_Vector[i], 0.0);
        }
        EXPECT_EQ(File_Name, texts[k++ % nTexts].read);
        EXPECT_EQ(Project_ID, texts[k++ % nTexts].read);
        EXPECT_EQ(Model_Date, texts[k++ % nTexts].read);
        EXPECT_EQ(Model_Time, texts[k++ % nTexts].read);
        EXPECT_EQ(Design_No, designs[n % std::size(designs)]);
    }
}

TEST_F(ModelFile, SavedFileLoadsBackAndEachStepIsConfirmed) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    File_Path = dir.filePath(QStringLiteral("truss.kvl"));
    Load_Example();
    const Snapshot saved = Snapshot::Take();
    ASSERT_TRUE(Save_Model_File(File_Path));
    ASSERT_EQ(messages.Texts(),
              std::vector<QString>{QStringLiteral("File was successfully written to ") + QChar(13) +
                                   File_Path});

    // After start-up a read is confirmed and the entry screen opens.
    int opened = 0;
    Set_Entry_Screen_Opener([&] { ++opened; });
    First_Activate = false;
    Initialize();
    messages.shown.clear();
    Load_Model_File(File_Path);
    EXPECT_EQ(Snapshot::Take(), saved);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("File ") + File_Path +
                                                     QStringLiteral(" successfully read.")});
    EXPECT_EQ(opened, 1);

    // During start-up (a file named on the command line) neither happens.
    First_Activate = true;
    messages.shown.clear();
    Load_Model_File(File_Path);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(opened, 1);
}

// ---- Reading records ----

TEST(RecordReader, NumbersInInvariantForm) {
    const struct {
        const char* record;
        double value;
    } accepted[] = {{"0.5", 0.5},  {".5", 0.5},     {"-.25", -0.25}, {"+2", 2},
                    {"2.", 2},     {"1E+20", 1e20}, {"1e20", 1e20},  {"1.5E-07", 1.5e-7},
                    {"1D3", 1000}, {"  7  ", 7},    {"", 0}};
    for (const auto& c : accepted) {
        RecordReader in(QString::fromLatin1(c.record) + QStringLiteral("\r\n"));
        EXPECT_EQ(in.Read_Real(), c.value) << c.record;
    }
    const struct {
        const char* record;
        int number;
    } refused[] = {{"abc", Err::TypeMismatch},   {"1a", Err::TypeMismatch},
                   {"1.2.3", Err::TypeMismatch}, {"--1", Err::TypeMismatch},
                   {"1e", Err::TypeMismatch},    {"&H10", Err::TypeMismatch},
                   {"1 2", Err::TypeMismatch},   {"1e400", Err::Overflow}};
    for (const auto& c : refused) {
        RecordReader in(QString::fromLatin1(c.record));
        try {
            in.Read_Real();
            ADD_FAILURE() << c.record << " was accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.record;
        }
    }
}

TEST(RecordReader, IntegersAreSixteenBits) {
    const struct {
        const char* record;
        int value; // 0 with an error number
        int number;
    } cases[] = {{"32767", 32767, 0},         {"-32768", -32768, 0},
                 {"32768", 0, Err::Overflow}, {"-32769", 0, Err::Overflow},
                 {"40000", 0, Err::Overflow}, {"x", 0, Err::TypeMismatch}};
    for (const auto& c : cases) {
        RecordReader in(QString::fromLatin1(c.record));
        try {
            EXPECT_EQ(in.Read_Integer(), c.value) << c.record;
            EXPECT_EQ(c.number, 0) << c.record;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number) << c.record;
        }
    }
}

TEST(RecordReader, RecordsEndAtLineEndsAndUnquotedAtCommas) {
    RecordReader in(
        QStringLiteral("\"a, \"b\" c\"  \r\n  plain name ,7\n\"open\rlast\r\n\r\n  \n"));
    EXPECT_EQ(in.Read_Text(), QStringLiteral("a, \"b\" c"));
    EXPECT_EQ(in.Read_Text(), QStringLiteral("plain name"));
    EXPECT_EQ(in.Read_Integer(), 7);
    EXPECT_EQ(in.Read_Text(), QStringLiteral("open")); // no closing quote: the rest of the line
    EXPECT_FALSE(in.At_End());
    EXPECT_EQ(in.Read_Text(), QStringLiteral("last"));
    EXPECT_TRUE(in.At_End()); // blank lines at the end do not count
    EXPECT_EQ(in.Read_Text(), QString());
    EXPECT_EQ(in.Read_Text(), QString());
    try {
        in.Read_Text();
        ADD_FAILURE() << "read past the end";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), Err::InputPastEndOfFile);
    }
}

// ---- Reading files ----

TEST_F(ModelFile, LineEndsCrLfLfAndCrReadAlike) {
    const QByteArray crlf = File_Of(Header + Body() + Tail());
    for (const QByteArray& lineEnd : {QByteArray("\n"), QByteArray("\r")}) {
        Read_And_Show(crlf);
        const Snapshot expected = Snapshot::Take();
        Initialize();
        Read_And_Show(File_Of(Header + Body() + Tail(), lineEnd));
        EXPECT_EQ(Snapshot::Take(), expected) << lineEnd.toHex().constData();
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Num_Equations, 2);
    EXPECT_EQ(Var_Name[2], QStringLiteral("b"));
}

TEST_F(ModelFile, OlderLayoutsAndOtherCaseReadAsOldFiles) {
    // Written by hand: another header, leading zeros, unquoted names, bare LF, no tail.
    const QList<QByteArray> oldBody = Records(R"("bridge"|"ann"|7|"01-02-1999"|"08:15:00"|3|)"
                                              R"(0.5|1|-2|4|  flow rate|0|-0.125|3E2|1.5|"q₂"|)"
                                              R"(1|1|1|0|x3)");
    for (const QList<QByteArray>& header :
         {Records(R"("MATRIX"|"3.1")"), Records(R"("Korvel"|"9.0")"), Records("KORVEL 9.0|")}) {
        SCOPED_TRACE(header.front().constData());
        Initialize();
        Read_And_Show(File_Of(header + oldBody, "\n"));
        EXPECT_TRUE(messages.shown.empty());
        ASSERT_EQ(Num_Equations, 3);
        EXPECT_EQ(Last_Index, 2);
        EXPECT_EQ(File_Name, QStringLiteral("bridge"));
        EXPECT_EQ(Project_ID, QStringLiteral("ann"));
        EXPECT_EQ(Design_No, 7);
        EXPECT_EQ(Model_Date, QStringLiteral("01-02-1999"));
        EXPECT_EQ(Model_Time, QStringLiteral("08:15:00"));
        const double a[3][3] = {{0.5, 1, -2}, {0, -0.125, 300}, {1, 1, 1}};
        const double c[3] = {4, 1.5, 0};
        const QString names[3] = {QStringLiteral("flow rate"), QStringLiteral("q₂"),
                                  QStringLiteral("x3")};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j)
                EXPECT_EQ(A_Matrix[i + 1][j + 1], a[i][j]);
            EXPECT_EQ(C_Vector[i + 1], c[i]);
            EXPECT_EQ(Var_Name[i + 1], names[i]);
        }
        // The rest of the model is cleared for the full size.
        EXPECT_EQ(A_Matrix[4][4], 0.0);
        EXPECT_EQ(C_Vector[16], 0.0);
    }
}

TEST_F(ModelFile, OtherVersionIsRefusedAndTheModelStaysAsItWas) {
    int opened = 0;
    Set_Entry_Screen_Opener([&] { ++opened; });
    for (const bool startUp : {true, false}) {
        First_Activate = startUp;
        messages.shown.clear();
        Solved = true;
        const Snapshot before = Snapshot::Take();
        Read_And_Show(File_Of(Records(R"("KORVEL"|"8.0")") + Body("3")));
        EXPECT_EQ(Snapshot::Take(), before);
        EXPECT_TRUE(Solved);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].text,
                  QStringLiteral("This data file is not compatible with this version of KORVEL. "));
        EXPECT_EQ(messages.shown[0].icon, MsgIcon::Question);
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::OK);
    }
    EXPECT_EQ(opened, 0);
}

TEST_F(ModelFile, DamagedFilesAreReportedWhereTheyFail) {
    QList<QByteArray> letterForDesign = Body(), letterForCoefficient = Body();
    letterForDesign[2] = "x";
    letterForCoefficient[7] = "1a";
    QByteArray ascending; // every byte value once: three lines, then the old reader runs dry
    for (int b = 0; b < 256; ++b)
        ascending += char(b);
    const QByteArray tenMB(10 << 20, 'x');
    // One line of comma-separated records: complete two-equation bodies, the last one cut.
    const QByteArray body =
        QByteArray(100, 'm') + ",p,1,d,t,2,2,1,3,a,1,3,5,b" + QByteArray(10, ',');
    QByteArray oneLine;
    while (oneLine.size() < (10 << 20))
        oneLine += body + ',';
    oneLine += "n,p,1,d,t,2,2,1";

    const struct {
        const char* name;
        QByteArray content;
        int number;
        const char* label;
    } cases[] = {
        {"empty", "", Err::InputPastEndOfFile, "Readfile"},
        {"cut after the product name", "\"KORVEL\"\r\n", Err::InputPastEndOfFile, "Readfile"},
        {"cut in the identification", File_Of(Header + Body().mid(0, 3)), Err::InputPastEndOfFile,
         "Read_Matrix"},
        {"cut in the rows", File_Of(Header + Body().mid(0, 11)), Err::InputPastEndOfFile,
         "Read_Matrix"},
        {"cut in the tail", File_Of(Header + Body() + Tail().mid(0, 4)), Err::InputPastEndOfFile,
         "Read_Matrix"},
        {"N = 0", File_Of(Header + Body("0") + Tail()), Err::SubscriptOutOfRange, "Read_Matrix"},
        {"N = 1", File_Of(Header + Body("1") + Tail()), Err::SubscriptOutOfRange, "Read_Matrix"},
        {"N = 17", File_Of(Header + Body("17") + Tail()), Err::SubscriptOutOfRange, "Read_Matrix"},
        {"N = -3", File_Of(Header + Body("-3") + Tail()), Err::SubscriptOutOfRange, "Read_Matrix"},
        {"N = 40000", File_Of(Header + Body("40000") + Tail()), Err::Overflow, "Read_Matrix"},
        {"N = 17, old file", File_Of(Records(R"("X"|"1")") + Body("17")), Err::SubscriptOutOfRange,
         "Read Oldfile"},
        {"letter for the design number", File_Of(Header + letterForDesign + Tail()),
         Err::TypeMismatch, "Read_Matrix"},
        {"letter in a coefficient", File_Of(Header + letterForCoefficient + Tail()),
         Err::TypeMismatch, "Read_Matrix"},
        {"every byte value", ascending, Err::InputPastEndOfFile, "Read Oldfile"},
        {"10 MB model name", File_Of(Header) + '"' + tenMB, Err::InputPastEndOfFile, "Read_Matrix"},
        {"10 MB of digits for N", File_Of(Header + Body(QByteArray(10 << 20, '7'))), Err::Overflow,
         "Read_Matrix"},
        {"10 MB line of records", File_Of(Header) + oneLine, Err::InputPastEndOfFile,
         "Read_Matrix"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Initialize();
        Solved = true;
        messages.shown.clear();
        const Snapshot before = Snapshot::Take();
        Read_And_Show(c.content);
        Expect_One_Report(messages, c.number, QString::fromLatin1(c.label));
        Expect_Count_In_Range();
        if (QByteArray(c.label) == "Readfile") {
            EXPECT_EQ(Snapshot::Take(), before);
        } else {
            EXPECT_FALSE(Solved);
        }
    }
}

TEST_F(ModelFile, RandomBytesAreReportedNeverCrash) {
    std::mt19937 random(20081130);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random() % 4096) + 1, '\0');
        for (char& b : bytes)
            b = char(random() % 256);
        messages.shown.clear();
        Read_And_Show(bytes);
        ASSERT_EQ(messages.shown.size(), 1u) << round;
        EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("has occurred in Read")))
            << messages.shown[0].text.toStdString();
        Expect_Count_In_Range();
    }
}

TEST_F(ModelFile, TextThatIsNotUtf8IsReadAsWindows1252) {
    const struct {
        const char* name;
        QByteArray prefix; // before the model name's bytes
        QByteArray nameBytes;
        QString expected;
    } cases[] = {
        {"Windows-1252", "", "L\xE4nge \x80 \x9C", QStringLiteral("Länge € œ")},
        {"UTF-8", "", "L\xC3\xA4nge \xE2\x82\xAC \xC5\x93", QStringLiteral("Länge € œ")},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBF", "L\xC3\xA4nge \xE2\x82\xAC \xC5\x93",
         QStringLiteral("Länge € œ")},
        {"cut UTF-8 sequence", "", "L\xC3", QStringLiteral("LÃ")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Initialize();
        Read_And_Show(c.prefix + File_Of(Header + QList<QByteArray>{'"' + c.nameBytes + '"'} +
                                         Body().mid(1) + Tail()));
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(File_Name, c.expected);
        EXPECT_EQ(Var_Name[2], QStringLiteral("b"));
    }
}

TEST_F(ModelFile, ReadsSayWhatHappenedAndOnlyACompleteReadIsConfirmed) {
    int opened = 0;
    Set_Entry_Screen_Opener([&] { ++opened; });
    First_Activate = false; // after start-up, when a read is confirmed
    File_Path = QStringLiteral("/models/m.kvl");

    const ReadResult read = Read_And_Show(File_Of(Header + Body() + Tail()));
    EXPECT_TRUE(read.Complete());
    EXPECT_EQ(messages.Texts(),
              std::vector<QString>{QStringLiteral("File /models/m.kvl successfully read.")});
    EXPECT_EQ(opened, 1);

    const ReadResult refused = Readfile(File_Of(Records(R"("KORVEL"|"8.0")") + Body()));
    EXPECT_EQ(refused.status, ReadResult::Status::Refused);

    // A file that ends after its header holds no equations: input past end of file at its
    // third record, reported and never confirmed.
    const struct {
        const char* name;
        QByteArray content;
        int number, record;
        const char* label;
    } failures[] = {
        {"header only", File_Of(Header), Err::InputPastEndOfFile, 3, "Read_Matrix"},
        {"header only, no line end", "\"KORVEL\"\r\n\"9.0\"", Err::InputPastEndOfFile, 3,
         "Read_Matrix"},
        {"cut in the rows", File_Of(Header + Body().mid(0, 11)), Err::InputPastEndOfFile, 14,
         "Read_Matrix"},
        {"N = 17", File_Of(Header + Body("17") + Tail()), Err::SubscriptOutOfRange, 8,
         "Read_Matrix"},
        {"letter for the design number, old file",
         File_Of(Records(R"("X"|"1")") + Records(R"("m"|"p"|x)")), Err::TypeMismatch, 5,
         "Read Oldfile"},
        {"empty", "", Err::InputPastEndOfFile, 1, "Readfile"},
    };
    for (const auto& c : failures) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        opened = 0;
        const ReadResult result = Read_And_Show(c.content);
        EXPECT_EQ(result.status, ReadResult::Status::Error);
        EXPECT_EQ(result.error.number, c.number);
        EXPECT_EQ(result.error.label, QString::fromLatin1(c.label));
        EXPECT_EQ(result.record, c.record);
        Expect_One_Report(messages, c.number, QString::fromLatin1(c.label));
        // What was read stands in the entry screen; a header that failed changed nothing.
        EXPECT_EQ(opened, QByteArray(c.label) == "Readfile" ? 0 : 1);
    }
}

TEST_F(ModelFile, WritefileSaysWhetherTheFileIsComplete) {
    QTemporaryDir dir;
    Load_Example();
    const QString path = dir.filePath(QStringLiteral("truss.kvl"));
    const WriteResult written = Write_Model_File(path);
    EXPECT_TRUE(written.written);
    EXPECT_TRUE(messages.shown.empty()); // the values alone show nothing
    EXPECT_EQ(Read_Model_File(path).status, ReadResult::Status::Complete);
}

TEST_F(ModelFile, OnlyRegularFilesOfModestSizeAreReadAndErrorsNameTheFile) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("f.kvl"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString endless = dir.filePath(QStringLiteral("z.kvl"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), endless));
    const QString folder = dir.filePath(QStringLiteral("folder.kvl"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString big = dir.filePath(QStringLiteral("big.kvl"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(16 * 1024 * 1024 + 1)); // sparse: no disk taken
    }
    const QString missing = dir.filePath(QStringLiteral("missing.kvl"));

    const struct {
        QString path;
        int number;
        const char* why;
    } cases[] = {
        {fifo, Err::PathFileAccessError, "not a regular file"},
        {endless, Err::PathFileAccessError, "not a regular file"},
        {folder, Err::PathFileAccessError, "not a regular file"},
        {big, Err::PathFileAccessError, "larger than 16 MiB"},
        {missing, Err::FileNotFound, "File not found"},
    };
    Load_Example();
    const Snapshot before = Snapshot::Take();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            Load_Model_File(c.path);
            ADD_FAILURE() << "read";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), c.number);
            EXPECT_TRUE(e.description().contains(QLatin1String(c.why))) << e.what();
            EXPECT_TRUE(e.description().endsWith(QStringLiteral(": ") + c.path)) << e.what();
        }
        EXPECT_EQ(Snapshot::Take(), before);
    }
    EXPECT_TRUE(messages.shown.empty());
}

// A file whose size says nothing of its content (the kernel's files say 0) is still read
// to its end, as a file that grows while it is read is read to the limit.
TEST(WholeFileRead, ReadsPastTheSizeTheFileReported) {
    const QByteArray status = Read_Whole_File(QStringLiteral("/proc/self/status"));
    EXPECT_TRUE(status.startsWith("Name:")) << status.left(40).toStdString();
    EXPECT_TRUE(status.contains("\nPid:"));
}

// ---- Saving: a failed save never costs the file that was there ----

namespace {

// Writes beyond limit bytes fail with "file too large" (also for root) while it lives.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    void (*previousHandler_)(int);
    rlimit previous_{};
};

QByteArray Read_All(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(ModelFile, SaveIntoMissingFolderRaisesPathNotFound) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no such folder/truss.kvl"));
    Load_Example();
    for (const auto& write : {Save_Model_File, Export_To_File}) {
        try {
            write(path);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), Err::PathNotFound);
        }
    }
    EXPECT_TRUE(messages.shown.empty()); // raised to the caller, who reports it
    EXPECT_FALSE(QDir(dir.filePath(QStringLiteral("no such folder"))).exists());
}

TEST_F(ModelFile, FailedWriteLeavesTheOldFileIntact) {
    Load_Example();
    Num_Equations = 16, Last_Index = 15; // well over the size limit below
    const struct {
        const char* name;
        bool (*write)(const QString&);
        const char* label;
    } writers[] = {{"save", Save_Model_File, "Writefile"},
                   {"export", Export_To_File, "Print_to_File"}};
    for (const auto& w : writers) {
        SCOPED_TRACE(w.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("truss.kvl"));
        const QByteArray old = "the file that was there\r\n";
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        messages.shown.clear();
        bool written = true;
        {
            const FileSizeLimit limit(64);
            written = w.write(path);
        }
        EXPECT_FALSE(written);
        Expect_One_Report(messages, Err::DeviceIoError, QString::fromLatin1(w.label));
        EXPECT_EQ(Read_All(path), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("truss.kvl")})
            << "no temporary file is left behind";

        // A folder where the file should go cannot be opened as a file (an error raised to
        // the caller) and stays as it is, with what it holds.
        const QString folder = dir.filePath(QStringLiteral("folder.kvl"));
        ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/inside")));
        try {
            w.write(folder);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), Err::PathFileAccessError);
        }
        EXPECT_TRUE(QDir(folder + QStringLiteral("/inside")).exists());
    }
}

TEST_F(ModelFile, SaveIntoReadOnlyFolderRaisesAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("truss.kvl"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old\r\n");
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir.filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permission bits do not stop this user (root) from writing";
    }
    Load_Example();
    // A folder that cannot be made there is read-only, not missing.
    for (const QString& target : {path, dir.filePath(QStringLiteral("new/inside/truss.kvl"))}) {
        try {
            Save_Model_File(target);
            ADD_FAILURE() << "no error for " << target.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), Err::PathFileAccessError) << target.toStdString();
            if (target != path) {
                EXPECT_TRUE(e.description().contains(dir.path() + QStringLiteral(" is read-only")))
                    << e.description().toStdString();
            }
        }
    }
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(Read_All(path), QByteArray("old\r\n"));
}

// ---- The model name of a path ----

TEST_F(ModelFile, StripFilenameGivesTheNameWithoutFolderAndExtension) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {{"C:\\Models\\bridge.kvl", "bridge"},
                 {"bridge.kvl", "bridge"},
                 {"C:\\a.b\\x.kvl", "x"},
                 {"/home/ann/truss.kvl", "truss"},
                 {"/home/a.b/c.d/x.kvl", "x"},
                 {"C:\\Work/mixed\\t.kvl", "t"},
                 {"C:\\Models\\notes", "notes"},
                 {"/tmp/ab", "ab"},
                 {"C:\\.kvl", ""},
                 {"Länge ü.kvl", "Länge ü"}};
    for (const auto& c : cases)
        EXPECT_EQ(StripFilename(QString::fromUtf8(c.path)), QString::fromUtf8(c.name)) << c.path;
    EXPECT_TRUE(messages.shown.empty());

    for (const QString& tooShort : {QString(), QStringLiteral("a.b")}) {
        messages.shown.clear();
        try {
            StripFilename(tooShort);
            ADD_FAILURE() << "no error for " << tooShort.toStdString();
        } catch (const RuntimeError& e) {
            Expect_One_Report(messages, e.number(), QStringLiteral("StripFilename"));
            EXPECT_NE(e.number(), 0);
        }
    }
}

TEST_F(ModelFile, ErrorsOfADamagedFileNameTheFileAndTheLine) {
    QList<QByteArray> letter = Body();
    letter[7] = "1a";
    const struct {
        QByteArray content;
        int number; // as without the place: stored files and users know these
        const char* place;
    } cases[] = {
        {"\"KORVEL\"\r\n", Err::InputPastEndOfFile, "line 2"},
        {File_Of(Header + Body().mid(0, 11)), Err::InputPastEndOfFile, "line 14"},
        {File_Of(Header + Body("17") + Tail()), Err::SubscriptOutOfRange, "line 8"},
        {File_Of(Header + letter + Tail(), "\n"), Err::TypeMismatch, "line 10"},
        {File_Of(Records(R"("X"|"1"|"m"|"p"|x)")), Err::TypeMismatch, "line 5"}, // older layout
        {"\"KORVEL\"\r\n\"9.0\"\r\nm,p,1,d,t,17\r\n", Err::SubscriptOutOfRange, "line 3, record 8"},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString path = dir.filePath(QStringLiteral("damaged %1.kvl").arg(&c - cases));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.content) == c.content.size());
        file.close();
        const ReadResult result = Read_Model_File(path);
        EXPECT_EQ(result.error.number, c.number) << c.place;
        EXPECT_EQ(result.error.description, Error_Description(c.number) + QStringLiteral(": ") +
                                                path + QLatin1Char(' ') + QLatin1String(c.place));
        EXPECT_TRUE(Readfile(c.content).error.description.endsWith(QLatin1String(c.place)));
    }
}
