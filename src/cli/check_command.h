// `korvel-cli check`: the system solved exactly beside the solver's answer. It needs FLINT,
// so it runs in korvel-cli-check (which korvel-cli starts for it) and not in korvel-cli.
#pragma once

#include "cli/progress_line.h"

#include <QStringList>

#include <iosfwd>

namespace korvel::cli {

// Runs `check [--json | --format F] [--tolerance P | --tolerance-a P --tolerance-c P]
// [--jobs N] [SYSTEM... | --example NAME]`, arguments given after "check" (P as "0.1%" or
// "0.001"): loads each system as `solve` does, solves it (a stop of the solver is reported
// on err as `solve` reports it), checks it exactly, with a tolerance bounds every unknown,
// and prints the check as text, CSV or one JSON object. Several files are checked on --jobs threads
// (one per core unless given) and printed in the order given, each row or object with its file; a
// file that fails is named on err and the others go on. Gives the highest of the files' exit codes:
// Ok for a unique solution, NoUniqueSolution for none or infinitely many, FileError; or
// Usage. A batch shows its progress on err as display says.
int Run_Check(const QStringList& arguments, std::ostream& out, std::ostream& err,
              const ProgressDisplay& display = {});

} // namespace korvel::cli
