#include "cli/cli_commands.h"

#include "base/app_globals.h"
#include "base/file_names.h"
#include "base/report_error.h"
#include "cli/system_input.h"
#include "files/model_io.h"
#include "model/condition_estimate.h"
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "model/solve_equations.h"
#include "reports/export_file.h"
#include "text/line_ends.h"
#include "text/significant_text.h"

#include <ostream>

namespace korvel::cli {

namespace {

// SYSTEM is a model file (.kvl), a system text file (.csv, .tsv, .txt) or - for standard input.
const char* const Usage_Text =
    "usage: korvel-cli solve [--format tsv|csv|json] [SYSTEM | --example test|11-2|11-3]\n"
    "       korvel-cli export SYSTEM OUT.txt\n"
    "       korvel-cli print SYSTEM OUT.pdf\n"
    "       korvel-cli save SYSTEM|--example test|11-2|11-3 OUT.kvl\n"
    "       korvel-cli check [--json | --format tsv|csv|json]\n"
    "                        [--tolerance P | --tolerance-a P --tolerance-c P]\n"
    "                        [SYSTEM | --example test|11-2|11-3]\n"
    "       korvel-cli steps [--pivot first|largest] [--format text|latex|markdown]\n"
    "                        [SYSTEM | --example test|11-2|11-3]";

int Usage_Error(std::ostream& err) {
    err << Usage_Text << '\n';
    return ExitCode::Usage;
}

// Reads the system a command names, whatever its kind; anything but a complete read fails
// the command.
int Load(const QString& path, std::ostream& err) {
    return Load_System(path, err);
}

// solve [--format F] [SYSTEM | --example NAME]
int Solve_Command(QStringList arguments, std::ostream& out, std::ostream& err) {
    SolutionFormat format = SolutionFormat::Tsv;
    const qsizetype option = arguments.indexOf(QStringLiteral("--format"));
    if (option >= 0) {
        const auto chosen = Solution_Format_From_Name(arguments.value(option + 1));
        if (!chosen) return Usage_Error(err);
        format = *chosen;
        arguments.remove(option, 2);
    }
    const qsizetype count = arguments.size();
    if (count == 0) return Solve_And_Print(out, err, format);
    if (count == 2 && arguments[0] == QLatin1String("--example")) {
        const auto example = Example_From_Name(arguments[1]);
        if (!example) return Usage_Error(err);
        Load_Example(*example);
        return Solve_And_Print(out, err, format);
    }
    if (count == 1 && (arguments[0] == QLatin1String("-") || !arguments[0].startsWith(u'-'))) {
        if (const int loaded = Load(arguments[0], err)) return loaded;
        return Solve_And_Print(out, err, format);
    }
    return Usage_Error(err);
}

// A failed solve's message on err and its exit code; Ok for a solve that finished.
int Failure(const SolveResult& result, std::ostream& err) {
    switch (result.status) {
    case SolveResult::Status::Solved:
        return ExitCode::Ok;
    case SolveResult::Status::ZeroPivot:
        err << Terminal_Text(Zero_Pivot_Message(result.column)) << '\n';
        return ExitCode::ZeroPivot;
    case SolveResult::Status::RunTimeError:
        err << Error_Report_Text(result.error) << '\n';
        return ExitCode::RunTimeError;
    }
    return ExitCode::RunTimeError;
}

QString Singular_Message(double reciprocal_condition) {
    const QString condition = reciprocal_condition > 0
                                  ? Significant_Text(1.0 / reciprocal_condition, 2)
                                  : QStringLiteral("beyond the range of a double");
    return QStringLiteral("The equations are singular to working precision (estimated "
                          "condition number %1): they have no solution or infinitely many, or "
                          "one that 64-bit arithmetic cannot find. No answer is written; "
                          "korvel-cli check solves them exactly.")
        .arg(condition);
}

// Solves the model; on failure prints why and returns the exit code.
int Solve(std::ostream& err) {
    Load_C_Work(Num_Equations);
    return Failure(Solve_Equations(), err);
}

// Solves the model for a command that writes the answer out (solve, export, print). The
// answer of equations singular to working precision is rounding noise that only looks like
// a solution, so it fails the command as a zero pivot does.
int Solve_For_Answer(std::ostream& err) {
    Load_C_Work(Num_Equations);
    const SolveResult result = Solve_Equations();
    if (const int failed = Failure(result, err)) return failed;
    if (result.reciprocalCondition &&
        Singular_To_Working_Precision(Num_Equations, *result.reciprocalCondition)) {
        err << Terminal_Text(Singular_Message(*result.reciprocalCondition)) << '\n';
        return ExitCode::SingularToWorkingPrecision;
    }
    return ExitCode::Ok;
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
    err << Error_Report_Text(result.error) << '\n';
    return ExitCode::FileError;
}

} // namespace

int Solve_And_Print(std::ostream& out, std::ostream& err) {
    return Solve_And_Print(out, err, SolutionFormat::Tsv);
}

int Solve_And_Print(std::ostream& out, std::ostream& err, SolutionFormat format) {
    const int solved = Solve_For_Answer(err);
    if (solved != ExitCode::Ok) return solved;
    Write_Solution(out, format);
    return ExitCode::Ok;
}

std::string Terminal_Text(const QString& text) {
    return Lf_Lines(text).trimmed().toStdString();
}

std::string Error_Report_Text(const ErrorOutcome& error) {
    return Terminal_Text(Compose_Error_Report(error.number, error.description, error.label).text);
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
    if (source.size() == 1 && (source[0] == QLatin1String("-") || !source[0].startsWith(u'-')))
        return Load(source[0], err);
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

    if (command == QLatin1String("solve")) return Solve_Command(arguments.mid(1), out, err);
    if ((command == QLatin1String("export") ||
         (command == QLatin1String("print") && print_to_pdf)) &&
        count == 3) {
        if (const int loaded = Load(arguments[1], err)) return loaded;
        if (const int solved = Solve_For_Answer(err)) return solved;
        const QString target = arguments[2];
        if (command == QLatin1String("export"))
            return Write_Or_Fail(
                QStringLiteral("frm_Homescreen.Export"), [&] { return Write_Export_File(target); },
                err);
        return Write_Or_Fail(
            QStringLiteral("Print_to_Printer"), [&] { return print_to_pdf(target); }, err);
    }
    const bool saveExample = command == QLatin1String("save") && count == 4 &&
                             arguments[1] == QLatin1String("--example");
    const bool saveSystem = command == QLatin1String("save") && count == 3 &&
                            (arguments[1] == QLatin1String("-") || !arguments[1].startsWith(u'-'));
    if (saveExample || saveSystem) {
        if (saveExample) {
            const auto example = Example_From_Name(arguments[2]);
            if (!example) return Usage_Error(err);
            Load_Example(*example);
        } else if (const int loaded = Load(arguments[1], err)) {
            return loaded;
        }
        File_Path = Absolute_File_Name(arguments.last());
        return Write_Or_Fail(
            QStringLiteral("frm_Homescreen.SaveAs"), [&] { return Write_Model_File(File_Path); },
            err);
    }
    return Usage_Error(err);
}

} // namespace korvel::cli
