#include "screens/entry/matrix_clipboard.h"

#include "base/messages.h"
#include "base/report_error.h"
#include "model/mod_matrix.h"
#include "screens/shell/guarded_slot.h"
#include "text/leading_number.h"
#include "text/number_table.h"
#include "text/number_text.h"
#include "text/shortest_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <memory>

namespace korvel {

namespace {

constexpr int Size = Entry_Boxes::Size;

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

QString Text_Of(const Entry_Boxes& boxes, Entry_Box::Kind kind, int index) {
    return boxes.Look_Of({kind, index}).text;
}

} // namespace

MatrixClipboard::MatrixClipboard(Entry_Boxes& boxes) : QObject(boxes.Screen()), boxes_(boxes) {
    for (QLineEdit* box : boxes.Boxes())
        box->installEventFilter(this);
    // Ctrl+C anywhere else on the screen (a button has the focus).
    boxes.Screen()->installEventFilter(this);
}

bool MatrixClipboard::Is_Count_Box(const QObject* object) const {
    return boxes_.Place_Of(object).kind == Entry_Box::Kind::Count;
}

QString MatrixClipboard::System_Text() const {
    QString text;
    for (int r = 0; r <= Last_Index; ++r) {
        if (boxes_.Solved_View()) {
            text += Text_Of(boxes_, Entry_Box::Kind::Name, r) + QChar(9) +
                    Shortest_QText(X_Vector[r + 1]);
        } else {
            for (int c = 0; c <= Last_Index; ++c)
                text += Shortest_QText(
                            Leading_Number(Text_Of(boxes_, Entry_Box::Kind::Grid, Size * r + c))) +
                        QChar(9);
            text += Shortest_QText(Leading_Number(Text_Of(boxes_, Entry_Box::Kind::Constant, r)));
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
    const Entry_Box place = boxes_.Place_Of(box);
    using Kind = Entry_Box::Kind;
    if (place.kind != Kind::Grid && place.kind != Kind::Constant && place.kind != Kind::Name)
        return false;
    if (beforeMany_) beforeMany_();
    if (place.kind == Kind::Grid) {
        if (place.index == 0 && Whole_System_Count(table)) Set_Count_For(table);
        Fill_Grid(place.index / Size, place.index % Size, table);
    } else {
        Fill_Column(place.kind, place.index, table);
    }
    return true;
}

// A whole system pasted into the first box brings its own count, and is a new model.
void MatrixClipboard::Set_Count_For(const NumberTable& table) {
    Stamp_Model_Now();
    const int n = Whole_System_Count(table);
    if (n != Num_Equations) boxes_.Paste_Cell({Entry_Box::Kind::Count, 0}, Number_Text(n));
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
            // Leaving a grid box ends the solved state; a paste into one does too.
            if (j < room)
                boxes_.Paste_Cell({Entry_Box::Kind::Grid, Size * r + column + static_cast<int>(j)},
                                  cells[j]);
            else if (intoC && j == room)
                boxes_.Paste_Cell({Entry_Box::Kind::Constant, r}, cells[j]);
        }
    }
}

// The constants or the names take one cell per row; a single row of names (a header
// row copied from a spreadsheet) goes down the column.
void MatrixClipboard::Fill_Column(Entry_Box::Kind kind, int row, const NumberTable& table) {
    QStringList cells;
    if (kind == Entry_Box::Kind::Name && table.rows.size() == 1) {
        cells = table.rows[0].cells;
    } else {
        for (const TableRow& tableRow : table.rows)
            cells.append(tableRow.cells.value(0));
    }
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const int r = row + static_cast<int>(i);
        if (r > Last_Index) break;
        boxes_.Paste_Cell({kind, r}, cells[i]); // a name goes into the model, as on leaving
    }
}

void MatrixClipboard::Show_Context_Menu(QLineEdit* box, const QPoint& globalPos) {
    const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
    menu->addSeparator();
    if (!Is_Count_Box(box)) {
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
    if (watched == parent()) { // the screen
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
    if (key->matches(QKeySequence::Paste) && !Is_Count_Box(box)) {
        bool taken = false;
        Run_Guarded(box, [&] { taken = Paste_Block(box); });
        return taken;
    }
    return false;
}

} // namespace korvel
