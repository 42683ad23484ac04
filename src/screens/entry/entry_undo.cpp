#include "screens/entry/entry_undo.h"

#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/shell/guarded_slot.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace korvel {

namespace {

bool Is_Undo_Key(const QKeyEvent* key) {
    return key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
}

bool Is_Redo_Key(const QKeyEvent* key) {
    return key->keyCombination() ==
               QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

Entry_Undo::Entry_Undo(frm_Matrix* screen) : QObject(screen), screen_(screen) {
    auto* undo = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_Z), screen);
    undo->setObjectName(QStringLiteral("key_Undo"));
    Connect_Guarded(undo, &QShortcut::activated, this, [this] { Undo(); });
    auto* redo = new QShortcut(screen);
    redo->setObjectName(QStringLiteral("key_Redo"));
    redo->setKeys({QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
                   QKeySequence(Qt::ControlModifier | Qt::Key_Y)});
    Connect_Guarded(redo, &QShortcut::activated, this, [this] { Redo(); });
    // A text box claims Ctrl+Z and Ctrl+Y for its own history even when that is empty.
    for (MatrixBox* box : screen->findChildren<MatrixBox*>())
        box->installEventFilter(this);
}

bool Entry_Undo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* box = qobject_cast<MatrixBox*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!box) return false;
    const bool countUndo =
        box == screen_->txt_equations && lastWasCount_ && Is_Undo_Key(key) && history_.Can_Undo();
    const bool toScreen = countUndo || (Is_Undo_Key(key) && !box->isUndoAvailable()) ||
                          (Is_Redo_Key(key) && !box->isRedoAvailable());
    if (!toScreen) return false;
    // Not taken by the box: the screen's shortcut gets the key.
    event->ignore();
    return true;
}

void Entry_Undo::Remember() {
    State now = Capture();
    // A pasted system remembers the screen, then its count change does: one level.
    if (const State* newest = history_.Newest(); !newest || !(*newest == now))
        history_.Remember(std::move(now));
    lastWasCount_ = false;
}

void Entry_Undo::Remember_Count_Change() {
    Remember();
    lastWasCount_ = true;
}

bool Entry_Undo::Undo() {
    auto before = history_.Undo(Capture());
    if (!before) return false;
    lastWasCount_ = false;
    Show(*before);
    emit stepped();
    return true;
}

bool Entry_Undo::Redo() {
    auto after = history_.Redo(Capture());
    if (!after) return false;
    Show(*after);
    emit stepped();
    return true;
}

void Entry_Undo::Clear() {
    history_.Clear();
    lastWasCount_ = false;
}

Entry_Undo::State Entry_Undo::Capture() const {
    State state;
    state.model = Take_Model_Snapshot();
    for (int i = 0; i < frm_Matrix::Size * frm_Matrix::Size; ++i) {
        const MatrixBox* box = screen_->txt_row1[i];
        state.grid[i] = {box->text(), box->Text_Colour(), screen_->solvedA_.test(i),
                         box->Full_Value()};
    }
    for (int r = 0; r < frm_Matrix::Size; ++r) {
        const MatrixBox* box = screen_->txt_C[r];
        state.constants[r] = {box->text(), box->Text_Colour(), screen_->solvedC_.test(r),
                              box->Full_Value()};
        state.names[r] = screen_->txt_Var[r]->text();
    }
    return state;
}

// The screen comes back in the data view: a box that showed the solved view shows the
// model's value, every other box the text it held.
void Entry_Undo::Show(const State& state) {
    Model_Snapshot model = state.model;
    // Painting the count runs the count box's handling, which would clear a solved system.
    model.solved = false;
    Restore_Model_Snapshot(model);
    // Hiding the rows moves the focus on; it comes back to the box the user was in.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    screen_->Show_Count();
    screen_->Hide_Data();
    screen_->Show_Data();
    for (int i = 0; i < frm_Matrix::Size * frm_Matrix::Size; ++i) {
        const Box_State& box = state.grid[i];
        if (box.solvedView) {
            Show_A_Box(i / frm_Matrix::Size, i % frm_Matrix::Size);
        } else {
            screen_->Set_Grid_View(i, false);
            screen_->txt_row1[i]->Show_Text(box.text);
            screen_->txt_row1[i]->Set_Text_Colour(box.colour);
            screen_->txt_row1[i]->Set_Full_Value(box.fullValue);
        }
    }
    for (int r = 0; r < frm_Matrix::Size; ++r) {
        const Box_State& box = state.constants[r];
        if (box.solvedView) {
            Show_C_Box(r);
        } else {
            screen_->Set_Constant_View(r, false);
            screen_->txt_C[r]->Show_Text(box.text);
            screen_->txt_C[r]->Set_Text_Colour(box.colour);
            screen_->txt_C[r]->Set_Full_Value(box.fullValue);
        }
        screen_->txt_Var[r]->Show_Text(state.names[r]); // the heading follows
    }
    if (focused && focused->isVisible()) focused->setFocus(Qt::OtherFocusReason);
    // The boxes come back in the data view, with Solve to be pressed: what they hold may
    // differ from the system the remembered solution was found for.
    Solved = false;
    screen_->cmd_Solve->setEnabled(true);
    screen_->cmd_Show->setEnabled(false);
    screen_->cmd_Done->setEnabled(false);
}

} // namespace korvel
