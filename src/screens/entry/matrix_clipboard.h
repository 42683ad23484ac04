// Blocks of numbers between the entry screen and the clipboard: Ctrl+V (or "Paste Block")
// in a grid, constant or name box fills boxes right and down from it; Ctrl+C (or "Copy
// System") copies the system, or the solution in the solved view, as tab-separated text.
#pragma once

#include "screens/entry/entry_boxes.h"

#include <QObject>

#include <functional>

class QLineEdit;
class QMenu;

namespace korvel {

struct NumberTable;

class MatrixClipboard : public QObject {
    Q_OBJECT
  public:
    // Watches every grid, constant, name and count box of the screen.
    explicit MatrixClipboard(Entry_Boxes& boxes);

    // Called before a paste that changes many boxes at once, so it can be undone.
    void Set_Before_Many_Changes(std::function<void()> hook) { beforeMany_ = std::move(hook); }

    // The system as the boxes show it: n lines of n coefficients and the constant, TAB
    // between cells, each value the shortest text that reads back to the same number. In
    // the solved view, one line per unknown: its name, TAB, its value.
    QString System_Text() const;
    void Copy_System() const;

    // Pastes the clipboard's text into the boxes from box on. A single cell is left to the
    // box's own paste (returns false), only without the line end a spreadsheet adds; so is
    // any paste into a box not of the grid, C or names. A block with a cell whose point may
    // be a decimal point or a thousands separator pastes nothing and says why.
    bool Paste_Block(QLineEdit* box);
    // Fills the boxes from box on with the block's cells.
    bool Paste_Table(QLineEdit* box, const NumberTable& table);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Show_Context_Menu(QLineEdit* box, const QPoint& globalPos);
    void Fill_Grid(int row, int column, const NumberTable& table);
    void Fill_Column(Entry_Box::Kind kind, int row, const NumberTable& table);
    void Set_Count_For(const NumberTable& table);
    bool Is_Count_Box(const QObject* object) const;

    Entry_Boxes& boxes_;
    std::function<void()> beforeMany_;
};

} // namespace korvel
