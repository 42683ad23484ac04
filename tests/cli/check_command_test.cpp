// `korvel-cli check`, run in-process: the three kinds of system, as text and as JSON, and
// the exit status of each way it can end.
#include "cli/check_command.h"
#include "cli/cli_commands.h"
#include "cli/solution_formats.h"
#include "cli/steps_command.h"
#include "files/model_io.h"
#include "model/mod_matrix.h"
#include "text/shortest_text.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <random>
#include <regex>
#include <sstream>
#include <vector>

using namespace korvel::cli;

namespace {

struct Result {
    int code;
    std::string out, err;
};

Result Run_Check_Cli(const QStringList& arguments) {
    std::ostringstream out, err;
    const int code = Run_Check(arguments, out, err);
    return {code, out.str(), err.str()};
}

// The JSON object a run printed, after checking that it is one object on one line and has
// every key of the documented shape.
QJsonObject Parsed(const Result& r) {
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    QJsonParseError error;
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out;
    EXPECT_TRUE(document.isObject());
    const QJsonObject object = document.object();
    for (const char* key : {"status", "n", "rank", "rank_augmented", "condition", "residual",
                            "unknowns", "free", "general"})
        EXPECT_TRUE(object.contains(QLatin1String(key))) << key;
    EXPECT_TRUE(object[QStringLiteral("unknowns")].isArray());
    for (const QJsonValue& unknown : object[QStringLiteral("unknowns")].toArray())
        for (const char* key : {"name", "float", "exact", "correct_digits"})
            EXPECT_TRUE(unknown.toObject().contains(QLatin1String(key))) << key;
    return object;
}

// A model file holding the two equations [a11 a12; a21 a22] x = [c1; c2].
class CheckFiles : public ::testing::Test {
  protected:
    QTemporaryDir dir;

    QString Two_Equations(const char* name, std::initializer_list<double> values) {
        using namespace korvel;
        Initialize();
        Num_Equations = 2;
        Last_Index = 1;
        const double* v = values.begin();
        A_Matrix[1][1] = v[0], A_Matrix[1][2] = v[1], C_Vector[1] = v[2];
        A_Matrix[2][1] = v[3], A_Matrix[2][2] = v[4], C_Vector[2] = v[5];
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(Write_Model_File(path).written);
        return path;
    }
};

} // namespace

TEST(CliCheck, DefaultSystemIsUniqueWithItsExactValues) {
    const Result text = Run_Check_Cli({});
    EXPECT_EQ(text.code, ExitCode::Ok);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out.rfind("Unique solution.\n", 0), 0u) << text.out;
    EXPECT_NE(text.out.find("Y 1\t1.0000000000000002\t1\t15\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Y 2\t1.9999999999999993\t2\t15\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Y 3\t3\t3\t17\n"), std::string::npos) << text.out;

    const Result json = Run_Check_Cli(
        {QStringLiteral("--example"), QStringLiteral("test"), QStringLiteral("--json")});
    EXPECT_EQ(json.code, ExitCode::Ok);
    const QJsonObject check = Parsed(json);
    EXPECT_EQ(check[QStringLiteral("status")].toString(), QStringLiteral("unique"));
    EXPECT_EQ(check[QStringLiteral("n")].toInt(), 3);
    EXPECT_EQ(check[QStringLiteral("rank")].toInt(), 3);
    EXPECT_GT(check[QStringLiteral("condition")].toDouble(), 1.0);
    EXPECT_LT(check[QStringLiteral("residual")].toDouble(), 1e-14);
    const QJsonArray unknowns = check[QStringLiteral("unknowns")].toArray();
    ASSERT_EQ(unknowns.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const QJsonObject unknown = unknowns[i].toObject();
        EXPECT_EQ(unknown[QStringLiteral("name")].toString(), QStringLiteral("Y %1").arg(i + 1));
        EXPECT_EQ(unknown[QStringLiteral("exact")].toString(), QString::number(i + 1));
        EXPECT_NEAR(unknown[QStringLiteral("float")].toDouble(), i + 1, 1e-14);
        EXPECT_GE(unknown[QStringLiteral("correct_digits")].toInt(), 15);
    }
    EXPECT_TRUE(check[QStringLiteral("free")].toArray().isEmpty());
    EXPECT_TRUE(check[QStringLiteral("general")].toArray().isEmpty());
}

