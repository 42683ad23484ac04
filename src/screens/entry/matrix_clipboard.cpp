#include "screens/entry/matrix_clipboard.h"

#include "base/messages.h"
#include "base/report_error.h"
#include "model/mod_matrix.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/shell/guarded_slot.h"
#include "text/leading_number.h"
#include "text/number_table.h"
#include "text/number_text.h"
#include "text/shortest_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <memory>

namespace korvel {

namespace {

constexpr int Size = frm_Matrix::Size;

qsizetype Widest_Row(const NumberTable& table) {
    qsizetype widest = 0;
    for (const TableRow& row : table.rows)
        widest = std::max(widest, row.cells.size());
    return widest;
}

// n rows of n + 1 cells each, n a count the screen can show.
int Whole_System_Count(const NumberTable& table) {
    const auto n = static_cast<qsizetype>(table.rows.size());
    if (n < 2 || n > Size) return 0;
    for (const TableRow& row : table.rows)
        if (row.cells.size() != n + 1) return 0;
    return static_cast<int>(n);
}

// A box given text by a paste is changed as if typed: its textEdited handling runs.
void Paste_Into(MatrixBox* box, const QString& text) {
    box->Show_Text(text);
    emit box->textEdited(text);
}

} // namespace

MatrixClipboard::MatrixClipboard(frm_Matrix* screen) : QObject(screen), screen_(screen) {
    for (MatrixBox* box : screen->txt_row1)
        box->installEventFilter(this);
    for (int r = 0; r < Size; ++r) {
        screen->txt_C[r]->installEventFilter(this);
        screen->txt_Var[r]->installEventFilter(this);
    }
    screen->txt_equations->installEventFilter(this);
    // Ctrl+C anywhere else on the screen (a button has the focus).
    screen->installEventFilter(this);
}

bool MatrixClipboard::Solved_View() const {
    // After a successful Solve the boxes show the solution until Show Matrix.
    return !screen_->cmd_Solve->isEnabled();
}

QString MatrixClipboard::System_Text() const {
    QString text;
    for (int r = 0; r <= Last_Index; ++r) {
        if (Solved_View()) {
            text += screen_->txt_Var[r]->text() + QChar(9) + Shortest_Text(X_Vector[r + 1]);
        } else {
            for (int c = 0; c <= Last_Index; ++c)
                text += Shortest_Text(Leading_Number(screen_->txt_row1[Size * r + c]->text())) +
                        QChar(9);
            text += Shortest_Text(Leading_Number(screen_->txt_C[r]->text()));
        }
        text += QChar(10);
    }
    return text;
}

void MatrixClipboard::Copy_System() const {
    // A box holding a number beyond the float range is reported, as Solve reports it.
    With_Handler(QStringLiteral("Copy_System"),
                 [this] { QGuiApplication::clipboard()->setText(System_Text()); });
}

bool MatrixClipboard::Paste_Block(QLineEdit* box) {
    QString text = QGuiApplication::clipboard()->text();
    const NumberTable table = Split_Number_Table(text);
    if (const auto& open = table.ambiguous) {
        // Either reading could be a wrong system that looks right: nothing is pasted.
        MsgBox(QStringLiteral("Nothing was pasted. Line %1, cell %2 of the block: ")
                       .arg(open->line)
                       .arg(open->cell) +
                   Ambiguous_Cell_Reason(open->text) + QLatin1Char('.'),
               MsgIcon::Exclamation);
        return true;
    }
    if (Paste_Table(box, table)) return true;
    // One cell copied from a spreadsheet ends in a line end, which the box would show.
    if (!text.endsWith(QChar(10)) && !text.endsWith(QChar(13))) return false;
    while (text.endsWith(QChar(10)) || text.endsWith(QChar(13)))
        text.chop(1);
    if (text.contains(QChar(10)) || text.contains(QChar(13))) return false;
    box->insert(text);
    return true;
}

bool MatrixClipboard::Paste_Table(QLineEdit* box, const NumberTable& table) {
    if (table.rows.empty() || (table.rows.size() == 1 && table.rows[0].cells.size() <= 1))
        return false; // a single cell pastes as typed text does
    const auto& grid = screen_->txt_row1;
    const auto inGrid = std::find(grid.begin(), grid.end(), box);
    const auto inC = std::find(screen_->txt_C.begin(), screen_->txt_C.end(), box);
    const auto inNames = std::find(screen_->txt_Var.begin(), screen_->txt_Var.end(), box);
    if (inGrid == grid.end() && inC == screen_->txt_C.end() && inNames == screen_->txt_Var.end())
        return false;
    if (beforeMany_) beforeMany_();
    if (inGrid != grid.end()) {
        const auto index = static_cast<int>(inGrid - grid.begin());
        if (index == 0 && Whole_System_Count(table)) Set_Count_For(table);
        Fill_Grid(index / Size, index % Size, table);
    } else if (inC != screen_->txt_C.end()) {
        Fill_Column(false, static_cast<int>(inC - screen_->txt_C.begin()), table);
    } else {
        Fill_Column(true, static_cast<int>(inNames - screen_->txt_Var.begin()), table);
    }
    return true;
}

// A whole system pasted into the first box brings its own count, and is a new model.
void MatrixClipboard::Set_Count_For(const NumberTable& table) {
    Stamp_Model_Now();
    const int n = Whole_System_Count(table);
    if (n != Num_Equations) screen_->txt_equations->setText(Number_Text(n));
}

void MatrixClipboard::Fill_Grid(int row, int column, const NumberTable& table) {
    const qsizetype room = Last_Index - column + 1;
    // One column more than the grid has room for is the constants.
    const bool intoC = Widest_Row(table) == room + 1;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r > Last_Index) break;
        const QStringList& cells = table.rows[i].cells;
        for (qsizetype j = 0; j < cells.size(); ++j) {
            if (j < room) {
                const int index = Size * r + column + static_cast<int>(j);
                Paste_Into(screen_->txt_row1[index], cells[j]);
                // Leaving a grid box ends the solved state; a paste into one does too.
                screen_->txt_row1_LostFocus(index);
            } else if (intoC && j == room) {
                Paste_Into(screen_->txt_C[r], cells[j]);
            }
        }
    }
}

