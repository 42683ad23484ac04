#include "cli/check_command.h"

#include "base/app_globals.h"
#include "cli/cli_commands.h"
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "reports/check_json.h"
#include "reports/check_report.h"

#include <QJsonDocument>

#include <ostream>

namespace korvel::cli {

int Run_Check(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    Set_Identity();
    Initialize();
    File_Path.clear();
    QStringList source = arguments;
    const qsizetype json_flags = source.removeAll(QStringLiteral("--json"));
    if (json_flags > 1) return Print_Usage(err);
    const bool json = json_flags == 1;
    if (const int loaded = Load_From_Arguments(source, err)) return loaded;
    // The check is made whether the solver finishes or stops; only its answer is missing
    // when it stops.
    const bool solved = Solve_Model(err) == ExitCode::Ok;
    const Exact_Check check = Check_Model(solved);
    if (json)
        out << QJsonDocument(Check_Report_Json(check, Var_Name))
                   .toJson(QJsonDocument::Compact)
                   .toStdString()
            << '\n';
    else
        out << Check_Report_Text(check, Var_Name).toStdString();
    return check.kind == Solution_Kind::Unique ? ExitCode::Ok : ExitCode::NoUniqueSolution;
}

} // namespace korvel::cli
