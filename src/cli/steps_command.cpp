#include "cli/steps_command.h"

#include "base/app_globals.h"
#include "cli/cli_commands.h"
#include "cli/command_line.h"
#include "cli/system_input.h"
#include "model/mod_matrix.h"
#include "model/worked_solution.h"
#include "reports/worked_text.h"

#include <ostream>

namespace korvel::cli {

namespace {

// The value of "--NAME VALUE" among the choices, the default when the option is not
// there, or nothing (after a usage error on err) for a value that is not a choice.
template <class Choice>
std::optional<Choice>
Choice_Of(const CommandLine& line, const QCommandLineOption& option, Choice preset,
          std::initializer_list<std::pair<const char*, Choice>> choices, std::ostream& err) {
    if (!line.Is_Set(option)) return preset;
    const QString value = line.Value(option);
    for (const auto& [text, choice] : choices)
        if (value == QLatin1String(text)) return choice;
    Usage_Error(err, QStringLiteral("--%1 cannot be %2").arg(option.names().constLast(), value));
    return std::nullopt;
}

} // namespace

int Run_Steps(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    Set_Identity();
    Initialize();
    File_Path.clear();
    const QCommandLineOption pivot_option(
        QStringLiteral("pivot"),
        QStringLiteral("first: the first row with a non-zero entry (as by hand, the usual); "
                       "largest: the largest entry"),
        QStringLiteral("first|largest"));
    const QCommandLineOption format_option(QStringLiteral("format"),
                                           QStringLiteral("the working as plain text (the "
                                                          "usual), LaTeX or Markdown"),
                                           QStringLiteral("text|latex|markdown"));
    CommandLine line("steps", {pivot_option, format_option, Example_Option()});
    if (const auto done = line.Parse(arguments, out, err)) return *done;
    const auto rule = Choice_Of(
        line, pivot_option, PivotRule::FirstNonZero,
        {{"first", PivotRule::FirstNonZero}, {"largest", PivotRule::LargestMagnitude}}, err);
    if (!rule) return ExitCode::Usage;
    const auto format = Choice_Of(line, format_option, WorkedFormat::Text,
                                  {{"text", WorkedFormat::Text},
                                   {"latex", WorkedFormat::Latex},
                                   {"markdown", WorkedFormat::Markdown}},
                                  err);
    if (!format) return ExitCode::Usage;
    const std::optional<Sources> sources = Take_Sources(line, line.Arguments(), false, err);
    if (!sources) return ExitCode::Usage;
    if (const int loaded = Load_Source(*sources, 0, err)) return loaded;
    const WorkedSolution worked = Work_Model(*rule);
    out << Worked_Solution_Text(worked, Var_Name, *format).toStdString() << '\n'
        << Determinant_And_Inverse_Text(worked, Var_Name, *format).toStdString();
    return worked.kind == SolutionKind::Unique ? ExitCode::Ok : ExitCode::NoUniqueSolution;
}

} // namespace korvel::cli
