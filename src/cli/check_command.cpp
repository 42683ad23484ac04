#include "cli/check_command.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "cli/cli_commands.h"
#include "cli/command_line.h"
#include "cli/file_labels.h"
#include "cli/ordered_batch.h"
#include "cli/solution_formats.h"
#include "cli/system_input.h"
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "model/model_snapshot.h"
#include "model/solve_system.h"
#include "model/uncertainty_bounds.h"
#include "model/worked_solution.h"
#include "reports/bounds_report.h"
#include "reports/check_json.h"
#include "reports/check_report.h"
#include "reports/json_text.h"
#include "text/shortest_text.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

namespace korvel::cli {

namespace {

const char* const Csv_Header = "name,float,exact,correct_digits";

// The readers fill the model's globals, which hold one system at a time: the threads of a
// batch read their files one after the other, each into a copy of its own that it checks
// while the next file is read.
std::mutex model_lock;

// Reads system index of the sources into system. Gives Ok or FileError (the reason on err).
int Read_System(const Sources& sources, qsizetype index, ModelSnapshot& system, std::ostream& err) {
    const std::lock_guard guard(model_lock);
    Initialize();
    File_Path.clear();
    if (const int failed = Load_Source(sources, index, err)) return failed;
    system = Take_Model_Snapshot();
    return ExitCode::Ok;
}

// The tolerances of --tolerance, or of --tolerance-a and --tolerance-c.
struct Tolerances {
    bool given = false;
    double coefficients = 0;
    double constants = 0;
};

// What a check prints: the check, with a tolerance its bounds (empty when there is no
// unique solution to bound), and the system for the names and the exact inverse.
struct CheckedSystem {
    const ModelSnapshot& system;
    const ExactCheck& check;
    const Tolerances& tolerances;
    const std::optional<UncertaintyBounds>& bounds;
};

// The CSV header: with a tolerance, the bounds' columns too.
std::string Check_Csv_Header(const Tolerances& tolerances) {
    return std::string(Csv_Header) + (tolerances.given ? ",low,high" : "");
}

// One row per unknown for a spreadsheet: its name, the solver's value, the exact value
// and the correct digits, and with a tolerance the bounds, each empty where it is not
// known; every row after prefix.
void Write_Check_Csv(std::ostream& out, const CheckedSystem& checked, const std::string& prefix) {
    const ExactCheck& check = checked.check;
    for (int i = 1; i <= check.n; ++i) {
        const ExactUnknown& unknown = check.unknowns[static_cast<size_t>(i - 1)];
        out << prefix << Csv_Field(checked.system.names[i].toStdString()) << ','
            << (unknown.computed ? Shortest_Text(*unknown.computed).toStdString() : std::string())
            << ',' << unknown.exact.toStdString() << ','
            << (unknown.correctDigits ? std::to_string(*unknown.correctDigits) : std::string());
        if (checked.tolerances.given) {
            out << ',';
            if (checked.bounds && checked.bounds->bounded) {
                const UnknownBounds& u = checked.bounds->unknowns[static_cast<size_t>(i - 1)];
                out << Shortest_Text(u.low).toStdString() << ','
                    << Shortest_Text(u.high).toStdString();
            } else {
                out << ',';
            }
        }
        out << '\n';
    }
}

// The check in the format asked for; with file, every row and the JSON object say which
// file it is (the CSV header is then the batch's).
void Write_Check(std::ostream& out, const CheckedSystem& checked, SolutionFormat format,
                 const QString* file) {
    const ModelSnapshot& system = checked.system;
    switch (format) {
    case SolutionFormat::Json: {
        QJsonObject report =
            Check_Report_Json(checked.check, system.names,
                              Exact_Determinant_And_Inverse(system.numEquations, system.a));
        if (checked.tolerances.given) {
            // Without a unique solution there is nothing to bound: no tolerance is safe.
            UncertaintyBounds none;
            none.coefficients = checked.tolerances.coefficients;
            none.constants = checked.tolerances.constants;
            Add_Bounds_Json(report, checked.bounds ? *checked.bounds : none);
        }
        const std::string object = Compact_Json(report).toStdString();
        out << (file ? With_File_Key(object, *file) : object) << '\n';
        break;
    }
    case SolutionFormat::Csv:
        if (!file) out << Check_Csv_Header(checked.tolerances) << '\n';
        Write_Check_Csv(out, checked, file ? Csv_Field(File_Column(*file)) + ',' : std::string());
        break;
    case SolutionFormat::Tsv: {
        std::string report = Check_Report_Text(checked.check, system.names).toStdString();
        if (checked.bounds)
            report += '\n' + Bounds_Report_Text(*checked.bounds, system.names).toStdString();
        out << (file ? Prefixed_Lines(report, File_Column(*file) + '\t') : report);
        break;
    }
    }
}

// Reads, solves and checks system index of the sources; safe on any thread.
FileOutcome Check_One(const Sources& sources, qsizetype index, SolutionFormat format,
                      const Tolerances& tolerances) {
    std::ostringstream out, err;
    ModelSnapshot system;
    int code = Read_System(sources, index, system, err);
    if (code == ExitCode::Ok) {
        try {
            // The check is made whether the solver finishes or stops; only its answer is
            // missing when it stops.
            const int16_t n = system.numEquations;
            double reduced[Array_Size][Array_Size];
            double x[Array_Size];
            const bool solved =
                Report_Solve_Failure(Solve_System(n, system.a, system.c, reduced, x), err) ==
                ExitCode::Ok;
            const ExactCheck check = Check_System(n, system.a, system.c, solved ? x : nullptr);
            std::optional<UncertaintyBounds> bounds;
            if (tolerances.given)
                bounds = Bound_System(n, system.a, system.c, tolerances.coefficients,
                                      tolerances.constants);
            const QString* file = sources.files.size() > 1 ? &sources.files[index] : nullptr;
            Write_Check(out, {system, check, tolerances, bounds}, format, file);
            code = check.kind == SolutionKind::Unique ? ExitCode::Ok : ExitCode::NoUniqueSolution;
        } catch (...) {
            const RuntimeError error = Current_Error(std::current_exception());
            err << Error_Report_Text(ErrorOutcome::Of(error, QStringLiteral("Check_System")))
                << '\n';
            code = ExitCode::RunTimeError;
        }
    }
    return {code, out.str(), err.str()};
}

// --json, or --format tsv|csv|json (tsv: the report, whose table is tab-separated); empty
// (after a usage error on err) for both, or a format that does not exist.
std::optional<SolutionFormat> Take_Format(const CommandLine& line, const QCommandLineOption& json,
                                          const QCommandLineOption& format, std::ostream& err) {
    if (!line.Is_Set(format)) return line.Is_Set(json) ? SolutionFormat::Json : SolutionFormat::Tsv;
    const std::optional<SolutionFormat> chosen = Solution_Format_From_Name(line.Value(format));
    if (line.Is_Set(json))
        Usage_Error(err, QStringLiteral("--json and --format together"));
    else if (!chosen)
        Usage_Error(err, QStringLiteral("no format named %1").arg(line.Value(format)));
    return line.Is_Set(json) ? std::nullopt : chosen;
}

// A tolerance as given: "0.1%" or "0.001", finite and not negative.
std::optional<double> Tolerance_From_Text(QString text) {
    const bool percent = text.endsWith(QLatin1Char('%'));
    if (percent) text.chop(1);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0) return std::nullopt;
    return percent ? value / 100 : value;
}

// --tolerance P, or --tolerance-a P and --tolerance-c P (either alone leaves the other 0).
// Empty (after a usage error on err) for a tolerance that is not one, or both forms.
std::optional<Tolerances> Take_Tolerances(const CommandLine& line,
                                          const QCommandLineOption (&options)[3],
                                          std::ostream& err) {
    Tolerances tolerances;
    bool both = false, apart = false;
    for (int k = 0; k < 3; ++k) {
        if (!line.Is_Set(options[k])) continue;
        const std::optional<double> value = Tolerance_From_Text(line.Value(options[k]));
        if (!value) {
            Usage_Error(err, QStringLiteral("--%1 takes a tolerance such as 0.1% or 0.001")
                                 .arg(options[k].names().constLast()));
            return std::nullopt;
        }
        tolerances.given = true;
        if (k == 0) {
            tolerances.coefficients = tolerances.constants = *value;
            both = true;
        } else {
            (k == 1 ? tolerances.coefficients : tolerances.constants) = *value;
            apart = true;
        }
    }
    if (both && apart) {
        Usage_Error(err, QStringLiteral("--tolerance, or --tolerance-a and --tolerance-c"));
        return std::nullopt;
    }
    return tolerances;
}

} // namespace

