#include "screens/results/frm_printdata.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"
#include "model/mod_matrix.h"
#include "reports/titlebox.h"
#include "screens/printing/print_form.h"
#include "screens/results/results_copy.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "screens/widgets/font_to_fit.h"
#include "screens/widgets/named_button.h"
#include "screens/widgets/wrapping_label.h"
#include "session/confirm_direct_print.h"
#include "text/line_ends.h"
#include "text/number_text.h"
#include "text/rounding.h"
#include "text/shortest_text.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include <algorithm>
#include <cmath>
#include <optional>

namespace korvel {

namespace {

QPointer<frm_PrintData> g_printData;

// The screen's design font; Liberation Sans and Nimbus Sans have Arial's metrics, so the
// texts fit the design sizes where Arial itself is not installed.
QFont Design_Font() {
    QFont font(QStringLiteral("Arial"));
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    return font;
}

// Whole twips, halves to the even neighbour (the default rounding mode of the FPU).
double Round_Half_Even(double value) {
    return std::nearbyint(value);
}

// The value column reads as numbers are usually written in a table: the rounded value's
// number text without a sign blank, and a zero before a bare decimal point (".3333"
// becomes "0.3333", "-.5" becomes "-0.5") so the point cannot be missed. An empty value
// (FNRound failed and reported) shows as an empty cell.
QString Value_Text(const std::optional<double>& value) {
    if (!value) return {};
    QString text = Number_Digits(*value);
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    else if (text.startsWith(QLatin1String("-.")))
        text.insert(1, QLatin1Char('0'));
    return text;
}

// Writes one cell; a cell outside the table is a subscript error, as with an array.
void Set_Cell(QTableWidget* grid, int r, int c, const QString& text) {
    if (r < 0 || c < 0 || r >= grid->rowCount() || c >= grid->columnCount())
        throw RuntimeError(Err::SubscriptOutOfRange);
    QTableWidgetItem* item = grid->item(r, c);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled); // the table is read-only
        grid->setItem(r, c, item);
    }
    item->setText(text);
    // Row 0 holds the headings: centred, bold, on the button colour like a grid's fixed
    // row. Names read left to right; values are numbers and line up on the right.
    if (r == 0) {
        item->setTextAlignment(Qt::AlignCenter);
        QFont bold = grid->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(grid->palette().button());
    } else {
        item->setTextAlignment(Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignRight));
    }
}

// Every cell shows its whole text, smaller where the column is too narrow for it: a
// number cut short, or elided, reads as another number.
void Fit_Cell_Fonts(QTableWidget* grid) {
    const int margins =
        2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 2);
    for (int r = 1; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (QTableWidgetItem* item = grid->item(r, c))
                item->setFont(
                    Font_To_Fit(grid->font(), item->text(), grid->columnWidth(c) - margins));
}

} // namespace

frm_PrintData::frm_PrintData() : Form(QStringLiteral("frm_PrintData")) {
    setFont(Design_Font());

    lbl_Header_ = new WrappingLabel(this);
    lbl_Header_->setObjectName(QStringLiteral("lbl_Header"));
    lbl_Header_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    lbl_Header_->setTextFormat(Qt::PlainText);
    lbl_Header_->setAlignment(Qt::AlignCenter);
    // A long project or model name wraps, inside the name where it must, and the block
    // grows downwards when the design height is not enough.
    lbl_Header_->setAccessibleName(QStringLiteral("Design identification"));
    Place_Twips(lbl_Header_, 7800, 5790, 1755, 1395);
    headerHeight_ = lbl_Header_->height();

    SSPanel3_ = new QFrame(this);
    SSPanel3_->setObjectName(QStringLiteral("SSPanel3"));
    SSPanel3_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Place_Twips(SSPanel3_, 2910, 1110, 4155, 6030);

    lbl_Header2_ = new QLabel(QStringLiteral("Solution to the Set of Linear Equations"), SSPanel3_);
    lbl_Header2_->setObjectName(QStringLiteral("lbl_Header2"));
    lbl_Header2_->setAlignment(Qt::AlignCenter);
    Place_Twips(lbl_Header2_, 120, 180, 3705, 255);

    grd_Data_ = new QTableWidget(1, 2, SSPanel3_);
    grd_Data_->setObjectName(QStringLiteral("grd_Data"));
    grd_Data_->setAccessibleName(QStringLiteral("Solution: name and value of each unknown"));
    // The headings are row 0 of the table itself, as in the documented table.
    grd_Data_->horizontalHeader()->hide();
    grd_Data_->verticalHeader()->hide();
    grd_Data_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_Data_->setSelectionMode(QAbstractItemView::NoSelection);
    grd_Data_->setTextElideMode(Qt::ElideNone); // cells are fitted instead (Fit_Cell_Fonts)
    // Rows as low as the text allows, so the headings and 16 results fit without scrolling.
    grd_Data_->verticalHeader()->setMinimumSectionSize(1);
    grd_Data_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grd_Data_->verticalHeader()->setDefaultSectionSize(grd_Data_->fontMetrics().height() + 4);
    Place_Twips(grd_Data_, 270, 540, 3525, 5325);

    cmd_Copy_ = Named_Button(this, "cmd_Copy", QStringLiteral("&Copy"),
                             QStringLiteral("Copy: how to copy this screen to the clipboard"));
    Place_Twips(cmd_Copy_, 7920, 3255, 1335, 315);
    cmd_PrintForm_ = Named_Button(this, "cmd_PrintForm", QStringLiteral("&Print Form"),
                                  QStringLiteral("Print an image of this screen"));
    Place_Twips(cmd_PrintForm_, 7920, 3555, 1335, 315);
    cmd_Done_ = Named_Button(this, "cmd_Done", QStringLiteral("&Next >"),
                             QStringLiteral("Next: close the results screen"));
    Place_Twips(cmd_Done_, 7920, 3855, 1335, 315);

    Connect_Guarded(cmd_Copy_, &QPushButton::clicked, this, [this] { cmd_Copy_Click(); });
    Connect_Guarded(cmd_PrintForm_, &QPushButton::clicked, this, [this] { cmd_PrintForm_Click(); });
    Connect_Guarded(cmd_Done_, &QPushButton::clicked, this, [this] { cmd_Done_Click(); });
    new ResultsCopy(this); // Ctrl+C copies the whole table, not one cell

    resize(Twips_To_Pixels(Design_Width, this), Twips_To_Pixels(Design_Height, this));
}

