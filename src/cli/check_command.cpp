#include "cli/check_command.h"

#include "base/app_globals.h"
#include "cli/cli_commands.h"
#include "cli/solution_formats.h"
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "model/worked_solution.h"
#include "reports/check_json.h"
#include "reports/check_report.h"
#include "reports/json_text.h"
#include "text/shortest_text.h"

#include <ostream>

namespace korvel::cli {

namespace {

// One row per unknown for a spreadsheet: its name, the solver's value, the exact value
// and the correct digits, each empty where it is not known.
void Write_Check_Csv(std::ostream& out, const ExactCheck& check) {
    out << "name,float,exact,correct_digits\n";
    for (int i = 1; i <= check.n; ++i) {
        const ExactUnknown& unknown = check.unknowns[static_cast<size_t>(i - 1)];
        out << Csv_Field(Var_Name[i].toStdString()) << ','
            << (unknown.computed ? Shortest_Text(*unknown.computed).toStdString() : std::string())
            << ',' << unknown.exact.toStdString() << ','
            << (unknown.correctDigits ? std::to_string(*unknown.correctDigits) : std::string())
            << '\n';
    }
}

// --json, or --format tsv|csv|json (tsv: the report, whose table is tab-separated); taken
// out of the arguments. Empty for a usage error.
std::optional<SolutionFormat> Take_Format(QStringList& source) {
    const qsizetype json_flags = source.removeAll(QStringLiteral("--json"));
    const qsizetype option = source.indexOf(QStringLiteral("--format"));
    if (option < 0) {
        if (json_flags > 1) return std::nullopt;
        return json_flags == 1 ? SolutionFormat::Json : SolutionFormat::Tsv;
    }
    if (json_flags > 0 || option + 1 >= source.size()) return std::nullopt;
    const std::optional<SolutionFormat> chosen = Solution_Format_From_Name(source[option + 1]);
    source.remove(option, 2);
    if (source.contains(QStringLiteral("--format"))) return std::nullopt;
    return chosen;
}

} // namespace

int Run_Check(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    Set_Identity();
    Initialize();
    File_Path.clear();
    QStringList source = arguments;
    const std::optional<SolutionFormat> format = Take_Format(source);
    if (!format) return Print_Usage(err);
    if (const int loaded = Load_From_Arguments(source, err)) return loaded;
    // The check is made whether the solver finishes or stops; only its answer is missing
    // when it stops.
    const bool solved = Solve_Model(err) == ExitCode::Ok;
    const ExactCheck check = Check_Model(solved);
    switch (*format) {
    case SolutionFormat::Json:
        out << Compact_Json(
                   Check_Report_Json(check, Var_Name,
                                     Exact_Determinant_And_Inverse(Num_Equations, A_Matrix)))
                   .toStdString()
            << '\n';
        break;
    case SolutionFormat::Csv:
        Write_Check_Csv(out, check);
        break;
    case SolutionFormat::Tsv:
        out << Check_Report_Text(check, Var_Name).toStdString();
        break;
    }
    return check.kind == SolutionKind::Unique ? ExitCode::Ok : ExitCode::NoUniqueSolution;
}

} // namespace korvel::cli
