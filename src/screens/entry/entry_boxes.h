// What the entry screen's clipboard and undo see of it: its boxes by where they stand, what
// each shows, and the few things that follow a change to many of them. The screen
// implements it; the helpers never touch its controls.
#pragma once

#include <QColor>
#include <QList>
#include <QString>

class QLineEdit;
class QObject;
class QWidget;

namespace korvel {

// A box by its place: the count box, grid box 16·r + c (it holds A(r + 1, c + 1)), or the
// constant or the name of row r.
struct Entry_Box {
    enum class Kind { None, Count, Grid, Constant, Name };
    Kind kind = Kind::None;
    int index = 0;
};

// What a grid or constant box shows; of a name box, only the text counts.
struct Box_Look {
    QString text;
    QColor colour;           // invalid: the ordinary text colour
    bool solvedView = false; // the identity or the solution, not data
    QString fullValue;       // its tooltip
    bool operator==(const Box_Look&) const = default;
};

class Entry_Boxes {
  public:
    static constexpr int Size = 16; // rows and columns of the grid

    // The screen itself: the helpers hang their shortcuts and key filters on it.
    virtual QWidget* Screen() = 0;
    // Every box the user types or pastes into, the count box among them.
    virtual QList<QLineEdit*> Boxes() const = 0;
    // Where a box stands; Kind::None for anything else.
    virtual Entry_Box Place_Of(const QObject* object) const = 0;

    virtual Box_Look Look_Of(Entry_Box box) const = 0;
    // Shows a look kept earlier, in the data view; a name's heading follows its text.
    virtual void Show_Look(Entry_Box box, const Box_Look& look) = 0;
    // A cell of a pasted block: taken as typed text is, then as when the box is left.
    virtual void Paste_Cell(Entry_Box box, const QString& text) = 0;

    // The boxes show the last Solve's answer, until Show Matrix or a change.
    virtual bool Solved_View() const = 0;
    // The count box and the visible rows follow Num_Equations.
    virtual void Show_Rows_For_Count() = 0;
    // The data view with Solve to be pressed: Show Matrix and Done wait for it.
    virtual void Await_Solve() = 0;

  protected:
    ~Entry_Boxes() = default;
};

} // namespace korvel
