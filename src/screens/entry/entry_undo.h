// Undo and redo of the entry screen's actions that change many boxes at once (Zero A,
// Zero C, Reset B, a count change that clears a solved system, a pasted block): Ctrl+Z
// brings back the boxes and the model as they were before the action, Ctrl+Shift+Z or
// Ctrl+Y does it again.
//
// A box with typing of its own to take back keeps Ctrl+Z for that typing, as every text
// box does; once it has none left, Ctrl+Z goes on to the screen's actions. The count box
// is the exception right after its typing cleared a solved system: Ctrl+Z there brings
// the system back at once, the count with it.
#pragma once

#include "model/model_snapshot.h"
#include "screens/entry/entry_boxes.h"
#include "session/undo_history.h"

#include <QObject>

#include <array>

namespace korvel {

class Entry_Undo : public QObject {
    Q_OBJECT
  public:
    static constexpr int Levels = 32;

    explicit Entry_Undo(Entry_Boxes& boxes);

    // Keeps the screen and the model as they are now, before an action changes them.
    void Remember();
    // The same, before the count box's new text clears a solved system.
    void Remember_Count_Change();
    // Returns false when there is nothing to undo (or redo).
    bool Undo();
    bool Redo();
    // A new model on the screen: what came before is no longer the user's work on it.
    void Clear();

  signals:
    // An undo or redo changed the boxes and the model.
    void stepped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct State {
        Model_Snapshot model;
        std::array<Box_Look, Entry_Boxes::Size * Entry_Boxes::Size> grid;
        std::array<Box_Look, Entry_Boxes::Size> constants;
        std::array<Box_Look, Entry_Boxes::Size> names;
        bool operator==(const State&) const = default;
    };

    State Capture() const;
    void Show(const State& state);

    Entry_Boxes& boxes_;
    Undo_History<State> history_{Levels};
    bool lastWasCount_ = false;
};

} // namespace korvel
