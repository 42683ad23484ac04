// korvel-cli's commands, run in-process.
#include "cli/cli_commands.h"
#include "model/mod_matrix.h"
#include "text/shortest_text.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <sstream>

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
          QStringList{QStringLiteral("solve"), QStringLiteral("x"), QStringLiteral("y"),
                      QStringLiteral("z")}}) {
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