TEST_F(CheckFiles, DependentEquationsGiveTheGeneralSolutionAndExitTwo) {
    const QString path = Two_Equations("dependent.kvl", {1, 2, 3, 2, 4, 6});
    const Result text = Run_Check_Cli({path});
    EXPECT_EQ(text.code, ExitCode::NoUniqueSolution);
    // The solver's own message comes first, as `solve` prints it.
    EXPECT_EQ(text.err, "There is a zero value on diagonal in column 2\n");
    EXPECT_EQ(text.out, "The equations are dependent: infinitely many solutions.\n"
                        "Y 2 can be chosen freely.\n"
                        "Y 1 = 3 \u2212 2\u00B7Y 2\n"
                        "Rank of A\t1\nRank of [A | C]\t1\n"
                        "The solver stopped without an answer.\n");

    const QJsonObject check = Parsed(Run_Check_Cli({QStringLiteral("--json"), path}));
    EXPECT_EQ(check[QStringLiteral("status")].toString(), QStringLiteral("infinite"));
    EXPECT_EQ(check[QStringLiteral("free")].toArray(), QJsonArray{QStringLiteral("Y 2")});
    const QJsonArray general = check[QStringLiteral("general")].toArray();
    ASSERT_EQ(general.size(), 1);
    EXPECT_EQ(general[0].toObject()[QStringLiteral("name")].toString(), QStringLiteral("Y 1"));
    EXPECT_EQ(general[0].toObject()[QStringLiteral("constant")].toString(), QStringLiteral("3"));
    EXPECT_EQ(general[0].toObject()[QStringLiteral("terms")].toObject(),
              (QJsonObject{{QStringLiteral("Y 2"), QStringLiteral("-2")}}));
    // The solver stopped: no value, no digits, no residual, no condition.
    for (const QJsonValue& unknown : check[QStringLiteral("unknowns")].toArray()) {
        EXPECT_TRUE(unknown.toObject()[QStringLiteral("float")].isNull());
        EXPECT_TRUE(unknown.toObject()[QStringLiteral("exact")].isNull());
        EXPECT_TRUE(unknown.toObject()[QStringLiteral("correct_digits")].isNull());
    }
    EXPECT_TRUE(check[QStringLiteral("residual")].isNull());
    EXPECT_TRUE(check[QStringLiteral("condition")].isNull());
}

TEST_F(CheckFiles, InconsistentEquationsGiveTheTwoRanksAndExitTwo) {
    const QString path = Two_Equations("inconsistent.kvl", {1, 2, 3, 2, 4, 7});
    const Result text = Run_Check_Cli({path});
    EXPECT_EQ(text.code, ExitCode::NoUniqueSolution);
    EXPECT_EQ(text.out.rfind("The equations contradict each other: no solution.\n"
                             "Rank of A\t1\nRank of [A | C]\t2\n",
                             0),
              0u)
        << text.out;

    const Result json = Run_Check_Cli({path, QStringLiteral("--json")});
    EXPECT_EQ(json.code, ExitCode::NoUniqueSolution);
    const QJsonObject check = Parsed(json);
    EXPECT_EQ(check[QStringLiteral("status")].toString(), QStringLiteral("none"));
    EXPECT_EQ(check[QStringLiteral("rank")].toInt(), 1);
    EXPECT_EQ(check[QStringLiteral("rank_augmented")].toInt(), 2);
    EXPECT_TRUE(check[QStringLiteral("free")].toArray().isEmpty());
}

TEST_F(CheckFiles, OverflowInTheSolverStillGetsTheExactCheck) {
    // The solver overflows; the exact solution exists and is checked all the same.
    const QString path = Two_Equations("overflow.kvl", {1, 1e308, 1, 1, -1e308, 0});
    const Result json = Run_Check_Cli({path, QStringLiteral("--json")});
    EXPECT_EQ(json.code, ExitCode::Ok);
    EXPECT_EQ(json.err, "Error 6   (Overflow)  has occurred in SimQ\n");
    const QJsonObject check = Parsed(json);
    EXPECT_EQ(check[QStringLiteral("status")].toString(), QStringLiteral("unique"));
    const QJsonArray unknowns = check[QStringLiteral("unknowns")].toArray();
    ASSERT_EQ(unknowns.size(), 2);
    EXPECT_EQ(unknowns[0].toObject()[QStringLiteral("exact")].toString(), QStringLiteral("1/2"));
    EXPECT_TRUE(unknowns[0].toObject()[QStringLiteral("float")].isNull());
    EXPECT_TRUE(check[QStringLiteral("residual")].isNull());
}

