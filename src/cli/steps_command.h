// `korvel-cli steps`: the worked solution of a system, in exact fractions, for students. It
// needs FLINT, so it runs in korvel-cli-check beside `check`.
#pragma once

#include <QStringList>

#include <iosfwd>

namespace korvel::cli {

// Runs `steps [--pivot first|largest] [--format text|latex|markdown] [SYSTEM | --example
// NAME]`, arguments given after "steps": loads the system as `solve` does and prints its
// worked solution, then the determinant and the inverse. Gives Ok for a unique solution,
// NoUniqueSolution for none or infinitely many, FileError or Usage.
int Run_Steps(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace korvel::cli
