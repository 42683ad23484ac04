#include "screens/entry/frm_matrix.h"

#include "screens/home/frm_homescreen.h"
#include "screens/shell/guarded_slot.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/check/frm_check.h"
#include "screens/entry/answer_status_label.h"
#include "screens/entry/entry_recovery.h"
#include "screens/entry/entry_undo.h"
#include "screens/entry/matrix_box.h"
#include "screens/entry/matrix_clipboard.h"
#include "screens/home/file_drop.h"
#include "screens/printing/print_form.h"
#include "screens/shell/forms.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "session/confirm_direct_print.h"
#include "session/placement.h"
#include "session/recovery.h"
#include "session/show_results.h"
#include "text/leading_number.h"
#include "text/number_text.h"
#include "text/rounding.h"
#include "text/shortest_text.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace korvel {

namespace {

QPointer<frm_Matrix> g_matrix;

void Set_Text_Colour(MatrixBox* box, BoxColour colour) {
    box->Set_Text_Colour(QColor(QRgb(static_cast<uint32_t>(colour))));
}

} // namespace

frm_Matrix* Matrix_Screen() {
    const bool loaded = g_matrix;
    frm_Matrix* form = Load_Form(g_matrix);
    // The load sequence paints through the model, which asks for this screen again:
    // it runs only once the screen is known.
    if (!loaded) form->Form_Load();
    return form;
}

frm_Matrix::frm_Matrix() : Form(QStringLiteral("frm_Matrix")) {
    Build_Controls();
    recovery_ = new EntryRecovery(this);
    Connect_Handlers();
    clipboard = new MatrixClipboard(*this);
    undo_ = new EntryUndo(*this);
    connect(undo_, &EntryUndo::stepped, recovery_, &EntryRecovery::Changed);
    clipboard->Set_Before_Many_Changes([this] { Remember_Before_Many_Changes(); });
    Accept_File_Drops(this);
}

void frm_Matrix::Connect_Handlers() {
    Connect_Guarded(txt_equations, &QLineEdit::textChanged, this,
                    [this] { txt_equations_Change(); });
    connect(txt_equations, &QLineEdit::textEdited, recovery_, &EntryRecovery::Changed);
    Connect_Guarded(txt_equations, &QLineEdit::returnPressed, this,
                    [this] { txt_equations_Commit(); });
    Connect_Guarded(txt_equations, &MatrixBox::focusLeft, this, [this] { txt_equations_Commit(); });
    for (int i = 0; i < Size * Size; ++i) {
        MatrixBox* box = txt_row1[i];
        Connect_Guarded(box, &QLineEdit::textEdited, this, [this, i] {
            Set_Grid_View(i, false);
            Box_Typed_In(txt_row1[i]);
            Clear_Answer_Check();
            recovery_->Changed();
        });
        Connect_Guarded(box, &MatrixBox::focusLeft, this, [this, i] { txt_row1_LostFocus(i); });
        Connect_Guarded(box, &QLineEdit::returnPressed, this, [this, i] { txt_row1_LostFocus(i); });
        Connect_Guarded(box, &MatrixBox::stepRequested, this,
                        [this, i](int rows) { Step_Grid(i, rows); });
    }
    for (int r = 0; r < Size; ++r) {
        Connect_Guarded(txt_Var[r], &QLineEdit::textChanged, this,
                        [this, r] { txt_Var_Change(r); });
        connect(txt_Var[r], &QLineEdit::textEdited, recovery_, &EntryRecovery::Changed);
        Connect_Guarded(txt_Var[r], &MatrixBox::focusLeft, this,
                        [this, r] { txt_Var_LostFocus(r); });
        Connect_Guarded(txt_Var[r], &QLineEdit::returnPressed, this,
                        [this, r] { txt_Var_LostFocus(r); });
        Connect_Guarded(txt_Var[r], &MatrixBox::stepRequested, this,
                        [this, r](int rows) { Step_Row(txt_Var, r, rows); });
        Connect_Guarded(txt_C[r], &QLineEdit::textEdited, this, [this, r] {
            Set_Constant_View(r, false);
            Box_Typed_In(txt_C[r]);
            Clear_Answer_Check();
            recovery_->Changed();
        });
        Connect_Guarded(txt_C[r], &MatrixBox::stepRequested, this,
                        [this, r](int rows) { Step_Row(txt_C, r, rows); });
    }
    Connect_Guarded(cmd_Solve, &QPushButton::clicked, this, [this] { cmd_Solve_Click(); });
    Connect_Guarded(cmd_Show, &QPushButton::clicked, this, [this] { cmd_Show_Click(); });
    Connect_Guarded(cmd_Zero_A, &QPushButton::clicked, this, [this] { cmd_Zero_A_Click(); });
    Connect_Guarded(cmd_Reset_Vars, &QPushButton::clicked, this,
                    [this] { cmd_Reset_Vars_Click(); });
    Connect_Guarded(cmd_Zero_C, &QPushButton::clicked, this, [this] { cmd_Zero_C_Click(); });
    Connect_Guarded(cmd_Copy, &QPushButton::clicked, this, [this] { cmd_Copy_Click(); });
    Connect_Guarded(cmd_Print, &QPushButton::clicked, this, [this] { cmd_Print_Click(); });
    Connect_Guarded(cmd_Done, &QPushButton::clicked, this, [this] { cmd_Done_Click(); });
    Connect_Guarded(cmd_Cancel, &QPushButton::clicked, this, [this] { cmd_Cancel_Click(); });
    Connect_Guarded(lbl_Status, &AnswerStatusLabel::detailsRequested, this,
                    [] { Show_Check_Screen(); });
}

