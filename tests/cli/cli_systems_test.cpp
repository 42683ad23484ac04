// korvel-cli with systems as text: the same answers from a .kvl, a CSV file and standard
// input, the output formats, and saving a text system as a model file.
#include "cli/cli_commands.h"
#include "cli/system_input.h"
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "text/shortest_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cmath>
#include <sstream>
#include <vector>

using namespace korvel::cli;

namespace {

struct Result {
    int code;
    std::string out, err;
};

Result Run_Cli(const QStringList& arguments, const std::string& input = {}) {
    std::istringstream in(input);
    Set_Standard_Input(&in);
    std::ostringstream out, err;
    const int code = Run(arguments, out, err);
    Set_Standard_Input(nullptr);
    return {code, out.str(), err.str()};
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return file.fileName();
}

// Example 11-2 as a text system, the separator between cells, its numbers exact.
QByteArray Example_As_Text(char separator) {
    korvel::Load_Example(korvel::Example::Example11_2);
    QByteArray text = "# Example 11-2\n";
    for (int i = 1; i <= korvel::Num_Equations; ++i) {
        for (int j = 1; j <= korvel::Num_Equations + 1; ++j) {
            const double v =
                j <= korvel::Num_Equations ? korvel::A_Matrix[i][j] : korvel::C_Vector[i];
            text += korvel::Shortest_Text(v).toLatin1();
            text += j <= korvel::Num_Equations ? separator : '\n';
        }
    }
    return text;
}

} // namespace

