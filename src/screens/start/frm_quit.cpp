#include "screens/start/frm_quit.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "session/recovery.h"
#include "session/terminate.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

namespace korvel {

frm_Quit::frm_Quit() : Form(QStringLiteral("frm_Quit")) {
    SSFrame1 = new QGroupBox(QStringLiteral("Do you really want to Quit?"), this);
    SSFrame1->setObjectName(QStringLiteral("SSFrame1"));
    SSFrame1->setAlignment(Qt::AlignHCenter);
    QFont big = SSFrame1->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    SSFrame1->setFont(big);
    Place_Twips(SSFrame1, 3525, 2700, 4800, 2400);

    cmd_NoQuit = new QPushButton(QStringLiteral("< &No"), SSFrame1);
    cmd_NoQuit->setObjectName(QStringLiteral("cmd_NoQuit"));
    cmd_NoQuit->setAccessibleName(QStringLiteral("No, go on working"));
    cmd_YesQuit = new QPushButton(QStringLiteral("&Yes >"), SSFrame1);
    cmd_YesQuit->setObjectName(QStringLiteral("cmd_YesQuit"));
    cmd_YesQuit->setAccessibleName(QStringLiteral("Yes, quit Korvel"));
    for (QPushButton* button : {cmd_NoQuit, cmd_YesQuit}) {
        button->setFont(font());
        button->setAutoDefault(true);
    }
    Place_Twips(cmd_NoQuit, 600, 1200, 1500, 500);
    Place_Twips(cmd_YesQuit, 2700, 1200, 1500, 500);
    setTabOrder(cmd_NoQuit, cmd_YesQuit);

    Connect_Guarded(cmd_NoQuit, &QPushButton::clicked, this, &frm_Quit::cmd_NoQuit_Click);
    Connect_Guarded(cmd_YesQuit, &QPushButton::clicked, this, &frm_Quit::cmd_YesQuit_Click);

    setWindowTitle(Title_Caption);
    Set_Window_Twips(this, {0, 0, float(Design_Width), float(Design_Height)});
}

void frm_Quit::Form_Activate() {
    Place_By_Screen_Size(this, Design_Height, Design_Width);
    cmd_NoQuit->setFocus();
}

// Escape backs out of the question, as in any dialog.
void frm_Quit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        cmd_NoQuit->click();
    else
        Form::keyPressEvent(event);
}

void frm_Quit::cmd_NoQuit_Click() {
    hide();
}

void frm_Quit::cmd_YesQuit_Click() {
    With_Handler(QStringLiteral("Quit"), [this] {
        hide();
        Forget_Recovery_File(); // ended as the user chose: nothing to offer next time
        Terminate();
    });
}

namespace {
QPointer<frm_Quit> g_quit;
}

frm_Quit* Quit_Screen() {
    return Load_Form(g_quit);
}

void Show_Quit_Screen() {
    frm_Quit* quit = Quit_Screen();
    Centerform(quit);
    quit->Show_Modal();
}

} // namespace korvel
