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
#include "session/undo_history.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <array>

namespace korvel {

class frm_Matrix;

class Entry_Undo : public QObject {
    Q_OBJECT
  public:
    static constexpr int Levels = 32;

    explicit Entry_Undo(frm_Matrix* screen);

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
    struct Box_State {
        QString text;
        QColor colour;
        bool solvedView = false; // showed the identity or the solution, not data
        QString fullValue;       // its tooltip
        bool operator==(const Box_State&) const = default;
    };
    struct State {
        Model_Snapshot model;
        std::array<Box_State, 256> grid;
        std::array<Box_State, 16> constants;
        std::array<QString, 16> names;
        bool operator==(const State&) const = default;
    };

    State Capture() const;
    void Show(const State& state);

    frm_Matrix* screen_;
    Undo_History<State> history_{Levels};
    bool lastWasCount_ = false;
};

} // namespace korvel
