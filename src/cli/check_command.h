// `korvel-cli check`: the system solved exactly beside the solver's answer. It needs FLINT,
// so it runs in korvel-cli-check (which korvel-cli starts for it) and not in korvel-cli.
#pragma once

#include <QStringList>

#include <iosfwd>

namespace korvel::cli {

// Runs `check [FILE.kvl | --example NAME] [--json] [--tolerance P]`, arguments given after
// "check" (P as "0.1%" or "0.001", or --tolerance-a and --tolerance-c apart): loads
// the system as `solve` does, solves it (a stop of the solver is reported on err as
// `solve` reports it), checks it exactly and prints the check as text or as one JSON
// object. Gives Ok for a unique solution, NoUniqueSolution for none or infinitely many,
// FileError or Usage.
int Run_Check(const QStringList& arguments, std::ostream& out, std::ostream& err);

} // namespace korvel::cli
