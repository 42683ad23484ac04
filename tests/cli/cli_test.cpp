// korvel-cli's commands, run in-process.
#include "cli/cli_commands.h"
#include "model/mod_matrix.h"
#include "text/shortest_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
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
Result Run_Cli(const QStringList& arguments) {
    std::ostringstream out, err;
    const int code = Run(arguments, out, err);
    return {code, out.str(), err.str()};
}
} // namespace

TEST(Cli, SolvesTheDefaultSetAndTheExamples) {
    const Result def = Run_Cli({QStringLiteral("solve")});
    EXPECT_EQ(def.code, 0);
    EXPECT_EQ(def.out, "Y 1\t1.0000000000000002\nY 2\t1.9999999999999993\nY 3\t3\n");
    EXPECT_EQ(def.err, "");

    const Result ex =
        Run_Cli({QStringLiteral("solve"), QStringLiteral("--example"), QStringLiteral("11-2")});
    EXPECT_EQ(ex.code, 0);
    std::istringstream lines(ex.out);
    std::string line;
    const double expected[] = {-39.232, -10.336, 39.373, -3.164, -5.295, 177.590};
    int i = 0;
    while (std::getline(lines, line)) {
        ASSERT_LT(i, 6);
        const auto tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos);
        EXPECT_EQ(line.substr(0, tab), "Y " + std::to_string(i + 1));
        EXPECT_NEAR(std::stod(line.substr(tab + 1)), expected[i], 0.0005);
        ++i;
    }
    EXPECT_EQ(i, 6);
}

