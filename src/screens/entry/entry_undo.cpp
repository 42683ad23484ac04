#include "screens/entry/entry_undo.h"

#include "model/mod_matrix.h"
#include "screens/shell/guarded_slot.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
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

constexpr int Size = Entry_Boxes::Size;

Entry_Box Grid_Box(int index) {
    return {Entry_Box::Kind::Grid, index};
}
Entry_Box Constant_Box(int row) {
    return {Entry_Box::Kind::Constant, row};
}
Entry_Box Name_Box(int row) {
    return {Entry_Box::Kind::Name, row};
}

} // namespace

Entry_Undo::Entry_Undo(Entry_Boxes& boxes) : QObject(boxes.Screen()), boxes_(boxes) {
    QWidget* screen = boxes.Screen();
    auto* undo = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_Z), screen);
    undo->setObjectName(QStringLiteral("key_Undo"));
    Connect_Guarded(undo, &QShortcut::activated, this, [this] { Undo(); });
    auto* redo = new QShortcut(screen);
    redo->setObjectName(QStringLiteral("key_Redo"));
    redo->setKeys({QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_Z),
                   QKeySequence(Qt::ControlModifier | Qt::Key_Y)});
    Connect_Guarded(redo, &QShortcut::activated, this, [this] { Redo(); });
    // A text box claims Ctrl+Z and Ctrl+Y for its own history even when that is empty.
    for (QLineEdit* box : boxes.Boxes())
        box->installEventFilter(this);
}

bool Entry_Undo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* box = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!box) return false;
    const bool countUndo = boxes_.Place_Of(box).kind == Entry_Box::Kind::Count && lastWasCount_ &&
                           Is_Undo_Key(key) && history_.Can_Undo();
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
    for (int i = 0; i < Size * Size; ++i)
        state.grid[i] = boxes_.Look_Of(Grid_Box(i));
    for (int r = 0; r < Size; ++r) {
        state.constants[r] = boxes_.Look_Of(Constant_Box(r));
        state.names[r] = boxes_.Look_Of(Name_Box(r));
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
    boxes_.Show_Rows_For_Count();
    for (int i = 0; i < Size * Size; ++i) {
        if (state.grid[i].solvedView)
            Show_A_Box(i / Size, i % Size);
        else
            boxes_.Show_Look(Grid_Box(i), state.grid[i]);
    }
    for (int r = 0; r < Size; ++r) {
        if (state.constants[r].solvedView)
            Show_C_Box(r);
        else
            boxes_.Show_Look(Constant_Box(r), state.constants[r]);
        boxes_.Show_Look(Name_Box(r), state.names[r]); // the heading follows
    }
    if (focused && focused->isVisible()) focused->setFocus(Qt::OtherFocusReason);
    // The boxes come back in the data view, with Solve to be pressed: what they hold may
    // differ from the system the remembered solution was found for.
    Solved = false;
    boxes_.Await_Solve();
}

} // namespace korvel