void frm_Matrix::Form_Load() {
    Show_Count();
    Show_A();
    Show_Names();
    Show_C();
    Reset_Names();
    resize(Twips_To_Pixels(Design_Width, this), Twips_To_Pixels(Design_Height, this));
}

void frm_Matrix::Form_Activate() {
    // Coming back from a screen opened from this one (the check screen) is not an entry:
    // the screen stays as the user left it, solved view and all.
    if (entered_) return;
    entered_ = true;
    Enter_Screen();
}

void frm_Matrix::hideEvent(QHideEvent* event) {
    Form::hideEvent(event);
    entered_ = false;
}

void frm_Matrix::Enter_Screen() {
    // The printer dialog already reports Cancel as error 32755 (dialogs seam).
    Place_By_Screen_Size(this, Design_Height, Design_Width);
    cmd_Print->setEnabled(true);
    cmd_Copy->setEnabled(true);
    cmd_Solve->setEnabled(true);
    cmd_Show->setEnabled(false);
    cmd_Done->setEnabled(false);
    Solved = false;
    Clear_Answer_Check();
    Show_Count();
    Show_A();
    Show_Names();
    Show_C();
    undo_->Clear(); // every entry paints the model afresh
    txt_equations->setFocus(Qt::OtherFocusReason);
}

void frm_Matrix::Show_Loaded_Model() {
    Enter_Screen();
}

void frm_Matrix::Remember_Before_Many_Changes() {
    undo_->Remember();
    recovery_->Changed(); // written once the action is done
}

bool frm_Matrix::Undo_Many_Changes() {
    return undo_->Undo();
}

// ---- procedures ----

void frm_Matrix::Hide_Data() {
    for (int i = 2; i < Size * Size; ++i)
        txt_row1[i]->hide();
    for (int r = 2; r < Size; ++r) {
        txt_C[r]->hide();
        txt_Var[r]->hide();
        lbl_Var2[r]->hide();
    }
}

void frm_Matrix::Show_Data() {
    for (int r = 0; r <= Last_Index; ++r)
        for (int c = 0; c <= Last_Index; ++c)
            txt_row1[Size * r + c]->show();
    for (int r = 0; r <= Last_Index; ++r) {
        txt_C[r]->show();
        txt_Var[r]->show();
        lbl_Var2[r]->show();
    }
}

frm_Matrix::BoxNumbers frm_Matrix::Read_Boxes() const {
    BoxNumbers numbers{};
    for (int r = 0; r <= Last_Index; ++r) {
        for (int c = 0; c <= Last_Index; ++c)
            numbers.a[r][c] = Leading_Number(txt_row1[Size * r + c]->text());
        numbers.c[r] = Leading_Number(txt_C[r]->text());
    }
    return numbers;
}

void frm_Matrix::Read_A(const BoxNumbers& numbers) {
    for (int r = 0; r <= Last_Index; ++r)
        for (int c = 0; c <= Last_Index; ++c)
            A_Matrix[r + 1][c + 1] = numbers.a[r][c];
}

