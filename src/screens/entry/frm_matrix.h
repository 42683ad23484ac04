// The equation entry screen: the count of equations, the coefficient grid, the names of
// the unknowns and the constants, shown as a picture of A·x = C, and the Solve button.
#pragma once

#include "model/answer_status.h"
#include "model/entry_view.h"
#include "model/solve_result.h"
#include "screens/entry/entry_boxes.h"
#include "screens/shell/form.h"

#include <array>
#include <bitset>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace korvel {

class AnswerStatusLabel;
class Entry_Recovery;
class Entry_Undo;
class MatrixBox;
class MatrixClipboard;

class frm_Matrix : public Form, public EntryView, public Entry_Boxes {
    Q_OBJECT
  public:
    static constexpr int Size = Entry_Boxes::Size; // rows and columns of the grid

    frm_Matrix();

    // Controls, named as the program refers to them.
    QFrame* pnl_Equations = nullptr;
    QLabel* Label3 = nullptr;
    MatrixBox* txt_equations = nullptr;
    QFrame* pnl_Matrix = nullptr;
    std::array<QLabel*, Size> lbl_Var2{};
    QGroupBox* SSFrame2 = nullptr;                  // "A-matrix"
    std::array<MatrixBox*, Size * Size> txt_row1{}; // box 16·r + c holds A(r + 1, c + 1)
    QLabel* Label1 = nullptr;                       // "x"
    QGroupBox* SSFrame3 = nullptr;                  // "B"
    std::array<MatrixBox*, Size> txt_Var{};
    QLabel* Label2 = nullptr;      // "="
    QGroupBox* SSFrame1 = nullptr; // "C-vect"
    std::array<MatrixBox*, Size> txt_C{};
    QPushButton* cmd_Solve = nullptr;
    QPushButton* cmd_Show = nullptr;
    QPushButton* cmd_Copy = nullptr;
    QPushButton* cmd_Print = nullptr;
    QPushButton* cmd_Zero_A = nullptr;
    QPushButton* cmd_Reset_Vars = nullptr;
    QPushButton* cmd_Zero_C = nullptr;
    QPushButton* cmd_Cancel = nullptr;
    QPushButton* cmd_Done = nullptr;
    AnswerStatusLabel* lbl_Status = nullptr; // what the last answer is worth

    // Visible part: the n × n block of the grid and rows 0..n-1 of the columns.
    void Hide_Data();
    void Show_Data();
    // The solved view: identity in the grid, the rounded solution in the constants.
    void Show_Identity();
    void Show_Solution();
    void Show_Count();
    void Reset_Names();

    // Ctrl+V of a block, Ctrl+C of the system, and their context-menu items.
    MatrixClipboard* clipboard = nullptr;
    // Before an action that changes many boxes at once (a pasted block, say): Ctrl+Z
    // then brings the boxes and the model back (entry_undo.h).
    void Remember_Before_Many_Changes();
    // The model as the boxes show it, as a model file's content (entry_recovery.cpp).
    QByteArray Shown_Model_Content() const;

    bool Undo_Many_Changes();

    // A model read while the screen is up (a file dropped on it): painted as on entry.
    void Show_Loaded_Model();

    // Event handlers.
    void txt_equations_Change();
    void txt_equations_Commit(); // Enter in the count box, or the box left
    void txt_row1_LostFocus(int index);
    void txt_Var_Change(int row);
    void txt_Var_LostFocus(int row);
    void cmd_Solve_Click();
    void cmd_Show_Click();
    void cmd_Zero_A_Click();
    void cmd_Reset_Vars_Click();
    void cmd_Zero_C_Click();
    void cmd_Copy_Click();
    void cmd_Print_Click();
    void cmd_Done_Click();
    void cmd_Cancel_Click();

    // How the model paints the boxes.
    void Paint_Coefficient(int index, const QString& text, BoxColour colour) override;
    void Paint_Constant(int row, const QString& text, BoxColour colour) override;
    void Paint_Name(int row, const QString& text) override;

  protected:
    void Form_Activate() override;
    void hideEvent(QHideEvent* event) override;

  private:
    friend frm_Matrix* Matrix_Screen();

    // What the clipboard and the undo see of the boxes (entry_boxes.h, frm_matrix_boxes.cpp).
    QWidget* Screen() override { return this; }
    QList<QLineEdit*> Boxes() const override;
    Entry_Box Place_Of(const QObject* object) const override;
    Box_Look Look_Of(Entry_Box box) const override;
    void Show_Look(Entry_Box box, const Box_Look& look) override;
    void Paste_Cell(Entry_Box box, const QString& text) override;
    bool Solved_View() const override;
    void Show_Rows_For_Count() override;
    void Await_Solve() override;

    // The coefficients and constants as the boxes read.
    struct Box_Numbers {
        double a[Size][Size];
        double c[Size];
    };

    void Form_Load();
    void Enter_Screen();   // the entry sequence: the model painted afresh in the data view
    void Build_Controls(); // frm_matrix_layout.cpp
    void Set_Tab_Order();
    void Connect_Handlers();
    Box_Numbers Read_Boxes() const;
    void Read_A(const Box_Numbers& numbers);
    void Read_C(const Box_Numbers& numbers);
    void Name_Column(int column, const QString& name);
    void Step_Row(std::array<MatrixBox*, Size>& column, int row, int rows);
    void Step_Grid(int index, int rows);
    void Set_Count(int16_t n);
    void Box_Typed_In(MatrixBox* box);
    void Repaint_Solved_View();

    // The exact check after a Solve (frm_matrix_check.cpp).
    Unread_Boxes Mark_Unread_Boxes();
    // Returns what the exact check found: one solution, none or infinitely many.
    Solution_Kind Show_Answer_Check(const SolveResult& result, const Unread_Boxes& unread);
    void Clear_Answer_Check();
    void Forget_Solution();

    // Whether a box shows the solved view; its spoken name follows (frm_matrix_names.cpp).
    void Set_Grid_View(int index, bool solved);
    void Set_Constant_View(int row, bool solved);
    void Name_Grid_Box(int index);
    void Name_Constant_Box(int row);
    QString Spoken_Unknown(int column) const;

    // Boxes that show the solved view (identity, solution) rather than data.
    std::bitset<Size * Size> solvedA_;
    std::bitset<Size> solvedC_;
    Entry_Undo* undo_ = nullptr;
    Entry_Recovery* recovery_ = nullptr;
    bool entered_ = false; // the entry sequence has run since the screen was last shown
};

// The entry screen, loaded (hidden, with its load sequence run) the first time it is asked.
frm_Matrix* Matrix_Screen();

} // namespace korvel
