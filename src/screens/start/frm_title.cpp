#include "screens/start/frm_title.h"

#include "base/app_globals.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "screens/start/frm_disclaimer.h"
#include "screens/start/frm_quit.h"
#include "screens/widgets/centred_label.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace korvel {

QString Version_Text() {
    return QStringLiteral("Release ") + Version + QStringLiteral(" Rev ") + Revision +
           QStringLiteral("   ") + Release_Date;
}

frm_Title::frm_Title() : Form(QStringLiteral("frm_Title")) {
    pnl_Title = new QFrame(this);
    pnl_Title->setObjectName(QStringLiteral("pnl_Title"));
    pnl_Title->setFrameShape(QFrame::Panel);
    pnl_Title->setFrameShadow(QFrame::Raised);
    pnl_Title->setLineWidth(3);

    Label1 = Centred_Label("Label1", QStringLiteral("KORVEL"), 4.0, true, pnl_Title);
    lblHeader = Centred_Label(
        "lblHeader", QStringLiteral("A Program for the Solution of Systems of Linear Equations"),
        1.6, false, pnl_Title);
    lbl_Version = Centred_Label("lbl_Version", QString(), 1.2, false, pnl_Title);

    cmd_Start = new QPushButton(QStringLiteral("&Start >"), this);
    cmd_Start->setObjectName(QStringLiteral("cmd_Start"));
    cmd_Start->setAccessibleName(QStringLiteral("Start Korvel"));
    cmd_Abort = new QPushButton(QStringLiteral("< &Abort"), this);
    cmd_Abort->setObjectName(QStringLiteral("cmd_Abort"));
    cmd_Abort->setAccessibleName(QStringLiteral("Abort and quit Korvel"));
    for (QPushButton* button : {cmd_Start, cmd_Abort})
        button->setAutoDefault(true);
    setTabOrder(cmd_Start, cmd_Abort);

    Connect_Guarded(cmd_Start, &QPushButton::clicked, this, &frm_Title::cmd_Start_Click);
    Connect_Guarded(cmd_Abort, &QPushButton::clicked, this, &frm_Title::cmd_Abort_Click);

    Set_Window_Twips(this, {0, 0, float(Design_Width), float(Design_Height)});
    Lay_Out();
}

// The panel and buttons keep their proportions when the small-screen rule shrinks the form.
void frm_Title::Lay_Out() {
    const double tpp = Twips_Per_Pixel(this);
    const double scale = width() * tpp / Design_Width;
    auto px = [&](double twips) { return int(twips * scale / tpp + 0.5); };
    pnl_Title->setGeometry(px(600), px(480), px(10650), px(6600));
    Label1->setGeometry(px(300), px(900), px(10050), px(1500));
    lblHeader->setGeometry(px(300), px(2900), px(10050), px(1300));
    lbl_Version->setGeometry(px(300), px(4900), px(10050), px(700));
    cmd_Start->setGeometry(px(6900), px(7500), px(1800), px(500));
    cmd_Abort->setGeometry(px(3150), px(7500), px(1800), px(500));
}

void frm_Title::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    Lay_Out();
}

void frm_Title::Form_Activate() {
    Apply_Small_Screen_Rule(this, /*allowMaximize=*/false);
    lbl_Version->setText(Version_Text());
    pnl_Title->update();
    cmd_Start->setFocus();
}

void frm_Title::cmd_Start_Click() {
    Home_Screen(); // loaded, not yet shown
    frm_Disclaimer* disclaimer = Disclaimer_Screen();
    Centerform(disclaimer);
    QApplication::restoreOverrideCursor();
    hide();
    // The disclaimer's Next > shows the home screen the first time.
    disclaimer->Show_Modal();
}

void frm_Title::cmd_Abort_Click() {
    Show_Quit_Screen();
}

namespace {
QPointer<frm_Title> g_title;
}

frm_Title* Title_Screen() {
    return Load_Form(g_title);
}

} // namespace korvel
