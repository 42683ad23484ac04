#include "cli/steps_command.h"

#include "base/app_globals.h"
#include "cli/cli_commands.h"
#include "model/mod_matrix.h"
#include "model/worked_solution.h"
#include "reports/worked_text.h"

#include <ostream>

namespace korvel::cli {

namespace {

// Takes "--NAME VALUE" out of the arguments and gives the value among the choices, the
// default when the option is not there, or nothing for a usage error.
template <class Choice>
std::optional<Choice> Take_Choice(QStringList& source, const QString& name, Choice preset,
                                  std::initializer_list<std::pair<const char*, Choice>> choices) {
    const qsizetype option = source.indexOf(name);
    if (option < 0) return preset;
    if (option + 1 >= source.size()) return std::nullopt;
    const QString value = source[option + 1];
    source.remove(option, 2);
    if (source.contains(name)) return std::nullopt;
    for (const auto& [text, choice] : choices)
        if (value == QLatin1String(text)) return choice;
    return std::nullopt;
}

} // namespace

int Run_Steps(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    Set_Identity();
    Initialize();
    File_Path.clear();
    QStringList source = arguments;
    const auto rule =
        Take_Choice(source, QStringLiteral("--pivot"), PivotRule::FirstNonZero,
                    {{"first", PivotRule::FirstNonZero}, {"largest", PivotRule::LargestMagnitude}});
    const auto format = Take_Choice(source, QStringLiteral("--format"), WorkedFormat::Text,
                                    {{"text", WorkedFormat::Text},
                                     {"latex", WorkedFormat::Latex},
                                     {"markdown", WorkedFormat::Markdown}});
    if (!rule || !format) return Print_Usage(err);
    if (const int loaded = Load_From_Arguments(source, err)) return loaded;
    const WorkedSolution worked = Work_Model(*rule);
    out << Worked_Solution_Text(worked, Var_Name, *format).toStdString() << '\n'
        << Determinant_And_Inverse_Text(worked, Var_Name, *format).toStdString();
    return worked.kind == SolutionKind::Unique ? ExitCode::Ok : ExitCode::NoUniqueSolution;
}

} // namespace korvel::cli