TEST(Cli, UsageErrorsExitWith64) {
    for (const QStringList& args :
         {QStringList{}, QStringList{QStringLiteral("frob")},
          QStringList{QStringLiteral("solve"), QStringLiteral("--example")},
          QStringList{QStringLiteral("solve"), QStringLiteral("--example"), QStringLiteral("9")},
          // Several files are a batch; standard input can be read only once.
          QStringList{QStringLiteral("solve"), QStringLiteral("x"), QStringLiteral("-"),
                      QStringLiteral("-")}}) {
        const Result r = Run_Cli(args);
        EXPECT_EQ(r.code, 64);
        EXPECT_NE(r.err.find("usage: korvel-cli"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
}

TEST(Cli, ShortestTextReadsBackExactly) {
    EXPECT_EQ(korvel::Shortest_Text(1).toStdString(), "1");
    EXPECT_EQ(korvel::Shortest_Text(0.1).toStdString(), "0.1");
    EXPECT_EQ(korvel::Shortest_Text(-2.5).toStdString(), "-2.5");
    for (double v : {1.0 / 3, 1e-300, 123456.789e100, -0.000123}) {
        const std::string t = korvel::Shortest_Text(v).toStdString();
        EXPECT_EQ(std::stod(t), v) << t;
    }
}

TEST(Cli, ZeroPivotAndRunTimeErrorsExitWithTheirCodes) {
    using namespace korvel;
    Initialize();
    Num_Equations = 2;
    Last_Index = 1;
    A_Matrix[1][1] = 1, A_Matrix[1][2] = 2, A_Matrix[2][1] = 2, A_Matrix[2][2] = 4;
    std::ostringstream out, err;
    EXPECT_EQ(Solve_And_Print(out, err), ExitCode::ZeroPivot);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "There is a zero value on diagonal in column 2\n");

    A_Matrix[1][2] = 1e308, A_Matrix[2][1] = 1, A_Matrix[2][2] = -1e308;
    std::ostringstream out2, err2;
    EXPECT_EQ(Solve_And_Print(out2, err2), ExitCode::RunTimeError);
    EXPECT_EQ(err2.str(), "Error 6   (Overflow)  has occurred in SimQ\n");
}

TEST(Cli, FilesThatAreNotReadInWholeExitWithOneAndSayWhy) {
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& content) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    };
    const QString headerOnly = write("header.kvl", "\"KORVEL\"\r\n\"9.0\"\r\n");
    const QString v8 = write("v8.kvl", "\"KORVEL\"\r\n\"8.0\"\r\n");
    const QString folder = dir.filePath(QStringLiteral("folder.kvl"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    const struct {
        QString path;
        std::string err;
    } cases[] = {
        {headerOnly, "Error 62   (Input past end of file: " + headerOnly.toStdString() +
                         " line 3)  has occurred in Read_Matrix\n"},
        {v8, "This data file is not compatible with this version of KORVEL.\n"},
        // Files that cannot be read: the error and the file, without the window's words.
        {folder,
         "Error 75   (Path/File access error: not a regular file: " + folder.toStdString() + ")\n"},
        {missing, "Error 53   (File not found: " + missing.toStdString() + ")\n"},
    };
    for (const auto& c : cases) {
        const Result r = Run_Cli({QStringLiteral("solve"), c.path});
        EXPECT_EQ(r.code, ExitCode::FileError) << c.path.toStdString();
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    // A save into a folder that does not exist names the file it could not create.
    const QString nowhere = dir.filePath(QStringLiteral("none/x.kvl"));
    const Result save = Run_Cli(
        {QStringLiteral("save"), QStringLiteral("--example"), QStringLiteral("test"), nowhere});
    EXPECT_EQ(save.code, ExitCode::FileError);
    EXPECT_EQ(save.err.rfind("Error 76   (Path not found", 0), 0u) << save.err;
    EXPECT_NE(save.err.find(nowhere.toStdString() + ")  has occurred in frm_Homescreen.SaveAs"),
              std::string::npos)
        << save.err;
}

namespace {

QString Write_File(const QTemporaryDir& dir, const char* name, const QByteArray& content) {
    QFile file(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return file.fileName();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

QJsonObject Json_Object(const std::string& line) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
}

// What a batch prints for one file that solves: what the file alone prints, each row after
// the file (the CSV header once, before every file); JSON is compared object by object.
std::string Batch_Part(const std::string& alone, const char* format, const QString& file) {
    std::string part;
    const std::string name = file.toStdString();
    for (const std::string& line : Lines(alone)) {
        if (std::string(format) == "tsv") part += name + '\t' + line + '\n';
        if (std::string(format) == "csv" && line != "name,value") part += name + ',' + line + '\n';
        if (std::string(format) == "json") part += line + '\n';
    }
    return part;
}

} // namespace

// Several files in one run: each one's rows as it alone gives them, after its name, in the
// order given; a failing file is named on standard error and the run goes on to the next.
// The same on one thread and on several, where plain system texts are solved beside the
// model's reading of the others.
TEST(CliBatch, SolveGoesOnPastFailingFilesAndNamesEachRow) {
    QTemporaryDir dir;
    const QString a = Write_File(dir, "a.csv", "2,1,5\n1,3,10\n");
    const QString b = dir.filePath(QStringLiteral("b.kvl"));
    ASSERT_EQ(
        Run_Cli({QStringLiteral("save"), QStringLiteral("--example"), QStringLiteral("11-2"), b})
            .code,
        ExitCode::Ok);
    const QString c = Write_File(dir, "c.csv", "u,v\n1,1,2\n1,-1,0\n");
    const QString zero = Write_File(dir, "zero.csv", "1,2,3\n2,4,6\n");
    const QString missing = dir.filePath(QStringLiteral("missing.csv"));
    const struct {
        QStringList files;
        int code;
        QStringList failing; // in the order named on standard error
    } cases[] = {
        {{a, b, missing, c}, ExitCode::FileError, {missing}},
        {{zero, a, missing, b}, ExitCode::ZeroPivot, {zero, missing}},
        {{a, c}, ExitCode::Ok, {}},
    };
    for (const char* jobs : {"1", "3"})
        for (const char* format : {"tsv", "csv", "json"}) {
            for (const auto& c : cases) {
                SCOPED_TRACE(std::string(format) + " --jobs " + jobs + " " +
                             c.files.join(u' ').toStdString());
                const QStringList options{QStringLiteral("solve"), QStringLiteral("--format"),
                                          QString::fromLatin1(format)};
                const Result batch = Run_Cli(
                    options + QStringList{QStringLiteral("--jobs"), QString::fromLatin1(jobs)} +
                    c.files);
                EXPECT_EQ(batch.code, c.code);
                std::string expected = std::string(format) == "csv" ? "file,name,value\n" : "";
                for (const QString& file : c.files)
                    if (!c.failing.contains(file))
                        expected +=
                            Batch_Part(Run_Cli(options + QStringList{file}).out, format, file);
                if (std::string(format) != "json") {
                    EXPECT_EQ(batch.out, expected);
                } else {
                    const std::vector<std::string> got = Lines(batch.out), alone = Lines(expected);
                    ASSERT_EQ(got.size(), alone.size());
                    qsizetype next = 0;
                    for (size_t i = 0; i < got.size(); ++i) {
                        while (c.failing.contains(c.files[next]))
                            ++next;
                        EXPECT_EQ(got[i].rfind("{\"file\":", 0), 0u) << got[i];
                        QJsonObject object = Json_Object(got[i]);
                        EXPECT_EQ(object.take(QStringLiteral("file")).toString(), c.files[next++]);
                        EXPECT_EQ(object, Json_Object(alone[i]));
                    }
                }
                // Each failing file's message as it alone gives it, after its name.
                std::string messages;
                for (const QString& file : c.failing)
                    for (const std::string& line :
                         Lines(Run_Cli({QStringLiteral("solve"), file}).err))
                        messages += file.toStdString() + ": " + line + '\n';
                EXPECT_EQ(batch.err, messages);
            }
        }
}

// --help and --version answer on standard output and succeed; anything the command line does
// not allow fails with 64 and the usage on standard error.
TEST(CliBatch, HelpVersionAndUnknownOptions) {
    const struct {
        QStringList arguments;
        int code;
        const char* out_start; // empty: nothing on standard output, the usage on standard error
    } cases[] = {
        {{QStringLiteral("--help")}, ExitCode::Ok, "korvel-cli: "},
        {{QStringLiteral("-h")}, ExitCode::Ok, "korvel-cli: "},
        {{QStringLiteral("solve"), QStringLiteral("--help")},
         ExitCode::Ok,
         "usage: korvel-cli solve "},
        {{QStringLiteral("save"), QStringLiteral("x.csv"), QStringLiteral("-h")},
         ExitCode::Ok,
         "usage: korvel-cli save "},
        {{QStringLiteral("--version")}, ExitCode::Ok, "korvel-cli 9."},
        {{QStringLiteral("--frob")}, ExitCode::Usage, ""},
        {{QStringLiteral("--version"), QStringLiteral("--frob")}, ExitCode::Usage, ""},
        {{QStringLiteral("solve"), QStringLiteral("--frob")}, ExitCode::Usage, ""},
        {{QStringLiteral("solve"), QStringLiteral("-x")}, ExitCode::Usage, ""},
        {{QStringLiteral("solve"), QStringLiteral("--format")}, ExitCode::Usage, ""},
        {{QStringLiteral("solve"), QStringLiteral("--format"), QStringLiteral("csv"),
          QStringLiteral("--format=tsv")},
         ExitCode::Usage,
         ""},
        {{QStringLiteral("solve"), QStringLiteral("--example"), QStringLiteral("test"),
          QStringLiteral("a.csv")},
         ExitCode::Usage,
         ""},
        {{QStringLiteral("export"), QStringLiteral("a.csv")}, ExitCode::Usage, ""},
        {{QStringLiteral("save"), QStringLiteral("a.csv"), QStringLiteral("b.csv"),
          QStringLiteral("c.kvl")},
         ExitCode::Usage,
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const Result r = Run_Cli(c.arguments);
        EXPECT_EQ(r.code, c.code);
        if (*c.out_start) {
            EXPECT_EQ(r.out.rfind(c.out_start, 0), 0u) << r.out;
            EXPECT_EQ(r.out.back(), '\n');
            EXPECT_EQ(r.err, "");
        } else {
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err.find("usage: korvel-cli solve"), std::string::npos) << r.err;
        }
    }
}
