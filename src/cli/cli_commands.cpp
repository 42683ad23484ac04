#include "cli/cli_commands.h"

#include "base/app_globals.h"
#include "base/file_names.h"
#include "base/read_file.h"
#include "base/report_error.h"
#include "cli/command_line.h"
#include "cli/file_labels.h"
#include "cli/ordered_batch.h"
#include "cli/system_input.h"
#include "files/model_io.h"
#include "files/plain_system_text.h"
#include "files/system_import.h"
#include "model/condition_estimate.h"
#include "model/mod_matrix.h"
#include "model/simq.h"
#include "model/solve_equations.h"
#include "model/solve_system.h"
#include "reports/export_file.h"
#include "text/line_ends.h"
#include "text/significant_text.h"

#include <algorithm>
#include <mutex>
#include <optional>
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

// A system text file of numbers alone (as scripts write them) read, solved and written
// without the model, which holds one system at a time: what the threads of a batch do at
// once. Empty for any other file and any answer short of a clean one, which the model's way
// then reads or reports as a file alone would be.
std::optional<std::string> Solve_Plain_File(const QString& file, SolutionFormat format) {
    if (file == QLatin1String("-") || !Is_System_Text_Path(file)) return std::nullopt;
    std::optional<ImportedSystem> system;
    try {
        system = Read_Plain_System(Read_Whole_File(file));
    } catch (...) {
        return std::nullopt;
    }
    if (!system) return std::nullopt;
    const int16_t n = system->n;
    double a[Array_Size][Array_Size] = {}, c[Array_Size] = {};
    for (int i = 1; i <= n; ++i) {
        std::copy(system->a[i - 1], system->a[i - 1] + n, a[i] + 1);
        c[i] = system->c[i - 1];
    }
    double reduced[Array_Size][Array_Size], x[Array_Size];
    const SolveResult result = Solve_System(n, a, c, reduced, x);
    if (result.status != SolveResult::Status::Solved ||
        (result.reciprocalCondition &&
         Singular_To_Working_Precision(n, *result.reciprocalCondition)))
        return std::nullopt;
    // A system text without names has the default ones, as Apply_System gives it.
    return Solution_Text(format, &file, n, Default_Name_Table(), x);
}

// The model's way for one file of several: under the lock, as the model is one.
FileOutcome Solve_Through_Model(const QString& file, SolutionFormat format) {
    static std::mutex model_lock;
    const std::lock_guard guard(model_lock);
    // Every reader replaces all that solve uses, so the model needs no reset between files.
    File_Path.clear();
    std::ostringstream messages;
    FileOutcome outcome;
    outcome.code = Load_System(file, messages);
    if (outcome.code == ExitCode::Ok) outcome.code = Solve_For_Answer(messages);
    if (outcome.code == ExitCode::Ok)
        outcome.out = Solution_Text(format, &file, Num_Equations, Var_Name, X_Vector);
    outcome.err = messages.str();
    return outcome;
}

// Several files in this one process on `jobs` threads, each read and solved as if it were
// the only one and printed in the order given; the output says which file each row is
// from, and a file that fails is named on err while the run goes on. Gives the highest of
// the files' exit codes.
int Solve_Files(const QStringList& files, SolutionFormat format, unsigned jobs, std::ostream& out,
                std::ostream& err) {
    if (format == SolutionFormat::Csv) out << Solution_Csv_Header(true) << '\n';
    int worst = ExitCode::Ok;
    BatchWork batch;
    batch.work = [&](size_t i) {
        const QString& file = files[static_cast<qsizetype>(i)];
        if (std::optional<std::string> rows = Solve_Plain_File(file, format))
            return FileOutcome{ExitCode::Ok, *std::move(rows), {}};
        return Solve_Through_Model(file, format);
    };
    batch.deliver = [&](size_t i, FileOutcome& outcome) {
        out << outcome.out;
        Write_File_Messages(err, files[static_cast<qsizetype>(i)], outcome.err);
        worst = std::max(worst, outcome.code);
    };
    Run_In_Windows(static_cast<size_t>(files.size()), jobs, batch);
    return worst;
}

// solve [--format F] [SYSTEM... | --example NAME]
int Solve_Command(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    const QCommandLineOption format_option(
        QStringLiteral("format"),
        QStringLiteral("tsv: name TAB value (the usual), csv: a header and name,value rows, "
                       "json: one object"),
        QStringLiteral("tsv|csv|json"));
    const QCommandLineOption jobs_option = Jobs_Option("solve");
    CommandLine line("solve", {format_option, jobs_option, Example_Option()});
    if (const auto done = line.Parse(arguments, out, err)) return *done;
    SolutionFormat format = SolutionFormat::Tsv;
    if (line.Is_Set(format_option)) {
        const auto chosen = Solution_Format_From_Name(line.Value(format_option));
        if (!chosen)
            return Usage_Error(err,
                               QStringLiteral("no format named %1").arg(line.Value(format_option)));
        format = *chosen;
    }
    const unsigned jobs = Take_Jobs(line, jobs_option, err);
    if (jobs == 0) return ExitCode::Usage;
    const std::optional<Sources> sources = Take_Sources(line, line.Arguments(), true, err);
    if (!sources) return ExitCode::Usage;
    if (sources->files.size() > 1) return Solve_Files(sources->files, format, jobs, out, err);
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
