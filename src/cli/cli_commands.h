// korvel-cli's commands, separated from main() so that tests can run them in-process.
#pragma once

#include "base/outcome.h"
#include "cli/solution_formats.h"
#include "model/solve_result.h"

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
// Without a printer, `print` is not a command. --help and --version print on out.
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

// Why a solve stopped (a zero pivot's message, a run-time error's report) on err, and its
// exit code: ZeroPivot or RunTimeError; Ok for a solve that finished, printing nothing.
int Report_Solve_Failure(const SolveResult& result, std::ostream& err);

// A message as a terminal shows it: LF line ends, no blank lines around it.
std::string Terminal_Text(const QString& text);

// The error's report as the program's message box would show it, for a terminal.
std::string Error_Report_Text(const ErrorOutcome& error);

} // namespace korvel::cli