// The constants or the names take one cell per row; a single row of names (a header
// row copied from a spreadsheet) goes down the column.
void MatrixClipboard::Fill_Column(bool names, int row, const NumberTable& table) {
    QStringList cells;
    if (names && table.rows.size() == 1) {
        cells = table.rows[0].cells;
    } else {
        for (const TableRow& tableRow : table.rows)
            cells.append(tableRow.cells.value(0));
    }
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r > Last_Index) break;
        if (names) {
            MatrixBox* box = screen_->txt_Var[r];
            box->Show_Text(cells[i]);
            screen_->txt_Var_LostFocus(r); // the name goes into the model, as on leaving
        } else {
            Paste_Into(screen_->txt_C[r], cells[i]);
        }
    }
}

void MatrixClipboard::Show_Context_Menu(QLineEdit* box, const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    menu->addSeparator();
    if (box != screen_->txt_equations) {
        QAction* paste = menu->addAction(QStringLiteral("Paste Block"));
        paste->setObjectName(QStringLiteral("mnu_PasteBlock"));
        paste->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
        Connect_Guarded(paste, &QAction::triggered, this, [this, box] {
            if (!Paste_Block(box)) box->paste();
        });
    }
    QAction* copy = menu->addAction(QStringLiteral("Copy System"));
    copy->setObjectName(QStringLiteral("mnu_CopySystem"));
    Connect_Guarded(copy, &QAction::triggered, this, [this] { Copy_System(); });
    menu->exec(globalPos);
}

bool MatrixClipboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == screen_) {
        // A key the focused control left alone, or the screen's own: Ctrl+C copies.
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            Run_Guarded(watched, [this] { Copy_System(); });
            return true;
        }
        return false;
    }
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) return false;
    if (event->type() == QEvent::ContextMenu) {
        const QPoint where = static_cast<QContextMenuEvent*>(event)->globalPos();
        Run_Guarded(box, [&] { Show_Context_Menu(box, where); });
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy) && !box->hasSelectedText()) {
        Run_Guarded(box, [this] { Copy_System(); });
        return true;
    }
    if (key->matches(QKeySequence::Paste) && box != screen_->txt_equations) {
        bool taken = false;
        Run_Guarded(box, [&] { taken = Paste_Block(box); });
        return taken;
    }
    return false;
}

} // namespace korvel
