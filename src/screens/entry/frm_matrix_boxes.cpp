// The entry screen's boxes as its clipboard and undo see them (entry_boxes.h): by place,
// with what each shows, never as controls.
#include "screens/entry/frm_matrix.h"

#include "screens/entry/matrix_box.h"

#include <QPushButton>

#include <algorithm>

namespace korvel {

namespace {

template <std::size_t N>
int Index_In(const std::array<MatrixBox*, N>& boxes, const QObject* object) {
    const auto found = std::find(boxes.begin(), boxes.end(), object);
    return found == boxes.end() ? -1 : static_cast<int>(found - boxes.begin());
}

// A box given text by a paste is changed as if typed: its textEdited handling runs.
void Type_Into(MatrixBox* box, const QString& text) {
    box->Show_Text(text);
    emit box->textEdited(text);
}

// The look of a box whose text is all it shows: the count, a name.
Box_Look Text_Look(const QString& text) {
    Box_Look look;
    look.text = text;
    return look;
}

} // namespace

QList<QLineEdit*> frm_Matrix::Boxes() const {
    QList<QLineEdit*> boxes{txt_equations};
    boxes.append(QList<QLineEdit*>(txt_row1.begin(), txt_row1.end()));
    boxes.append(QList<QLineEdit*>(txt_C.begin(), txt_C.end()));
    boxes.append(QList<QLineEdit*>(txt_Var.begin(), txt_Var.end()));
    return boxes;
}

Entry_Box frm_Matrix::Place_Of(const QObject* object) const {
    using Kind = Entry_Box::Kind;
    if (!object) return {};
    if (object == txt_equations) return {Kind::Count, 0};
    if (const int i = Index_In(txt_row1, object); i >= 0) return {Kind::Grid, i};
    if (const int r = Index_In(txt_C, object); r >= 0) return {Kind::Constant, r};
    if (const int r = Index_In(txt_Var, object); r >= 0) return {Kind::Name, r};
    return {};
}

Box_Look frm_Matrix::Look_Of(Entry_Box box) const {
    switch (box.kind) {
    case Entry_Box::Kind::Count:
        return Text_Look(txt_equations->text());
    case Entry_Box::Kind::Grid: {
        const MatrixBox* grid = txt_row1[box.index];
        return {grid->text(), grid->Text_Colour(), solvedA_.test(box.index), grid->Full_Value()};
    }
    case Entry_Box::Kind::Constant: {
        const MatrixBox* constant = txt_C[box.index];
        return {constant->text(), constant->Text_Colour(), solvedC_.test(box.index),
                constant->Full_Value()};
    }
    case Entry_Box::Kind::Name:
        return Text_Look(txt_Var[box.index]->text());
    case Entry_Box::Kind::None:
        break;
    }
    return {};
}

void frm_Matrix::Show_Look(Entry_Box box, const Box_Look& look) {
    MatrixBox* shown = nullptr;
    switch (box.kind) {
    case Entry_Box::Kind::Grid:
        Set_Grid_View(box.index, false);
        shown = txt_row1[box.index];
        break;
    case Entry_Box::Kind::Constant:
        Set_Constant_View(box.index, false);
        shown = txt_C[box.index];
        break;
    case Entry_Box::Kind::Name:
        txt_Var[box.index]->Show_Text(look.text); // the heading follows
        return;
    case Entry_Box::Kind::Count:
    case Entry_Box::Kind::None:
        return;
    }
    shown->Show_Text(look.text);
    shown->Set_Text_Colour(look.colour);
    shown->Set_Full_Value(look.fullValue);
}

void frm_Matrix::Paste_Cell(Entry_Box box, const QString& text) {
    switch (box.kind) {
    case Entry_Box::Kind::Count:
        txt_equations->setText(text); // runs the count box's handling
        break;
    case Entry_Box::Kind::Grid:
        Type_Into(txt_row1[box.index], text);
        txt_row1_LostFocus(box.index);
        break;
    case Entry_Box::Kind::Constant:
        Type_Into(txt_C[box.index], text);
        break;
    case Entry_Box::Kind::Name:
        txt_Var[box.index]->Show_Text(text);
        txt_Var_LostFocus(box.index);
        break;
    case Entry_Box::Kind::None:
        break;
    }
}

bool frm_Matrix::Solved_View() const {
    // After a successful Solve the boxes show the solution until Show Matrix.
    return !cmd_Solve->isEnabled();
}

void frm_Matrix::Show_Rows_For_Count() {
    Show_Count();
    Hide_Data();
    Show_Data();
}

void frm_Matrix::Await_Solve() {
    cmd_Solve->setEnabled(true);
    cmd_Show->setEnabled(false);
    cmd_Done->setEnabled(false);
}

} // namespace korvel
