// The entry screen's side of the exact check: after every Solve the status line says what
// the answer is worth (and, with a data tolerance set, how far it can move), and boxes
// whose text was not all read are marked.
#include "screens/entry/frm_matrix.h"

#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "model/shown_as_zero.h"
#include "model/uncertainty_bounds.h"
#include "reports/bounds_report.h"
#include "screens/entry/answer_status_label.h"
#include "screens/entry/matrix_box.h"
#include "session/data_uncertainty.h"
#include "text/leading_number.h"

namespace korvel {

namespace {

const QColor Unread_Mark(0xE0, 0x70, 0x00);

// Marks the box when its text held more than its number; true when it did.
bool Mark_If_Unread(MatrixBox* box, QString* why) {
    const QString unread = Unread_Text(box->text());
    if (unread.isEmpty()) {
        box->Set_Mark(QColor(), QString());
        return false;
    }
    *why = Unread_Why(Leading_Number(box->text()), unread);
    box->Set_Mark(Unread_Mark, *why);
    return true;
}

// With a tolerance set on the check screen, the least certain unknown for data known that
// well, or the warning that no bound can be guaranteed.
void Add_Uncertainty_Sentence(AnswerStatus& status) {
    const DataUncertainty uncertainty = Remembered_Uncertainty();
    if (!uncertainty.Any()) return;
    const std::optional<UncertaintyBounds> bounds =
        Bound_Model(uncertainty.coefficients / 100, uncertainty.constants / 100);
    if (!bounds) return;
    status.text += QLatin1Char(' ') + Bounds_Status_Sentence(*bounds, Var_Name);
    if (!bounds->bounded) status.warning = true;
}

} // namespace

UnreadBoxes frm_Matrix::Mark_Unread_Boxes() {
    UnreadBoxes unread;
    QString why;
    auto count = [&](MatrixBox* box, const QString& place) {
        if (!Mark_If_Unread(box, &why)) return;
        if (unread.count++ == 0) {
            unread.firstBox = place;
            unread.firstWhy = why;
        }
    };
    // In reading order: each equation's coefficients, then its constant.
    for (int r = 0; r <= Last_Index; ++r) {
        for (int c = 0; c <= Last_Index; ++c)
            count(txt_row1[Size * r + c],
                  QStringLiteral("row %1, column %2").arg(r + 1).arg(c + 1));
        count(txt_C[r], QStringLiteral("row %1, constant").arg(r + 1));
    }
    return unread;
}

SolutionKind frm_Matrix::Show_Answer_Check(const SolveResult& result, const UnreadBoxes& unread) {
    const bool solved = result.status == SolveResult::Status::Solved;
    const ExactCheck check = Check_Model(solved);
    AnswerStatus status = Describe_Answer(result, check, Var_Name, unread);
    if (solved && check.kind == SolutionKind::Unique) {
        const QString hidden = Shown_As_Zero_Note(Num_Equations, X_Vector, Var_Name);
        if (!hidden.isEmpty()) status.text += QLatin1Char(' ') + hidden;
        Add_Uncertainty_Sentence(status);
    }
    lbl_Status->Show_Status(status);
    return check.kind;
}

void frm_Matrix::Clear_Answer_Check() {
    if (lbl_Status) lbl_Status->Clear_Status();
    for (MatrixBox* box : txt_row1)
        if (box->Is_Marked()) box->Set_Mark(QColor(), QString());
    for (MatrixBox* box : txt_C)
        if (box->Is_Marked()) box->Set_Mark(QColor(), QString());
}

} // namespace korvel