void frm_Matrix::Read_C(const BoxNumbers& numbers) {
    for (int r = 0; r <= Last_Index; ++r)
        C_Vector[r + 1] = numbers.c[r];
    C_To_X(Num_Equations);
    Load_C_Work(Num_Equations);
}

void frm_Matrix::Show_Identity() {
    for (int r = 0; r <= Last_Index; ++r)
        for (int c = 0; c <= Last_Index; ++c) {
            MatrixBox* box = txt_row1[Size * r + c];
            box->Show_Text(r == c ? QStringLiteral("1") : QStringLiteral("0"));
            Set_Text_Colour(box, r == c ? BoxColour::Red : BoxColour::Grey);
            box->Set_Full_Value(QString()); // exact as shown
            Set_Grid_View(Size * r + c, true);
        }
}

void frm_Matrix::Show_Solution() {
    for (int r = 0; r <= Last_Index; ++r) {
        txt_C[r]->Show_Text(FNRoundStr(X_Vector[r + 1], 3));
        txt_C[r]->Set_Full_Value(Shortest_Text(X_Vector[r + 1]));
        Set_Constant_View(r, true);
    }
}

void frm_Matrix::Show_Count() {
    txt_equations->setText(Number_Text(Num_Equations));
}

void frm_Matrix::Reset_Names() {
    Default_Names();
    for (int r = 0; r < Size; ++r)
        txt_Var[r]->Show_Text(Var_Name[r + 1]);
}

// ---- event handlers ----

void frm_Matrix::txt_equations_Change() {
    With_Handler(QStringLiteral("txt_equations_Change"), [this] {
        HourglassGuard hourglass;
        const double v = Leading_Number(txt_equations->text());
        // A count outside 2..16 may be the first digit of one inside it (the 1 of 12): it
        // waits for Enter or the box being left, which put 2 or 16 in its place.
        if (v < 2 || v > Size) return;
        Set_Count(static_cast<int16_t>(std::nearbyint(v))); // halves to the even neighbour
    });
}

void frm_Matrix::txt_equations_Commit() {
    With_Handler(QStringLiteral("txt_equations_LostFocus"), [this] {
        const double v = Leading_Number(txt_equations->text());
        if (v < 2)
            txt_equations->setText(QStringLiteral("2")); // runs the change handling
        else if (v > Size)
            txt_equations->setText(QStringLiteral("16"));
    });
}

void frm_Matrix::Set_Count(int16_t n) {
    if (Solved) undo_->Remember_Count_Change();
    Num_Equations = n;
    Last_Index = static_cast<int16_t>(n - 1);
    Clear_Answer_Check();
    if (Solved) {
        // The system is cleared: there is no solution until the next Solve.
        Zero_A(Num_Equations);
        Show_A();
        Zero_C(Num_Equations);
        Show_C();
        Solved = false;
        cmd_Done->setEnabled(false);
        // Nor are there results to show: the home screen's Print to Screen waits for a Solve.
        Home_Screen()->Enable_Print_To_Screen(false);
    }
    Hide_Data();
    Show_Data();
    Repaint_Solved_View();
    cmd_Solve->setEnabled(true);
    cmd_Show->setEnabled(false);
}

// With Solve enabled again every visible box must hold data, which Solve reads: a box
// still showing an earlier solved view (a row hidden since, or one not yet repainted)
// shows the model's value instead.
void frm_Matrix::Repaint_Solved_View() {
    for (int r = 0; r <= Last_Index; ++r) {
        for (int c = 0; c <= Last_Index; ++c)
            if (solvedA_.test(Size * r + c)) Show_A_Box(r, c);
        if (solvedC_.test(r)) Show_C_Box(r);
    }
}

// Typed text is data of no colour yet: the model's colours come with the next painting;
// nor is the model's full value its own.
void frm_Matrix::Box_Typed_In(MatrixBox* box) {
    box->Set_Text_Colour(QColor());
    box->Set_Full_Value(QString());
}

void frm_Matrix::txt_row1_LostFocus(int /*index*/) {
    Solved = false;
    cmd_Show->setEnabled(false);
    cmd_Done->setEnabled(false);
}

void frm_Matrix::txt_Var_Change(int row) {
    Name_Column(row, txt_Var[row]->text());
}

void frm_Matrix::txt_Var_LostFocus(int row) {
    Var_Name[row + 1] = txt_Var[row]->text();
    Name_Column(row, Var_Name[row + 1]);
}

