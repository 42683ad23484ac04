#include "cli/cli_commands.h"

#include "base/app_globals.h"
#include "base/file_names.h"
#include "base/report_error.h"
#include "cli/command_line.h"
#include "cli/file_labels.h"
#include "cli/system_input.h"
#include "files/model_io.h"
#include "model/condition_estimate.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "model/solve_equations.h"
#include "reports/export_file.h"
#include "text/line_ends.h"
#include "text/significant_text.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace korvel::cli {

namespace {

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

// Solves the model for a command that writes the answer out (solve, export, print). The
// answer of equations singular to working precision is rounding noise that only looks like
// a solution, so it fails the command as a zero pivot does.
int Solve_For_Answer(std::ostream& err) {
    Load_C_Work(Num_Equations);
    const SolveResult result = Solve_Equations();
    if (const int failed = Report_Solve_Failure(result, err)) return failed;
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

// Several files, one after the other in this one process, each read and solved as if it
// were the only one; the output says which file each row is from, and a file that fails is
// named on err while the run goes on. Gives the highest of the files' exit codes.
int Solve_Files(const QStringList& files, SolutionFormat format, std::ostream& out,
                std::ostream& err) {
    if (format == SolutionFormat::Csv) out << Solution_Csv_Header(true) << '\n';
    int worst = ExitCode::Ok;
    std::ostringstream messages; // one for every file: making a stream costs a locale lookup
    for (const QString& file : files) {
        // Every reader replaces all that solve uses, so the model needs no reset between
        // files.
        File_Path.clear();
        messages.str({});
        int code = Load_System(file, messages);
        if (code == ExitCode::Ok) code = Solve_For_Answer(messages);
        if (code == ExitCode::Ok) Write_Solution(out, format, file);
        Write_File_Messages(err, file, messages.str());
        worst = std::max(worst, code);
    }
    return worst;
}

// solve [--format F] [SYSTEM... | --example NAME]
int Solve_Command(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QCommandLineOption format_option(
        QStringLiteral("format"),
        QStringLiteral("tsv: name TAB value (the usual), csv: a header and name,value rows, "
                       "json: one object"),
        QStringLiteral("tsv|csv|json"));
    CommandLine line("solve", {format_option, Example_Option()});
    if (const auto done = line.Parse(arguments, out, err)) return *done;
    SolutionFormat format = SolutionFormat::Tsv;
    if (line.Is_Set(format_option)) {
        const auto chosen = Solution_Format_From_Name(line.Value(format_option));
        if (!chosen)
            return Usage_Error(err,
                               QStringLiteral("no format named %1").arg(line.Value(format_option)));
        format = *chosen;
    }
    const std::optional<Sources> sources = Take_Sources(line, line.Arguments(), true, err);
    if (!sources) return ExitCode::Usage;
    if (sources->files.size() > 1) return Solve_Files(sources->files, format, out, err);
    if (const int loaded = Load_Source(*sources, 0, err)) return loaded;
    return Solve_And_Print(out, err, format);
}

// export SYSTEM OUT.txt, print SYSTEM OUT.pdf
int Write_Command(const char* command, const QStringList& arguments, std::ostream& out,
                  std::ostream& err, const PdfPrinter& print_to_pdf) {
    CommandLine line(command, {});
    if (const auto done = line.Parse(arguments, out, err)) return *done;
    const QStringList files = line.Arguments();
    if (files.size() != 2) return Usage_Error(err, QStringLiteral("SYSTEM and where to write"));
    if (const int loaded = Load_System(files[0], err)) return loaded;
    if (const int solved = Solve_For_Answer(err)) return solved;
    const QString target = files[1];
    if (!print_to_pdf)
        return Write_Or_Fail(
            QStringLiteral("frm_Homescreen.Export"), [&] { return Write_Export_File(target); },
            err);
    return Write_Or_Fail(
        QStringLiteral("Print_to_Printer"), [&] { return print_to_pdf(target); }, err);
}

// save SYSTEM|--example NAME OUT.kvl
int Save_Command(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    CommandLine line("save", {Example_Option()});
    if (const auto done = line.Parse(arguments, out, err)) return *done;
    QStringList files = line.Arguments();
    if (files.isEmpty()) return Usage_Error(err, QStringLiteral("where to save"));
    const QString target = files.takeLast();
    const std::optional<Sources> sources = Take_Sources(line, files, false, err);
    if (!sources) return ExitCode::Usage;
    if (sources->files.isEmpty() && !sources->example)
        return Usage_Error(err, QStringLiteral("SYSTEM or --example to save"));
    if (const int loaded = Load_Source(*sources, 0, err)) return loaded;
    File_Path = Absolute_File_Name(target);
    return Write_Or_Fail(
        QStringLiteral("frm_Homescreen.SaveAs"), [&] { return Write_Model_File(File_Path); }, err);
}

} // namespace

int Report_Solve_Failure(const SolveResult& result, std::ostream& err) {
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

int Run(const QStringList& arguments, std::ostream& out, std::ostream& err,
        const PdfPrinter& print_to_pdf) {
    if (const auto done = Take_Program_Options(arguments, out, err)) return *done;
    Set_Identity();
    Initialize();
    File_Path.clear();
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("solve")) return Solve_Command(rest, out, err);
    if (command == QLatin1String("export")) return Write_Command("export", rest, out, err, {});
    if (command == QLatin1String("print") && print_to_pdf)
        return Write_Command("print", rest, out, err, print_to_pdf);
    if (command == QLatin1String("save")) return Save_Command(rest, out, err);
    return Usage_Error(err, QStringLiteral("no command named %1").arg(command));
}

} // namespace korvel::cli
