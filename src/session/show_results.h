// The one place that turns the core's results into the message boxes the user sees, in
// the order and with the texts the program has always shown.
#pragma once

#include "base/outcome.h"
#include "files/read_result.h"
#include "model/solve_result.h"

#include <QString>

namespace korvel {

// Report_Error for the error, with its label.
void Show_Error(const ErrorOutcome& error);

// SimQ's own box: the zero-pivot column message, or the run-time error's report.
void Show_SimQ_Result(const SolveResult& result);

// What the Solve button shows: SimQ's box, then the driver's "serious error" message;
// nothing when solved.
void Show_Solve_Result(const SolveResult& result);

// A refused file gets the compatibility message, an error its report. After start-up a
// file read in whole is confirmed ("File <path> successfully read.") and the entry screen
// opens; after an error in the body it opens without the confirmation.
void Show_Read_Result(const ReadResult& result, const QString& path);

// A saved model file is confirmed ("File was successfully written to " CR path); a failed
// save gets its report.
void Show_Save_Result(const WriteResult& result, const QString& path);

} // namespace korvel
