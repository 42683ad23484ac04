#include "screens/check/frm_check.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "model/elimination_steps.h"
#include "model/exact_check.h"
#include "model/mod_matrix.h"
#include "reports/check_summary.h"
#include "reports/elimination_text.h"
#include "reports/line_picture.h"
#include "screens/check/line_picture_view.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "screens/widgets/named_button.h"
#include "session/placement.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace korvel {

namespace {

QPointer<frm_Check> g_check;

enum Column { Name_Column, Computed_Column, Exact_Column, Digits_Column, Column_Count };

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable); // read-only
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

QString Heading_Text() {
    return QStringLiteral("%1: %2 equations, checked exactly as typed")
        .arg(File_Name)
        .arg(Num_Equations);
}

} // namespace

frm_Check::frm_Check() : Form(QStringLiteral("frm_Check")) {
    // The pages lay themselves out; the form does not rescale them.
    Set_Scale_To_Fit(false);
    auto* layout = new QVBoxLayout(this);

    tab_Pages = new QTabWidget(this);
    tab_Pages->setObjectName(QStringLiteral("tab_Pages"));
    layout->addWidget(tab_Pages, 1);

    auto* checkPage = new QWidget(tab_Pages);
    checkPage->setObjectName(QStringLiteral("pnl_Exact"));
    auto* checkLayout = new QVBoxLayout(checkPage);
    lbl_Heading = new QLabel(checkPage);
    lbl_Heading->setObjectName(QStringLiteral("lbl_Heading"));
    lbl_Heading->setTextFormat(Qt::PlainText);
    QFont bold = lbl_Heading->font();
    bold.setBold(true);
    lbl_Heading->setFont(bold);
    checkLayout->addWidget(lbl_Heading);

    grd_Check = new QTableWidget(0, Column_Count, checkPage);
    grd_Check->setObjectName(QStringLiteral("grd_Check"));
    grd_Check->setAccessibleName(
        QStringLiteral("Each unknown: the computed value, the exact value and the computed "
                       "value's correct digits"));
    grd_Check->setHorizontalHeaderLabels(
        {QStringLiteral("Unknown"), QStringLiteral("Computed value"), QStringLiteral("Exact value"),
         QStringLiteral("Correct digits")});
    grd_Check->verticalHeader()->hide();
    grd_Check->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_Check->setSelectionMode(QAbstractItemView::NoSelection);
    grd_Check->setWordWrap(false);
    QHeaderView* header = grd_Check->horizontalHeader();
    header->setSectionResizeMode(Name_Column, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(Computed_Column, QHeaderView::Stretch);
    header->setSectionResizeMode(Exact_Column, QHeaderView::Stretch);
    header->setSectionResizeMode(Digits_Column, QHeaderView::ResizeToContents);
    grd_Check->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    checkLayout->addWidget(grd_Check, 1);

    lbl_Findings = new QLabel(checkPage);
    lbl_Findings->setObjectName(QStringLiteral("lbl_Findings"));
    lbl_Findings->setTextFormat(Qt::PlainText);
    lbl_Findings->setWordWrap(true);
    lbl_Findings->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbl_Findings->setAccessibleName(QStringLiteral("What the exact check found"));
    checkLayout->addWidget(lbl_Findings);
    tab_Pages->addTab(checkPage, QStringLiteral("&Exact check"));

    auto* stepsPage = new QWidget(tab_Pages);
    stepsPage->setObjectName(QStringLiteral("pnl_Steps"));
    auto* stepsLayout = new QVBoxLayout(stepsPage);
    lbl_Steps_Heading = new QLabel(stepsPage);
    lbl_Steps_Heading->setObjectName(QStringLiteral("lbl_Steps_Heading"));
    lbl_Steps_Heading->setTextFormat(Qt::PlainText);
    lbl_Steps_Heading->setFont(bold);
    stepsLayout->addWidget(lbl_Steps_Heading);
    txt_Steps = new QPlainTextEdit(stepsPage);
    txt_Steps->setObjectName(QStringLiteral("txt_Steps"));
    txt_Steps->setAccessibleName(QStringLiteral("The elimination steps of the solver"));
    txt_Steps->setReadOnly(true);
    txt_Steps->setLineWrapMode(QPlainTextEdit::NoWrap);
    txt_Steps->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    stepsLayout->addWidget(txt_Steps, 1);
    tab_Pages->addTab(stepsPage, QStringLiteral("Elimination &steps"));
    Add_Worked_Pages(bold);
    Add_Uncertainty_Page(bold);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmd_Copy = Named_Button(this, "cmd_Copy", QStringLiteral("&Copy"),
                            QStringLiteral("Copy this page to the clipboard as text"));
    cmd_Close = Named_Button(this, "cmd_Close", QStringLiteral("C&lose"),
                             QStringLiteral("Close the check"));
    cmd_Close->setDefault(true);
    buttons->addWidget(cmd_Copy);
    Add_Copy_As(buttons);
    buttons->addWidget(cmd_Close);
    layout->addLayout(buttons);

    Connect_Guarded(cmd_Copy, &QPushButton::clicked, this, [this] { cmd_Copy_Click(); });
    Connect_Guarded(cmd_Close, &QPushButton::clicked, this, [this] { hide(); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    Connect_Guarded(copyKey, &QShortcut::activated, this, [this] { cmd_Copy_Click(); });
    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    Connect_Guarded(closeKey, &QShortcut::activated, this, [this] { hide(); });
    // The table and the text page would take Ctrl+C for their own (current cell, selection
    // only): without a selection the key copies the whole page.
    grd_Check->installEventFilter(this);
    txt_Steps->installEventFilter(this);

    setWindowTitle(Title_Caption + QStringLiteral("Check Screen"));
    resize(Twips_To_Pixels(Design_Width, this), Twips_To_Pixels(Design_Height, this));
}

bool frm_Check::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        const auto* text = qobject_cast<QPlainTextEdit*>(watched);
        const bool selection = text && text->textCursor().hasSelection();
        event->accept();
        // A selection is copied by the text itself: the key goes on to it, not to the
        // screen's shortcut.
        if (selection) return event->type() == QEvent::ShortcutOverride;
        if (event->type() == QEvent::KeyPress) Run_Guarded(watched, [this] { cmd_Copy_Click(); });
        return true;
    }
    return Form::eventFilter(watched, event);
}

void frm_Check::Form_Activate() {
    Place_By_Screen_Size(this, Design_Height, Design_Width);
    cmd_Close->setFocus();
}

void frm_Check::Fill() {
    const ExactCheck check = Check_Model(Solved);
    lbl_Heading->setText(Heading_Text());
    const std::vector<CheckRow> rows = Check_Rows(check, Var_Name);
    grd_Check->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const CheckRow& row = rows[size_t(r)];
        grd_Check->setItem(r, Name_Column, Cell(row.name, Qt::AlignLeft));
        grd_Check->setItem(r, Computed_Column, Cell(row.computed, Qt::AlignRight));
        grd_Check->setItem(r, Exact_Column, Cell(row.exact, Qt::AlignRight));
        grd_Check->setItem(r, Digits_Column, Cell(row.digits, Qt::AlignRight));
    }
    const QString findings = Check_Findings(check, Var_Name).join(QLatin1Char('\n'));
    lbl_Findings->setText(findings);
    lbl_Findings->setAccessibleDescription(findings);
    checkText_ = Heading_Text() + QStringLiteral("\n\n") + Check_Text(check, Var_Name);

    lbl_Steps_Heading->setText(
        QStringLiteral("%1: the elimination as the solver runs it on these %2 equations")
            .arg(File_Name)
            .arg(Num_Equations));
    stepsText_ = Elimination_Text(Record_Model_Elimination(), Var_Name);
    txt_Steps->setPlainText(stepsText_);

    lbl_Worked_Heading->setText(
        QStringLiteral("%1: the worked solution of these %2 equations in exact fractions")
            .arg(File_Name)
            .arg(Num_Equations));
    worked_.reset();
    txt_Worked->clear();
    txt_Inverse->clear();
    const bool two = Num_Equations == 2;
    tab_Pages->setTabVisible(Picture_Page, two);
    if (two) {
        const LinePicture picture = Picture_Of_Two(A_Matrix, C_Vector, check.kind, Var_Name);
        pic_Lines->Set_Picture(picture);
        pictureText_ = Line_Picture_Text(picture);
    }
    Show_Worked_Page();
    Fill_Uncertainty();
}

QString frm_Check::Page_Text() const {
    switch (tab_Pages->currentIndex()) {
    case Exact_Page:
        return checkText_;
    case Steps_Page:
        return stepsText_;
    case Worked_Page:
        return txt_Worked->toPlainText();
    case Inverse_Page:
        return txt_Inverse->toPlainText();
    case Picture_Page:
        return pictureText_;
    case Uncertainty_Page:
        return uncertaintyText_;
    }
    return {};
}

void frm_Check::cmd_Copy_Click() {
    QApplication::clipboard()->setText(Page_Text());
}

frm_Check* Check_Screen() {
    return Load_Form(g_check);
}

void Show_Check_Screen() {
    With_Handler(QStringLiteral("Show_Check_Screen"), [] {
        frm_Check* form = Check_Screen();
        form->Fill();
        Centerform(form);
        form->Show_Modal();
    });
}

} // namespace korvel
