#include "session/show_results.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"
#include "files/model_file.h"
#include "model/entry_view.h"
#include "model/simq.h"
#include "model/solve_equations.h"

namespace korvel {

void Show_Error(const ErrorOutcome& error) {
    Report_Error(error.number, error.description, error.label);
}

void Show_SimQ_Result(const SolveResult& result) {
    switch (result.status) {
    case SolveResult::Status::Solved:
        return;
    case SolveResult::Status::ZeroPivot:
        MsgBox(Zero_Pivot_Message(result.column), MsgIcon::None, MsgButtons::OK);
        return;
    case SolveResult::Status::RunTimeError:
        Show_Error(result.error);
        return;
    }
}

void Show_Solve_Result(const SolveResult& result) {
    if (result.status == SolveResult::Status::Solved) return;
    Show_SimQ_Result(result);
    MsgBox(Solve_Failed_Message(), MsgIcon::None, MsgButtons::OK);
}

void Show_Read_Result(const ReadResult& result, const QString& path) {
    switch (result.status) {
    case ReadResult::Status::Refused:
        MsgBox(Incompatible_File_Message(), MsgIcon::Question, MsgButtons::OK);
        return;
    case ReadResult::Status::Error:
        Show_Error(result.error);
        // An error in the header left the model alone; one in the body left what was read.
        if (result.error.label == QLatin1String("Readfile")) return;
        if (!First_Activate) Open_Entry_Screen();
        return;
    case ReadResult::Status::Complete:
        if (First_Activate) return; // a file named on the command line opens silently
        MsgBox(QStringLiteral("File ") + path + QStringLiteral(" successfully read."));
        Open_Entry_Screen();
        return;
    }
}

void Show_Save_Result(const WriteResult& result, const QString& path) {
    if (!result.written) {
        Show_Error(result.error);
        return;
    }
    MsgBox(QStringLiteral("File was successfully written to ") + QChar(13) + path);
}

} // namespace korvel