TEST(CliSystems, TextSystemsAndStandardInputSolveAsTheModelFileDoes) {
    QTemporaryDir dir;
    const QString kvl = dir.filePath(QStringLiteral("ex.kvl"));
    ASSERT_EQ(
        Run_Cli({QStringLiteral("save"), QStringLiteral("--example"), QStringLiteral("11-2"), kvl})
            .code,
        ExitCode::Ok);
    const Result model = Run_Cli({QStringLiteral("solve"), kvl});
    ASSERT_EQ(model.code, ExitCode::Ok) << model.err;
    ASSERT_EQ(std::count(model.out.begin(), model.out.end(), '\n'), 6);

    const QString csv = Write(dir, QStringLiteral("ex.csv"), Example_As_Text(','));
    const QString txt = Write(dir, QStringLiteral("ex.txt"), Example_As_Text(' '));
    EXPECT_EQ(Run_Cli({QStringLiteral("solve"), csv}).out, model.out);
    EXPECT_EQ(
        Run_Cli({QStringLiteral("solve"), QStringLiteral("-")}, Example_As_Text('\t').toStdString())
            .out,
        model.out);
    // Standard input may also carry a model file.
    QFile kvlFile(kvl);
    ASSERT_TRUE(kvlFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        Run_Cli({QStringLiteral("solve"), QStringLiteral("-")}, kvlFile.readAll().toStdString())
            .out,
        model.out);

    // JSON and CSV carry the same names and values as the tab-separated lines.
    std::string expectedJson = "{\"unknowns\":[", expectedCsv = "name,value\n";
    std::istringstream lines(model.out);
    std::string line;
    for (int i = 0; std::getline(lines, line); ++i) {
        const auto tab = line.find('\t');
        const std::string name = line.substr(0, tab), value = line.substr(tab + 1);
        // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "..." + string.
        expectedJson.append(i ? "," : "").append("{\"name\":\"").append(name);
        expectedJson.append("\",\"value\":").append(value).append("}");
        expectedCsv.append(name).append(",").append(value).append("\n");
    }
    const Result json =
        Run_Cli({QStringLiteral("solve"), csv, QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_EQ(json.code, ExitCode::Ok);
    EXPECT_EQ(json.out, expectedJson + "]}\n");
    EXPECT_EQ(
        Run_Cli({QStringLiteral("solve"), QStringLiteral("--format"), QStringLiteral("csv"), txt})
            .out,
        expectedCsv);
    EXPECT_EQ(
        Run_Cli({QStringLiteral("solve"), QStringLiteral("--format"), QStringLiteral("tsv"), txt})
            .out,
        model.out);

    // A text system saved as a model file solves the same again.
    const QString saved = dir.filePath(QStringLiteral("from-csv.kvl"));
    ASSERT_EQ(Run_Cli({QStringLiteral("save"), csv, saved}).code, ExitCode::Ok);
    EXPECT_EQ(Run_Cli({QStringLiteral("solve"), saved}).out, model.out);
    const QString exported = dir.filePath(QStringLiteral("out.txt"));
    EXPECT_EQ(Run_Cli({QStringLiteral("export"), QStringLiteral("-"), exported},
                      Example_As_Text(';').toStdString())
                  .code,
              ExitCode::Ok);
    EXPECT_TRUE(QFile::exists(exported));
}

TEST(CliSystems, NamesAreQuotedAsEachFormatNeedsAndBadInputFails) {
    const std::string named = "\"a, b\",\"say \"\"hi\"\"\"\n1,0,2\n0,1,3\n";
    const Result csv = Run_Cli({QStringLiteral("solve"), QStringLiteral("--format"),
                                QStringLiteral("csv"), QStringLiteral("-")},
                               named);
    EXPECT_EQ(csv.out, "name,value\n\"a, b\",2\n\"say \"\"hi\"\"\",3\n");
    const Result json = Run_Cli({QStringLiteral("solve"), QStringLiteral("--format"),
                                 QStringLiteral("json"), QStringLiteral("-")},
                                named);
    EXPECT_EQ(json.out, "{\"unknowns\":[{\"name\":\"a, b\",\"value\":2},{\"name\":\"say "
                        "\\\"hi\\\"\",\"value\":3}]}\n");

    const Result bad = Run_Cli({QStringLiteral("solve"), QStringLiteral("-")}, "1 2 3\n4 x 6\n");
    EXPECT_EQ(bad.code, ExitCode::FileError);
    EXPECT_EQ(bad.err, "Error 13   (standard input line 2, cell 2: \"x\" is not a number)  has "
                       "occurred in Import\n");
    EXPECT_EQ(bad.out, "");

    for (const QStringList& usage :
         {QStringList{QStringLiteral("solve"), QStringLiteral("--format"), QStringLiteral("xml")},
          QStringList{QStringLiteral("solve"), QStringLiteral("--format")},
          QStringList{QStringLiteral("solve"), QStringLiteral("--frob")},
          QStringList{QStringLiteral("save"), QStringLiteral("-")}}) {
        const Result r = Run_Cli(usage);
        EXPECT_EQ(r.code, ExitCode::Usage) << usage.join(QLatin1Char(' ')).toStdString();
        EXPECT_NE(r.err.find("usage: korvel-cli"), std::string::npos);
    }
}

// Equations singular to working precision, whose "answer" is rounding noise, fail with a
// message and a status of their own, whatever command asked for the answer. (Rank 2 of 3,
// with decimal commas; no zero pivot, and no solution.)
TEST(CliSystems, EquationsSingularToWorkingPrecisionAreRefused) {
    QTemporaryDir dir;
    const QString system =
        Write(dir, QStringLiteral("system.csv"), "2;1,5;-1;8\n-3;-1;2;-11\n-2;1;2;-3\n");
    const Result solved = Run_Cli({QStringLiteral("solve"), system});
    EXPECT_EQ(solved.code, ExitCode::SingularToWorkingPrecision) << solved.err;
    EXPECT_EQ(solved.out, "");
    EXPECT_NE(solved.err.find("singular to working precision"), std::string::npos) << solved.err;
    const QString exported = dir.filePath(QStringLiteral("out.txt"));
    const Result refused = Run_Cli({QStringLiteral("export"), system, exported});
    EXPECT_EQ(refused.code, ExitCode::SingularToWorkingPrecision);
    EXPECT_EQ(refused.err, solved.err);
    EXPECT_FALSE(QFile::exists(exported));
    bool printed = false;
    std::ostringstream out, err;
    EXPECT_EQ(
        korvel::cli::Run({QStringLiteral("print"), system, dir.filePath(QStringLiteral("out.pdf"))},
                         out, err,
                         [&](const QString&) {
                             printed = true;
                             return korvel::WriteResult::Done();
                         }),
        ExitCode::SingularToWorkingPrecision);
    EXPECT_EQ(err.str(), solved.err);
    EXPECT_FALSE(printed);
}

TEST(CliSystems, UnicodeTextIsReadFromFilesAndStandardInput) {
    // Excel's "Unicode Text": a byte-order mark, CR LF, tabs.
    const QString text = QStringLiteral("x\ty\tc\r\n2\t0\t3\r\n0\t4\t-1\r\n");
    QTemporaryDir dir;
    for (const auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encode(encoding, QStringEncoder::Flag::WriteBom);
        const QByteArray content = encode(text);
        const QString path = Write(dir, QStringLiteral("u.txt"), content);
        const Result file = Run_Cli({QStringLiteral("solve"), path});
        EXPECT_EQ(file.out, "x\t1.5\ny\t-0.25\n") << file.err;
        EXPECT_EQ(
            Run_Cli({QStringLiteral("solve"), QStringLiteral("-")}, content.toStdString()).out,
            file.out);
    }
}