TEST_F(CheckFiles, DamagedFilesAndBadCommandLinesPrintNoCheck) {
    QFile damaged(dir.filePath(QStringLiteral("damaged.kvl")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("\"KORVEL\"\r\n\"9.0\"\r\n");
    damaged.close();
    for (const QStringList& args : {QStringList{damaged.fileName()},
                                    QStringList{damaged.fileName(), QStringLiteral("--json")},
                                    QStringList{dir.filePath(QStringLiteral("missing.kvl"))}}) {
        const Result r = Run_Check_Cli(args);
        EXPECT_EQ(r.code, ExitCode::FileError) << args.join(u' ').toStdString();
        EXPECT_EQ(r.err.rfind("Error ", 0), 0u) << r.err;
        EXPECT_EQ(r.out, "");
    }
    for (const QStringList& args :
         {QStringList{QStringLiteral("--example")},
          QStringList{QStringLiteral("--example"), QStringLiteral("9")},
          QStringList{QStringLiteral("--frob")},
          QStringList{QStringLiteral("-"), QStringLiteral("a"), QStringLiteral("-")},
          QStringList{QStringLiteral("--json"), QStringLiteral("--json")},
          QStringList{QStringLiteral("--format"), QStringLiteral("xml")},
          QStringList{QStringLiteral("--format")},
          QStringList{QStringLiteral("--json"), QStringLiteral("--format"),
                      QStringLiteral("csv")}}) {
        const Result r = Run_Check_Cli(args);
        EXPECT_EQ(r.code, ExitCode::Usage) << args.join(u' ').toStdString();
        EXPECT_NE(r.err.find("korvel-cli check"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

// --format json is --json; csv gives one spreadsheet row per unknown, empty where unknown.
TEST_F(CheckFiles, FormatsForScriptsAndSpreadsheets) {
    const QString path = Two_Equations("dependent.kvl", {1, 2, 3, 2, 4, 6});
    EXPECT_EQ(Run_Check_Cli({QStringLiteral("--format"), QStringLiteral("json"), path}).out,
              Run_Check_Cli({QStringLiteral("--json"), path}).out);
    EXPECT_EQ(Run_Check_Cli({QStringLiteral("--format"), QStringLiteral("tsv"), path}).out,
              Run_Check_Cli({path}).out);
    const Result csv = Run_Check_Cli({path, QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(csv.code, ExitCode::NoUniqueSolution);
    EXPECT_EQ(csv.out, "name,float,exact,correct_digits\nY 1,,,\nY 2,,,\n");
    const Result unique = Run_Check_Cli({QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_EQ(unique.code, ExitCode::Ok);
    EXPECT_EQ(unique.out.rfind("name,float,exact,correct_digits\nY 1,", 0), 0u) << unique.out;
    EXPECT_NE(unique.out.find(",3,17\n"), std::string::npos) << unique.out;
}

// Every number of the JSON output reads back as the very double it stands for, in `check`
// and in `solve --format json` alike (names with quotes and control characters still
// escaped); a condition number beyond the double range is a string of its value.
TEST_F(CheckFiles, JsonNumbersAreTheExactDoubles) {
    using korvel::Var_Name, korvel::X_Vector;
    for (const double value : {-43234556422756768.0, 123456789012345680.0, 0.1, 1e300}) {
        const std::string text = korvel::Shortest_Text(value).toStdString();
        // As system text: a model file keeps 15 digits.
        QFile file(dir.filePath(QStringLiteral("whole.csv")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString("1,0," + text + "\n0,1,1\n"));
        file.close();
        const Result check = Run_Check_Cli({file.fileName(), QStringLiteral("--json")});
        EXPECT_NE(check.out.find("\"float\":" + text + ","), std::string::npos) << check.out;

        Var_Name[1] = QStringLiteral("a\"b\\c\td\x01\u00E9");
        X_Vector[1] = value;
        std::ostringstream solve;
        Write_Solution(solve, SolutionFormat::Json);
        EXPECT_NE(solve.str().find("\"value\":" + text + "}"), std::string::npos) << solve.str();
        const QJsonDocument read = QJsonDocument::fromJson(QByteArray::fromStdString(solve.str()));
        EXPECT_EQ(read[QStringLiteral("unknowns")][0][QStringLiteral("name")].toString(),
                  Var_Name[1]);
    }
    const QString far = Two_Equations("far.kvl", {4.9e-324, 0, 1, 0, 1e308, 1e308});
    const QJsonObject check = Parsed(Run_Check_Cli({far, QStringLiteral("--json")}));
    EXPECT_EQ(check[QStringLiteral("condition")].toString(), QStringLiteral("2e+631"));
    // 0.1 times the solver's 5e-323 (ten times the smallest double) is 5.9e-326 from 5e-324.
    const QString tiny = Two_Equations("tiny.kvl", {0.1, 0, 5e-324, 0, 1, 1});
    const QJsonObject residual = Parsed(Run_Check_Cli({tiny, QStringLiteral("--json")}));
    EXPECT_TRUE(residual[QStringLiteral("residual")].toString().endsWith(QLatin1String("e-326")))
        << residual[QStringLiteral("residual")].toDouble();
}

TEST_F(CheckFiles, JsonGivesTheDeterminantAndTheInverseWhenThereIsOne) {
    const QJsonObject unique = Parsed(Run_Check_Cli(
        {QStringLiteral("--json"), Two_Equations("unique.kvl", {2, 1, 8, -3, 1, -2})}));
    EXPECT_EQ(unique[QStringLiteral("determinant")].toString(), QStringLiteral("5"));
    EXPECT_EQ(unique[QStringLiteral("inverse")].toArray(),
              (QJsonArray{QJsonArray{QStringLiteral("1/5"), QStringLiteral("-1/5")},
                          QJsonArray{QStringLiteral("3/5"), QStringLiteral("2/5")}}));
    const QJsonObject singular = Parsed(Run_Check_Cli(
        {QStringLiteral("--json"), Two_Equations("singular.kvl", {1, 2, 3, 2, 4, 6})}));
    EXPECT_EQ(singular[QStringLiteral("determinant")].toString(), QStringLiteral("0"));
    EXPECT_TRUE(singular[QStringLiteral("inverse")].isNull());
}

TEST_F(CheckFiles, StepsPrintsTheWorkingInEachFormatAndExitsAsCheck) {
    const QString unique = Two_Equations("unique.kvl", {2, 1, 8, -3, 1, -2});
    const QString none = Two_Equations("none.kvl", {1, 2, 3, 2, 4, 7});
    struct Case {
        QStringList arguments;
        int code;
        const char* expected; // in standard output, or for a usage error in standard error
    };
    const Case cases[] = {
        {{unique}, ExitCode::Ok, "Y 2 = 10 / (5/2) = 4"},
        {{QStringLiteral("--format"), QStringLiteral("latex"), unique},
         ExitCode::Ok,
         "R_{2} \\leftarrow R_{2} + \\frac{3}{2}\\,R_{1}"},
        {{QStringLiteral("--format"), QStringLiteral("markdown"), unique},
         ExitCode::Ok,
         "| R2 | 0 | 5/2 | 10 |"},
        {{QStringLiteral("--pivot"), QStringLiteral("largest"), unique},
         ExitCode::Ok,
         "R1 \u2194 R2"},
        {{none}, ExitCode::NoUniqueSolution, "Row 2 reads 0 = 1."},
        {{QStringLiteral("--pivot"), QStringLiteral("smallest"), unique},
         ExitCode::Usage,
         "usage:"},
        {{QStringLiteral("--format"), QStringLiteral("latex"), QStringLiteral("--format"),
          QStringLiteral("text"), unique},
         ExitCode::Usage,
         "usage:"},
        {{QStringLiteral("--format")}, ExitCode::Usage, "usage:"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        std::ostringstream out, err;
        EXPECT_EQ(Run_Steps(c.arguments, out, err), c.code);
        const std::string& shown = c.code == ExitCode::Usage ? err.str() : out.str();
        EXPECT_NE(shown.find(c.expected), std::string::npos) << shown;
    }
}

// --tolerance adds the bounds in every format; 0.5% and 0.005 are the same tolerance; a
// tolerance that may admit a singular system says so; bad tolerances are usage errors.
TEST_F(CheckFiles, ToleranceAddsBoundsToEveryFormat) {
    const QString diagonal = Two_Equations("diagonal.kvl", {2, 0, 2, 0, 4, 400});
    const Result json = Run_Check_Cli({diagonal, QStringLiteral("--json"),
                                       QStringLiteral("--tolerance"), QStringLiteral("0.5%")});
    EXPECT_EQ(json.code, ExitCode::Ok);
    const QJsonObject check = Parsed(json);
    EXPECT_EQ(check[QStringLiteral("tolerance")].toObject()[QStringLiteral("coefficients")], 0.005);
    EXPECT_TRUE(check[QStringLiteral("bounded")].toBool());
    EXPECT_GT(check[QStringLiteral("bounded_up_to")].toDouble(), 0.5);
    const QJsonObject second = check[QStringLiteral("unknowns")].toArray()[1].toObject();
    // x2 = c2 / a22 = 100, each moved by 0.5 %: 100 * 1.005 / 0.995 at most.
    EXPECT_LE(second[QStringLiteral("high")].toDouble(), 100 * 1.005 / 0.995 * (1 + 1e-6));
    EXPECT_GE(second[QStringLiteral("high")].toDouble(), 100 * 1.005 / 0.995);
    EXPECT_EQ(second[QStringLiteral("driver")].toObject()[QStringLiteral("row")].toInt(), 2);
    EXPECT_EQ(Run_Check_Cli({diagonal, QStringLiteral("--json"), QStringLiteral("--tolerance-a"),
                             QStringLiteral("0.005"), QStringLiteral("--tolerance-c"),
                             QStringLiteral("0.5%")})
                  .out,
              json.out);

    const Result text =
        Run_Check_Cli({diagonal, QStringLiteral("--tolerance"), QStringLiteral("0.5%")});
    EXPECT_NE(text.out.find("\nEvery system whose coefficients are within ±0.5 %"),
              std::string::npos)
        << text.out;
    const Result csv = Run_Check_Cli({diagonal, QStringLiteral("--format"), QStringLiteral("csv"),
                                      QStringLiteral("--tolerance"), QStringLiteral("0")});
    EXPECT_EQ(csv.out.rfind("name,float,exact,correct_digits,low,high\nY 1,1,1,17,", 0), 0u)
        << csv.out;

    const QString near_singular = Two_Equations("near.kvl", {1, 1, 2, 1, 1.01, 2.01});
    const QJsonObject unsafe =
        Parsed(Run_Check_Cli({near_singular, QStringLiteral("--json"),
                              QStringLiteral("--tolerance"), QStringLiteral("1%")}));
    EXPECT_FALSE(unsafe[QStringLiteral("bounded")].toBool());
    EXPECT_TRUE(
        unsafe[QStringLiteral("unknowns")].toArray()[0].toObject()[QStringLiteral("low")].isNull());

    for (const char* bad : {"-1%", "x", "1%%", "inf"}) {
        const Result r =
            Run_Check_Cli({diagonal, QStringLiteral("--tolerance"), QString::fromLatin1(bad)});
        EXPECT_EQ(r.code, ExitCode::Usage) << bad;
    }
    EXPECT_EQ(Run_Check_Cli({diagonal, QStringLiteral("--tolerance"), QStringLiteral("1%"),
                             QStringLiteral("--tolerance-a"), QStringLiteral("1%")})
                  .code,
              ExitCode::Usage);
}

namespace {

std::vector<std::string> Lines_Of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Each line of text after prefix.
std::string Prefixed(const std::string& text, const std::string& prefix) {
    std::string lines;
    for (const std::string& line : Lines_Of(text))
        lines += prefix + line + '\n';
    return lines;
}

// A dominant diagonal keeps it well conditioned; full doubles make its check slow.
QByteArray Random_System(int n, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> value(-1, 1);
    QByteArray text;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= n; ++j)
            text += korvel::Shortest_Text(value(random) + (i == j ? n : 0)).toLatin1() +
                    (j < n ? "," : "\n");
    return text;
}

} // namespace

// Systems of several kinds and sizes, so that threads finish them out of order: checked on
// any number of threads, each prints what it prints alone, after its file, in the order
// given; the exit status is the highest of the files'.
TEST_F(CheckFiles, BatchPrintsEachFileAsAloneInTheOrderGivenOnAnyNumberOfThreads) {
    QStringList files;
    for (unsigned k = 0; k < 12; ++k) {
        const QString name = QStringLiteral("s%1").arg(k);
        switch (k % 4) {
        case 0: {
            files << dir.filePath(name + QStringLiteral(".csv"));
            QFile file(files.last());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(Random_System(16 - static_cast<int>(k), k));
            break;
        }
        case 1:
            files << Two_Equations(qPrintable(name + QStringLiteral(".kvl")), {1, 2, 3, 2, 4, 6});
            break;
        case 2:
            files << dir.filePath(name + QStringLiteral("-missing.csv"));
            break;
        case 3:
            files << Two_Equations(qPrintable(name + QStringLiteral(".kvl")),
                                   {2, 1, 8, -3, static_cast<double>(k), -2});
            break;
        }
    }
    for (const char* format : {"tsv", "csv", "json"}) {
        const QStringList options{QStringLiteral("--format"), QString::fromLatin1(format)};
        std::string alone_out = std::string(format) == "csv" ? "file,name,float,exact,"
                                                               "correct_digits\n"
                                                             : "";
        std::string alone_err;
        for (const QString& file : files) {
            const Result alone = Run_Check_Cli(options + QStringList{file});
            const std::string name = file.toStdString();
            alone_err += Prefixed(alone.err, name + ": ");
            if (std::string(format) == "tsv") alone_out += Prefixed(alone.out, name + '\t');
            if (std::string(format) == "json" && !alone.out.empty())
                alone_out += "{\"file\":\"" + name + "\"," + alone.out.substr(1);
            if (std::string(format) == "csv")
                for (const std::string& line : Lines_Of(alone.out))
                    if (line.rfind("name,", 0) != 0) alone_out += name + ',' + line + '\n';
        }
        for (const char* jobs : {"1", "2", "3", "16"}) {
            SCOPED_TRACE(std::string(format) + " on " + jobs + " threads");
            const Result batch = Run_Check_Cli(
                options + QStringList{QStringLiteral("--jobs"), QString::fromLatin1(jobs)} + files);
            EXPECT_EQ(batch.code, ExitCode::NoUniqueSolution);
            EXPECT_EQ(batch.out, alone_out);
            EXPECT_EQ(batch.err, alone_err);
        }
    }
}

// The progress line shows only on a terminal, once the run has taken long enough, and
// takes itself away before every message and at the end: without it, standard error is
// the same.
TEST_F(CheckFiles, ProgressOnATerminalOnlyAddsALineThatGoesAway) {
    const QStringList files{Two_Equations("a.kvl", {2, 1, 8, -3, 1, -2}),
                            dir.filePath(QStringLiteral("missing.kvl")),
                            Two_Equations("b.kvl", {1, 2, 3, 2, 4, 6})};
    const Result plain = Run_Check_Cli(files);
    const struct {
        ProgressDisplay display;
        bool shown;
    } cases[] = {
        {{true, false, std::chrono::milliseconds(0)}, true},
        {{true, true, std::chrono::milliseconds(0)}, true},
        {{true, false, std::chrono::hours(1)}, false},
        {{false, false, std::chrono::milliseconds(0)}, false},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(Run_Check(files, out, err, c.display), plain.code);
        EXPECT_EQ(out.str(), plain.out);
        EXPECT_EQ(err.str().find("\rchecked 3 of 3 files") != std::string::npos, c.shown)
            << err.str();
        const std::regex progress("\rchecked [0-9]+ of 3 files|\r +\r");
        EXPECT_EQ(std::regex_replace(err.str(), progress, ""), plain.err) << err.str();
    }
}
