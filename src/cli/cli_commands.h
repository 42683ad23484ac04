// korvel-cli's commands, separated from main() so that tests can run them in-process.
#pragma once

#include "base/outcome.h"
#include "cli/solution_formats.h"

#include <QStringList>

#include <functional>

#include <iosfwd>
#include <string>

namespace korvel::cli {

enum ExitCode : int {
    Ok = 0,
    FileError = 1,
    ZeroPivot = 2,
    NoUniqueSolution = 2, // `check`: no solution or infinitely many
    RunTimeError = 3,
    SingularToWorkingPrecision = 4, // solve, export, print: the answer would be noise
    Usage = 64,
};

// Writes the printed report of the solved model to a PDF file. It needs Qt Gui, so only
// korvel-cli-print (which korvel-cli starts for `print`) passes one to Run.
using PdfPrinter = std::function<WriteResult(const QString& path)>;

// Runs one command line (without the program name); writes results to out, messages to err.
// Without a printer, `print` is not a command.
int Run(const QStringList& arguments, std::ostream& out, std::ostream& err,
        const PdfPrinter& print_to_pdf = {});

// Solve_And_Print with the solution in the given format (tsv, csv or json).
int Solve_And_Print(std::ostream& out, std::ostream& err, SolutionFormat format);

// Solves the model as it stands and prints one line per unknown (name TAB value); a zero
// pivot prints its message to err and gives ZeroPivot, a run-time error its report and
// RunTimeError, equations singular to working precision a message and
// SingularToWorkingPrecision.
int Solve_And_Print(std::ostream& out, std::ostream& err);

// The usage text on err; gives ExitCode::Usage.
int Print_Usage(std::ostream& err);

// Loads the system a command names, as `solve` does: nothing (the model as it stands),
// "--example NAME" or a model file. Gives Ok, FileError (the reason on err) or Usage.
int Load_From_Arguments(const QStringList& source, std::ostream& err);

// Solves the model as it stands; a zero pivot prints its message to err and gives
// ZeroPivot, a run-time error its report and RunTimeError. An answer of equations singular
// to working precision is kept (the exact check sets it beside the exact one).
int Solve_Model(std::ostream& err);

// A message as a terminal shows it: LF line ends, no blank lines around it.
std::string Terminal_Text(const QString& text);

// The error's report as the program's message box would show it, for a terminal.
std::string Error_Report_Text(const ErrorOutcome& error);

} // namespace korvel::cli
