#include "cli/check_command.h"

#include "base/app_globals.h"
#include "cli/cli_commands.h"
#include "cli/solution_formats.h"
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "model/uncertainty_bounds.h"
#include "model/worked_solution.h"
#include "reports/bounds_report.h"
#include "reports/check_json.h"
#include "reports/check_report.h"
#include "reports/json_text.h"
#include "text/shortest_text.h"

#include <cmath>
#include <optional>
#include <ostream>

namespace korvel::cli {

namespace {

// One row per unknown for a spreadsheet: its name, the solver's value, the exact value
// and the correct digits, and with a tolerance the bounds, each empty where it is not known.
void Write_Check_Csv(std::ostream& out, const ExactCheck& check,
                     const std::optional<UncertaintyBounds>* bounds) {
    out << "name,float,exact,correct_digits" << (bounds ? ",low,high" : "") << '\n';
    for (int i = 1; i <= check.n; ++i) {
        const ExactUnknown& unknown = check.unknowns[static_cast<size_t>(i - 1)];
        out << Csv_Field(Var_Name[i].toStdString()) << ','
            << (unknown.computed ? Shortest_Text(*unknown.computed).toStdString() : std::string())
            << ',' << unknown.exact.toStdString() << ','
            << (unknown.correctDigits ? std::to_string(*unknown.correctDigits) : std::string());
        if (bounds) {
            out << ',';
            if (*bounds && (*bounds)->bounded) {
                const UnknownBounds& u = (*bounds)->unknowns[static_cast<size_t>(i - 1)];
                out << Shortest_Text(u.low).toStdString() << ','
                    << Shortest_Text(u.high).toStdString();
            } else {
                out << ',';
            }
        }
        out << '\n';
    }
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

struct Tolerances {
    bool given = false;
    double coefficients = 0;
    double constants = 0;
};

// --tolerance P, or --tolerance-a P and --tolerance-c P (either alone leaves the other 0),
// taken out of the arguments. Empty for a usage error.
std::optional<Tolerances> Take_Tolerances(QStringList& source) {
    Tolerances tolerances;
    bool both = false, apart = false;
    for (const QString& name : {QStringLiteral("--tolerance"), QStringLiteral("--tolerance-a"),
                                QStringLiteral("--tolerance-c")}) {
        const qsizetype option = source.indexOf(name);
        if (option < 0) continue;
        if (option + 1 >= source.size()) return std::nullopt;
        const std::optional<double> value = Tolerance_From_Text(source[option + 1]);
        source.remove(option, 2);
        if (!value || source.contains(name)) return std::nullopt;
        tolerances.given = true;
        if (name.endsWith(QLatin1String("-c"))) {
            tolerances.constants = *value;
            apart = true;
        } else if (name.endsWith(QLatin1String("-a"))) {
            tolerances.coefficients = *value;
            apart = true;
        } else {
            tolerances.coefficients = tolerances.constants = *value;
            both = true;
        }
    }
    if (both && apart) return std::nullopt;
    return tolerances;
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
    const std::optional<Tolerances> tolerances = Take_Tolerances(source);
    if (!format || !tolerances) return Print_Usage(err);
    if (const int loaded = Load_From_Arguments(source, err)) return loaded;
    // The check is made whether the solver finishes or stops; only its answer is missing
    // when it stops.
    const bool solved = Solve_Model(err) == ExitCode::Ok;
    const ExactCheck check = Check_Model(solved);
    std::optional<UncertaintyBounds> bounds;
    if (tolerances->given) bounds = Bound_Model(tolerances->coefficients, tolerances->constants);
    switch (*format) {
    case SolutionFormat::Json: {
        QJsonObject report = Check_Report_Json(
            check, Var_Name, Exact_Determinant_And_Inverse(Num_Equations, A_Matrix));
        if (tolerances->given) {
            // Without a unique solution there is nothing to bound: no tolerance is safe.
            UncertaintyBounds none;
            none.coefficients = tolerances->coefficients;
            none.constants = tolerances->constants;
            Add_Bounds_Json(report, bounds ? *bounds : none);
        }
        out << Compact_Json(report).toStdString() << '\n';
        break;
    }
    case SolutionFormat::Csv:
        Write_Check_Csv(out, check, tolerances->given ? &bounds : nullptr);
        break;
    case SolutionFormat::Tsv:
        out << Check_Report_Text(check, Var_Name).toStdString();
        if (bounds) out << '\n' << Bounds_Report_Text(*bounds, Var_Name).toStdString();
        break;
    }
    return check.kind == SolutionKind::Unique ? ExitCode::Ok : ExitCode::NoUniqueSolution;
}

} // namespace korvel::cli