// The heading above a grid column and the spoken names of its boxes follow the name.
void frm_Matrix::Name_Column(int column, const QString& name) {
    lbl_Var2[column]->setText(name);
    for (int r = 0; r < Size; ++r)
        Name_Grid_Box(Size * r + column);
    Name_Constant_Box(column); // in the solved view it holds this unknown's value
}

void frm_Matrix::cmd_Solve_Click() {
    With_Handler(QStringLiteral("cmd_Solve_Click"), [this] {
        // Every box is read before anything is stored, so a number beyond the float range
        // leaves the model as it was.
        const BoxNumbers numbers = Read_Boxes();
        const UnreadBoxes unread = Mark_Unread_Boxes();
        Read_A(numbers);
        Read_C(numbers);
        const SolveResult result = Solve_Equations();
        Show_Solve_Result(result);
        // After the solver's own messages.
        const SolutionKind kind = Show_Answer_Check(result, unread);
        if (Solve_Error != 0) return; // the boxes keep what was typed
        if (kind != SolutionKind::Unique) {
            // Rounding hid a singular matrix from the solver: its numbers are no solution,
            // and the Solve counts as failed.
            Solved = false;
            C_To_X(Num_Equations);
            return;
        }
        Show_Identity();
        Show_Solution();
        cmd_Show->setEnabled(true);
        cmd_Done->setEnabled(true);
        cmd_Solve->setEnabled(false);
        Solved = true;
        Write_Recovery_File(); // a crash or kill -9 from here on loses no solved work
    });
}

void frm_Matrix::cmd_Show_Click() {
    Clear_Answer_Check();
    Show_A();
    Show_C();
    cmd_Solve->setEnabled(true);
    cmd_Show->setEnabled(false);
}

void frm_Matrix::cmd_Zero_A_Click() {
    Remember_Before_Many_Changes();
    Zero_A(Num_Equations);
    Show_A();
    Forget_Solution();
}

void frm_Matrix::cmd_Reset_Vars_Click() {
    Remember_Before_Many_Changes();
    Reset_Names();
}

void frm_Matrix::cmd_Zero_C_Click() {
    Remember_Before_Many_Changes();
    Zero_C(Num_Equations);
    Show_C();
    Forget_Solution();
}

// The model's A or C changed: the solution found before belongs to another system, so
// nothing may print, export or save it until the next Solve.
void frm_Matrix::Forget_Solution() {
    Solved = false;
    Clear_Answer_Check();
}

void frm_Matrix::cmd_Copy_Click() {
    Show_Copy_Screen_Hint();
}

void frm_Matrix::cmd_Print_Click() {
    Print_Form_Command(this, QStringLiteral("frm_Plot1.PrintForm"));
}

void frm_Matrix::cmd_Done_Click() {
    hide();
}

void frm_Matrix::cmd_Cancel_Click() {
    hide();
}

// ---- painting from the model ----

void frm_Matrix::Paint_Coefficient(int index, const QString& text, BoxColour colour) {
    Set_Grid_View(index, false);
    txt_row1[index]->Show_Text(text);
    txt_row1[index]->Set_Full_Value(Shortest_Text(A_Matrix[index / Size + 1][index % Size + 1]));
    Set_Text_Colour(txt_row1[index], colour);
}

void frm_Matrix::Paint_Constant(int row, const QString& text, BoxColour colour) {
    Set_Constant_View(row, false);
    txt_C[row]->Show_Text(text);
    txt_C[row]->Set_Full_Value(Shortest_Text(C_Vector[row + 1]));
    Set_Text_Colour(txt_C[row], colour);
}

void frm_Matrix::Paint_Name(int row, const QString& text) {
    txt_Var[row]->Show_Text(text);
}

// ---- Up and Down between the visible rows ----

void frm_Matrix::Step_Row(std::array<MatrixBox*, Size>& column, int row, int rows) {
    const int target = row + rows;
    if (target >= 0 && target <= Last_Index) column[target]->setFocus(Qt::OtherFocusReason);
}

void frm_Matrix::Step_Grid(int index, int rows) {
    const int target = index / Size + rows;
    if (target >= 0 && target <= Last_Index)
        txt_row1[Size * target + index % Size]->setFocus(Qt::OtherFocusReason);
}

} // namespace korvel
