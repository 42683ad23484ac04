// The check screen's pages of the worked solution: the working in exact fractions, the
// determinant and inverse, and the picture of two equations; and Copy as LaTeX or Markdown.
#include "base/app_globals.h"
#include "base/shell_actions.h"
#include "model/mod_matrix.h"
#include "screens/check/frm_check.h"
#include "screens/check/line_picture_view.h"
#include "screens/shell/guarded_slot.h"
#include "screens/widgets/named_button.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace korvel {

namespace {

QPlainTextEdit* Text_Page(QWidget* page, const char* name, const QString& accessible_name) {
    auto* text = new QPlainTextEdit(page);
    text->setObjectName(QLatin1String(name));
    text->setAccessibleName(accessible_name);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setContextMenuPolicy(Qt::CustomContextMenu);
    return text;
}

} // namespace

void frm_Check::Add_Worked_Pages(const QFont& bold) {
    auto* workedPage = new QWidget(tab_Pages);
    workedPage->setObjectName(QStringLiteral("pnl_Worked"));
    auto* workedLayout = new QVBoxLayout(workedPage);
    auto* top = new QHBoxLayout;
    lbl_Worked_Heading = new QLabel(workedPage);
    lbl_Worked_Heading->setObjectName(QStringLiteral("lbl_Worked_Heading"));
    lbl_Worked_Heading->setTextFormat(Qt::PlainText);
    lbl_Worked_Heading->setFont(bold);
    top->addWidget(lbl_Worked_Heading, 1);
    auto* pivotLabel = new QLabel(QStringLiteral("Pi&vot:"), workedPage);
    cbo_Pivot = new QComboBox(workedPage);
    cbo_Pivot->setObjectName(QStringLiteral("cbo_Pivot"));
    cbo_Pivot->addItem(QStringLiteral("First non-zero entry (by hand)"));
    cbo_Pivot->addItem(QStringLiteral("Largest magnitude (as the solver)"));
    cbo_Pivot->setAccessibleName(QStringLiteral("Pivot rule of the worked solution"));
    pivotLabel->setBuddy(cbo_Pivot);
    top->addWidget(pivotLabel);
    top->addWidget(cbo_Pivot);
    workedLayout->addLayout(top);
    txt_Worked = Text_Page(workedPage, "txt_Worked",
                           QStringLiteral("The worked solution in exact fractions"));
    workedLayout->addWidget(txt_Worked, 1);
    tab_Pages->addTab(workedPage, QStringLiteral("&Worked solution"));

    auto* inversePage = new QWidget(tab_Pages);
    inversePage->setObjectName(QStringLiteral("pnl_Inverse"));
    auto* inverseLayout = new QVBoxLayout(inversePage);
    txt_Inverse = Text_Page(inversePage, "txt_Inverse",
                            QStringLiteral("The determinant and the inverse of the coefficients"));
    inverseLayout->addWidget(txt_Inverse, 1);
    tab_Pages->addTab(inversePage, QStringLiteral("&Determinant and inverse"));

    pic_Lines = new LinePictureView(tab_Pages);
    pic_Lines->setObjectName(QStringLiteral("pic_Lines"));
    pic_Lines->setAccessibleName(QStringLiteral("The two equations drawn as lines"));
    tab_Pages->addTab(pic_Lines, QStringLiteral("&Picture"));

    Connect_Guarded(tab_Pages, &QTabWidget::currentChanged, this, [this] { Show_Worked_Page(); });
    Connect_Guarded(cbo_Pivot, &QComboBox::currentIndexChanged, this, [this] {
        worked_.reset();
        Show_Worked_Page();
    });
    for (QPlainTextEdit* text : {txt_Worked, txt_Inverse}) {
        text->installEventFilter(this);
        Connect_Guarded(text, &QWidget::customContextMenuRequested, this,
                        [this, text](const QPoint& at) { Worked_Context_Menu(text, at); });
    }
}

void frm_Check::Add_Copy_As(QLayout* buttons) {
    cmd_Copy_As = Named_Button(this, "cmd_Copy_As", QStringLiteral("Copy &as"),
                               QStringLiteral("Copy the worked solution for a report"));
    auto* menu = new QMenu(cmd_Copy_As);
    mnu_CopyLatex = menu->addAction(QStringLiteral("Copy as &LaTeX"));
    mnu_CopyLatex->setObjectName(QStringLiteral("mnu_CopyLatex"));
    mnu_CopyMarkdown = menu->addAction(QStringLiteral("Copy as &Markdown"));
    mnu_CopyMarkdown->setObjectName(QStringLiteral("mnu_CopyMarkdown"));
    cmd_Copy_As->setMenu(menu);
    buttons->addWidget(cmd_Copy_As);
    Connect_Guarded(mnu_CopyLatex, &QAction::triggered, this, [this] {
        QApplication::clipboard()->setText(Worked_Copy(WorkedFormat::Latex));
    });
    Connect_Guarded(mnu_CopyMarkdown, &QAction::triggered, this, [this] {
        QApplication::clipboard()->setText(Worked_Copy(WorkedFormat::Markdown));
    });
}

const WorkedSolution& frm_Check::Worked() {
    if (!worked_) {
        const PivotRule rule =
            cbo_Pivot->currentIndex() == 1 ? PivotRule::LargestMagnitude : PivotRule::FirstNonZero;
        worked_ = Work_Model(rule);
    }
    return *worked_;
}

QString frm_Check::Worked_Copy(WorkedFormat format) {
    return Worked_Solution_Text(Worked(), Var_Name, format) + QLatin1Char('\n') +
           Determinant_And_Inverse_Text(Worked(), Var_Name, format);
}

// The working is made when its page is first shown, not on every Fill: at 16 equations of
// full doubles it takes tens of milliseconds.
void frm_Check::Show_Worked_Page() {
    const int page = tab_Pages->currentIndex();
    if (page != Worked_Page && page != Inverse_Page) return;
    if (worked_ && !txt_Worked->document()->isEmpty()) return;
    const HourglassGuard hourglass;
    const WorkedSolution& worked = Worked();
    txt_Worked->setPlainText(Worked_Solution_Text(worked, Var_Name));
    txt_Inverse->setPlainText(Determinant_And_Inverse_Text(worked, Var_Name));
}

void frm_Check::Worked_Context_Menu(QPlainTextEdit* text, const QPoint& at) {
    QMenu* menu = text->createStandardContextMenu(at);
    menu->addSeparator();
    menu->addAction(mnu_CopyLatex);
    menu->addAction(mnu_CopyMarkdown);
    menu->exec(text->viewport()->mapToGlobal(at));
    delete menu;
}

} // namespace korvel