int Run_Check(const QStringList& arguments, std::ostream& out, std::ostream& err,
              const ProgressDisplay& display) {
    Set_Identity();
    const QCommandLineOption json_option(QStringLiteral("json"),
                                         QStringLiteral("one JSON object (as --format json)"));
    const QCommandLineOption format_option(
        QStringLiteral("format"),
        QStringLiteral("tsv: the report, its tables tab-separated (the usual); csv: a header "
                       "and one row per unknown; json: one object"),
        QStringLiteral("tsv|csv|json"));
    const QCommandLineOption jobs_option = Jobs_Option("check");
    const QCommandLineOption tolerance_options[3] = {
        {QStringLiteral("tolerance"),
         QStringLiteral("the data known to within P (0.1% or 0.001), coefficients and constants "
                        "alike: bounds on every unknown"),
         QStringLiteral("P")},
        {QStringLiteral("tolerance-a"), QStringLiteral("the coefficients' tolerance alone"),
         QStringLiteral("P")},
        {QStringLiteral("tolerance-c"), QStringLiteral("the constants' tolerance alone"),
         QStringLiteral("P")},
    };
    CommandLine line("check",
                     {json_option, format_option, tolerance_options[0], tolerance_options[1],
                      tolerance_options[2], jobs_option, Example_Option()});
    if (const auto done = line.Parse(arguments, out, err)) return *done;
    const std::optional<SolutionFormat> format = Take_Format(line, json_option, format_option, err);
    if (!format) return ExitCode::Usage;
    const std::optional<Tolerances> tolerances = Take_Tolerances(line, tolerance_options, err);
    if (!tolerances) return ExitCode::Usage;
    const unsigned jobs = Take_Jobs(line, jobs_option, err);
    if (jobs == 0) return ExitCode::Usage;
    const std::optional<Sources> sources = Take_Sources(line, line.Arguments(), true, err);
    if (!sources) return ExitCode::Usage;

    const bool several = sources->files.size() > 1;
    if (several && *format == SolutionFormat::Csv)
        out << "file," << Check_Csv_Header(*tolerances) << '\n';
    const auto count = static_cast<size_t>(sources->Count());
    ProgressLine progress(err, several ? display : ProgressDisplay{}, count);
    int worst = ExitCode::Ok;
    BatchWork batch;
    batch.work = [&](size_t i) {
        return Check_One(*sources, static_cast<qsizetype>(i), *format, *tolerances);
    };
    batch.deliver = [&](size_t i, FileOutcome& outcome) {
        progress.Make_Way(!outcome.out.empty(), !outcome.err.empty());
        out << outcome.out;
        progress.Written(out);
        if (several)
            Write_File_Messages(err, sources->files[static_cast<qsizetype>(i)], outcome.err);
        else
            err << outcome.err;
        worst = std::max(worst, outcome.code);
    };
    batch.progress = [&](size_t done) { progress.Update(done); };
    batch.at_thread_end = Release_Exact_Thread_Caches;
    // Without a progress line to keep up, the calling thread checks files too and nothing
    // wakes it for each one.
    if (several && display.terminal)
        Run_In_Order(count, jobs, batch);
    else
        Run_In_Windows(count, jobs, batch);
    return worst;
}

} // namespace korvel::cli
