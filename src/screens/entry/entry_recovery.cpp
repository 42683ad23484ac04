#include "screens/entry/entry_recovery.h"

#include "files/model_file.h"
#include "model/model_snapshot.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "session/recovery.h"
#include "text/leading_number.h"

namespace korvel {

namespace {
// Typing comes in bursts: one write a second after the last key is enough.
constexpr int Quiet_Before_Writing_Ms = 1000;
} // namespace

EntryRecovery::EntryRecovery(frm_Matrix* screen) : QObject(screen) {
    timer_.setSingleShot(true);
    timer_.setInterval(Quiet_Before_Writing_Ms);
    connect(&timer_, &QTimer::timeout, this, [] { Keep_Changed_Work(); });
    Set_Recovery_Source([screen] { return screen->Shown_Model_Content(); });
}

EntryRecovery::~EntryRecovery() {
    Set_Recovery_Source({});
}

void EntryRecovery::Changed() {
    timer_.start();
}

// The model as the boxes show it, written as a model file; the model itself is left as it
// was (its flags and solution included).
QByteArray frm_Matrix::Shown_Model_Content() const {
    const ModelSnapshot kept = Take_Model_Snapshot();
    try {
        for (int r = 0; r <= Last_Index; ++r) {
            for (int c = 0; c <= Last_Index; ++c) {
                const int i = Size * r + c;
                if (!solvedA_.test(i)) A_Matrix[r + 1][c + 1] = Leading_Number(txt_row1[i]->text());
            }
            if (!solvedC_.test(r)) C_Vector[r + 1] = Leading_Number(txt_C[r]->text());
            Var_Name[r + 1] = txt_Var[r]->text();
        }
    } catch (...) {
        // A number beyond the float range: the model's own values stand for that box's row.
    }
    const QByteArray content = Model_File_Content();
    Restore_Model_Snapshot(kept);
    return content;
}

} // namespace korvel
