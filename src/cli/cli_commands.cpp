#include "cli/cli_commands.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "files/model_file.h"
#include "files/model_io.h"
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "model/solve_equations.h"
#include "reports/export_file.h"

#include <QFileInfo>

#include <charconv>
#include <ostream>

namespace korvel::cli {

namespace {

const char* const Usage_Text =
    "usage: korvel-cli solve [FILE.kvl | --example test|11-2|11-3]\n"
    "       korvel-cli export FILE.kvl OUT.txt\n"
    "       korvel-cli print FILE.kvl OUT.pdf\n"
    "       korvel-cli save --example test|11-2|11-3 OUT.kvl\n"
    "       korvel-cli check [FILE.kvl | --example test|11-2|11-3] [--json]";

std::string Plain(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QChar(13), QChar(10));
    return plain.trimmed().toStdString();
}

// The error's report as the program's message box would show it.
std::string Report_Text(const ErrorOutcome& error) {
    return Plain(Compose_Error_Report(error.number, error.description, error.label).text);
}

int Usage_Error(std::ostream& err) {
    err << Usage_Text << '\n';
    return ExitCode::Usage;
}

// Reads a model file as a file named at start-up is read; anything but a complete read
// fails the command.
int Load(const QString& path, std::ostream& err) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    ReadResult read;
    try {
        read = Read_Model_File(fullPath);
    } catch (...) {
        err << Report_Text(ErrorOutcome::Of(Current_Error(std::current_exception()),
                                            QStringLiteral(" in Open_Clicked_File")))
            << '\n';
        return ExitCode::FileError;
    }
    switch (read.status) {
    case ReadResult::Status::Complete:
        break;
    case ReadResult::Status::Refused:
        err << Plain(Incompatible_File_Message()) << '\n';
        return ExitCode::FileError;
    case ReadResult::Status::Error:
        err << Report_Text(read.error) << '\n';
        return ExitCode::FileError;
    }
    File_Path = fullPath;
    // A path too short for a model name (possible only at the root) keeps the file name.
    File_Name = fullPath.size() >= 4 ? StripFilename(fullPath) : QFileInfo(fullPath).fileName();
    return ExitCode::Ok;
}

// Solves the model; on failure prints why and returns the exit code.
int Solve(std::ostream& err) {
    Load_C_Work(Num_Equations);
    const SolveResult result = Solve_Equations();
    switch (result.status) {
    case SolveResult::Status::Solved:
        return ExitCode::Ok;
    case SolveResult::Status::ZeroPivot:
        err << Plain(Zero_Pivot_Message(result.column)) << '\n';
        return ExitCode::ZeroPivot;
    case SolveResult::Status::RunTimeError:
        err << Report_Text(result.error) << '\n';
        return ExitCode::RunTimeError;
    }
    return ExitCode::RunTimeError;
}

// Runs a write; an error, whether raised on opening or stopping the write, fails it.
int Write_Or_Fail(const QString& label, const std::function<WriteResult()>& write,
                  std::ostream& err) {
    WriteResult result;
    try {
        result = write();
    } catch (...) {
        result = WriteResult::Failed(Current_Error(std::current_exception()), label);
    }
    if (result.written) return ExitCode::Ok;
    err << Report_Text(result.error) << '\n';
    return ExitCode::FileError;
}

} // namespace

int Solve_And_Print(std::ostream& out, std::ostream& err) {
    const int solved = Solve(err);
    if (solved != ExitCode::Ok) return solved;
    for (int i = 1; i <= Num_Equations; ++i)
        out << Var_Name[i].toStdString() << '\t' << Shortest_Text(X_Vector[i]) << '\n';
    return ExitCode::Ok;
}

std::string Shortest_Text(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

int Print_Usage(std::ostream& err) {
    return Usage_Error(err);
}

int Load_From_Arguments(const QStringList& source, std::ostream& err) {
    if (source.isEmpty()) return ExitCode::Ok;
    if (source.size() == 2 && source[0] == QLatin1String("--example")) {
        const auto example = Example_From_Name(source[1]);
        if (!example) return Usage_Error(err);
        Load_Example(*example);
        return ExitCode::Ok;
    }
    if (source.size() == 1 && !source[0].startsWith(u'-')) return Load(source[0], err);
    return Usage_Error(err);
}

int Solve_Model(std::ostream& err) {
    return Solve(err);
}

int Run(const QStringList& arguments, std::ostream& out, std::ostream& err,
        const PdfPrinter& print_to_pdf) {
    Set_Identity();
    Initialize();
    File_Path.clear();
    const QString command = arguments.value(0);
    const qsizetype count = arguments.size();

    if (command == QLatin1String("solve") && count == 1) return Solve_And_Print(out, err);
    if (command == QLatin1String("solve") && count == 3 &&
        arguments[1] == QLatin1String("--example")) {
        const auto example = Example_From_Name(arguments[2]);
        if (!example) return Usage_Error(err);
        Load_Example(*example);
        return Solve_And_Print(out, err);
    }
    if (command == QLatin1String("solve") && count == 2 && !arguments[1].startsWith(u'-')) {
        if (const int loaded = Load(arguments[1], err)) return loaded;
        return Solve_And_Print(out, err);
    }
    if ((command == QLatin1String("export") ||
         (command == QLatin1String("print") && print_to_pdf)) &&
        count == 3) {
        if (const int loaded = Load(arguments[1], err)) return loaded;
        if (const int solved = Solve(err)) return solved;
        const QString target = arguments[2];
        if (command == QLatin1String("export"))
            return Write_Or_Fail(
                QStringLiteral("frm_Homescreen.Export"), [&] { return Write_Export_File(target); },
                err);
        return Write_Or_Fail(
            QStringLiteral("Print_to_Printer"), [&] { return print_to_pdf(target); }, err);
    }
    if (command == QLatin1String("save") && count == 4 &&
        arguments[1] == QLatin1String("--example")) {
        const auto example = Example_From_Name(arguments[2]);
        if (!example) return Usage_Error(err);
        Load_Example(*example);
        File_Path = QFileInfo(arguments[3]).absoluteFilePath();
        return Write_Or_Fail(
            QStringLiteral("frm_Homescreen.SaveAs"), [&] { return Write_Model_File(File_Path); },
            err);
    }
    return Usage_Error(err);
}

} // namespace korvel::cli
