// korvel-cli's commands, separated from main() so that tests can run them in-process.
#pragma once

#include <QStringList>

#include <functional>

#include <iosfwd>
#include <string>

namespace korvel::cli {

enum ExitCode : int {
    Ok = 0,
    FileError = 1,
    ZeroPivot = 2,
    RunTimeError = 3,
    Usage = 64,
};

// Runs one command line (without the program name); writes results to out, messages to err.
int Run(const QStringList& arguments, std::ostream& out, std::ostream& err);

// Solves the model as it stands and prints one line per unknown (name TAB value); a zero
// pivot prints its message to err and gives ZeroPivot, a run-time error its report and
// RunTimeError.
int Solve_And_Print(std::ostream& out, std::ostream& err);

// The shortest decimal text that reads back to the same 64-bit float.
std::string Shortest_Text(double value);

} // namespace korvel::cli