void frm_PrintData::Form_Activate() {
    // The printer dialog raises the cancel error on Cancel by the dialogs seam's contract.
    Place_By_Screen_Size(this, Design_Height, Design_Width);
    cmd_PrintForm_->setEnabled(true);
    cmd_Copy_->setEnabled(true);
    // The user reads the table and goes on; the table takes focus only when tabbed to.
    cmd_Done_->setFocus();
}

void frm_PrintData::cmd_Copy_Click() {
    Show_Copy_Screen_Hint();
}

void frm_PrintData::cmd_PrintForm_Click() {
    Print_Form_Command(this, QStringLiteral("frm_Printdata.PrintForm"));
}

void frm_PrintData::cmd_Done_Click() {
    hide();
}

frm_PrintData* PrintData_Screen() {
    return Load_Form(g_printData);
}

// Two columns sharing 98.5 % of the table's width, in whole twips.
void Fit_Columns(QTableWidget* grid) {
    const int cols = 2;
    grid->setColumnCount(cols);
    const double w = Round_Half_Even(grid->width() * Twips_Per_Pixel(grid) * 0.985);
    for (int c = 0; c < cols; ++c)
        grid->setColumnWidth(c, Twips_To_Pixels(Round_Half_Even(w / 2), grid));
}

void frm_PrintData::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    // A window narrower than its design shrinks the table: the columns follow it.
    Fit_Columns(grd_Data());
    Fit_Cell_Fonts(grd_Data());
    headerHeight_ = lbl_Header_->height(); // the height the layout just gave it
    Fit_Header();
}

void frm_PrintData::Fit_Header() {
    const int room = height() - lbl_Header_->y();
    const int needed = lbl_Header_->Wrapped_Height();
    lbl_Header_->resize(lbl_Header_->width(),
                        std::clamp(needed, headerHeight_, std::max(room, headerHeight_)));
}

void Multiprint() {
    With_Handler(QStringLiteral("Multiprint"), [] {
        frm_PrintData* form = PrintData_Screen();
        QTableWidget* grid = form->grd_Data();
        Fit_Columns(grid);
        Centerform(form);
        form->Show_Modeless();
        Titlebox(form);
        form->Fit_Header();
        Set_Cell(grid, 0, 0, QStringLiteral("Variable"));
        Set_Cell(grid, 0, 1, QStringLiteral("Value"));
        grid->setRowCount(Num_Equations + 1);
        for (int i = 1; i <= Last_Index + 1; ++i) {
            Check_Count(i);
            Set_Cell(grid, i, 0, Var_Name[i]);
            Set_Cell(grid, i, 1, Value_Text(FNRound(X_Vector[i], 4)));
            grid->item(i, 0)->setToolTip(Var_Name[i]);
            grid->item(i, 1)->setToolTip(Shortest_Text(X_Vector[i])); // the full value
        }
        Fit_Cell_Fonts(grid);
    });
}

void Clear_Grid(double rows, double cols) {
    With_Handler(QStringLiteral("Clear_Grid"), [&] {
        QTableWidget* grid = PrintData_Screen()->grd_Data();
        // Counted in doubles like the arguments; the first cell outside the table stops
        // the loop with an error, so the counters always fit an int.
        for (double r = 0; r <= rows - 1; ++r)
            for (double c = 0; c <= cols - 1; ++c)
                Set_Cell(grid, int(r), int(c), QString());
    });
}

void Titlebox(QWidget* form) {
    With_Handler(QStringLiteral("Titlebox"), [&] {
        if (!form) throw RuntimeError(Err::ObjectNotSet);
        auto* header = form->findChild<QLabel*>(QStringLiteral("lbl_Header"));
        if (!header) throw RuntimeError(Err::NotSupported);
        header->setText(Lf_Lines(Titlebox_Text()));
    });
}

} // namespace korvel
