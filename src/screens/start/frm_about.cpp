#include "screens/start/frm_about.h"

#include "screens/widgets/centred_label.h"

#include "base/app_globals.h"
#include "screens/shell/forms.h"
#include "screens/shell/twips.h"
#include "screens/widgets/click_command.h"

#include <QFrame>
#include <QLabel>

namespace korvel {

namespace {
constexpr int About_Width = 7200;
constexpr int About_Height = 4800;

} // namespace

QString About_Credit_Text() {
    return QStringLiteral(
        "The Korvel team, under the GNU General Public License, version 3 or later");
}

QString About_Version_Text() {
    return QStringLiteral("Release ") + Version + QStringLiteral(" -") + QStringLiteral(" Rev ") +
           Revision + QStringLiteral("   ") + Release_Date;
}

frm_About::frm_About() : Form(QStringLiteral("frm_About")) {
    Set_Design_Width(About_Width);
    pnl_Title = new QFrame(this);
    pnl_Title->setObjectName(QStringLiteral("pnl_Title"));
    pnl_Title->setFrameShape(QFrame::Panel);
    pnl_Title->setFrameShadow(QFrame::Raised);
    pnl_Title->setLineWidth(3);
    Place_Twips(pnl_Title, 240, 240, About_Width - 480, About_Height - 480);

    Label1 = Centred_Label("Label1", QStringLiteral("KORVEL"), 3.0, true, pnl_Title);
    lblHeader = Centred_Label(
        "lblHeader", QStringLiteral("A Program for the Solution of Systems of Linear Equations"),
        1.3, false, pnl_Title);
    lbl_Version = Centred_Label("lbl_Version", About_Version_Text(), 1.0, false, pnl_Title);
    lblBy = Centred_Label("lblBy", QStringLiteral("by"), 1.0, false, pnl_Title);
    lblAuthor = Centred_Label("lblAuthor", About_Credit_Text(), 1.1, true, pnl_Title);
    const int inner = About_Width - 480 - 480;
    Place_Twips(Label1, 240, 240, inner, 900);
    Place_Twips(lblHeader, 240, 1200, inner, 700);
    Place_Twips(lbl_Version, 240, 2000, inner, 400);
    Place_Twips(lblBy, 240, 2700, inner, 300);
    Place_Twips(lblAuthor, 240, 3000, inner, 900);

    for (QWidget* control : {static_cast<QWidget*>(this), static_cast<QWidget*>(pnl_Title)})
        control->setToolTip(QStringLiteral("Click to close"));
    Run_On_Click(this, {this, pnl_Title, Label1, lblHeader, lbl_Version, lblBy, lblAuthor},
                 [this] { hide(); });

    setWindowTitle(Title_Caption);
    Set_Window_Twips(this, {0, 0, float(About_Width), float(About_Height)});
}

namespace {
QPointer<frm_About> g_about;
}

frm_About* About_Screen() {
    return Load_Form(g_about);
}

} // namespace korvel
