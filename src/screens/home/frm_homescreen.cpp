#include "screens/home/frm_homescreen.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "screens/check/frm_check.h"
#include "screens/entry/frm_matrix.h"
#include "screens/help/frm_help.h"
#include "screens/home/file_drop.h"
#include "screens/results/frm_printdata.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/set_captions.h"
#include "screens/shell/twips.h"
#include "screens/shell/window_placement.h"
#include "screens/start/frm_about.h"
#include "screens/start/frm_disclaimer.h"
#include "screens/start/frm_quit.h"
#include "screens/start/frm_user.h"
#include "session/placement.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvel {

namespace {

QPushButton* Command_Button(const char* name, const QString& caption, const QString& accessible,
                            QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessible);
    button->setAutoDefault(true);
    QFont font = button->font();
    font.setPointSizeF(font.pointSizeF() * 1.25);
    font.setBold(true);
    button->setFont(font);
    return button;
}

} // namespace

frm_HomeScreen::frm_HomeScreen() : Form(QStringLiteral("frm_HomeScreen")) {
    QWidget* content = Add_Menu_Bar(menu_Bar, QStringLiteral("pnl_Home"));

    Build_Menus();
    Build_Buttons(content);
    Connect_Commands();
    Refresh_Recent_Menu();
    Accept_File_Drops(this);

    // Form_Load: design size, centred both ways, Home_ globals known.
    Place_Loaded_Home_Screen(this);
    Solved = false;
}

void frm_HomeScreen::Build_Buttons(QWidget* content) {
    auto* banner = new QLabel(QStringLiteral("KORVEL"), content);
    banner->setObjectName(QStringLiteral("lbl_Banner"));
    banner->setAlignment(Qt::AlignCenter);
    QFont big = banner->font();
    big.setPointSizeF(big.pointSizeF() * 3);
    big.setBold(true);
    banner->setFont(big);
    Place_Twips(banner, 600, 600, 10650, 1100);

    auto* subtitle = new QLabel(
        QStringLiteral("A Program for the Solution of Systems of Linear Equations"), content);
    subtitle->setObjectName(QStringLiteral("lbl_Subtitle"));
    subtitle->setAlignment(Qt::AlignCenter);
    Place_Twips(subtitle, 600, 1700, 10650, 500);

    cmd_Input = Command_Button("cmd_Input", QStringLiteral("&Input Data and Solve"),
                               QStringLiteral("Input data and solve"), content);
    cmd_Print = Command_Button("cmd_Print", QStringLiteral("Print to Screen"),
                               QStringLiteral("Show the solution on the results screen"), content);
    cmd_Printer = Command_Button("cmd_Printer", QStringLiteral("Print to Printer"),
                                 QStringLiteral("Print the solution report"), content);
    cmd_Quit =
        Command_Button("cmd_Quit", QStringLiteral("&Quit"), QStringLiteral("Quit Korvel"), content);
    int top = 2800;
    for (QPushButton* button : {cmd_Input, cmd_Print, cmd_Printer, cmd_Quit}) {
        Place_Twips(button, 3825, top, 4200, 700);
        top += 1050;
    }
    setTabOrder(cmd_Input, cmd_Print);
    setTabOrder(cmd_Print, cmd_Printer);
    setTabOrder(cmd_Printer, cmd_Quit);

    cmd_Print->setEnabled(false);
    cmd_Printer->setEnabled(false);
}

void frm_HomeScreen::Connect_Commands() {
    Connect_Guarded(cmd_Input, &QPushButton::clicked, this, &frm_HomeScreen::cmd_Input_Click);
    Connect_Guarded(cmd_Print, &QPushButton::clicked, this, &frm_HomeScreen::cmd_Print_Click);
    Connect_Guarded(cmd_Quit, &QPushButton::clicked, this, &frm_HomeScreen::cmd_Quit_Click);
    Connect_Guarded(mnu_toScreen, &QAction::triggered, this, &frm_HomeScreen::cmd_Print_Click);
    Connect_Guarded(mnu_Quit, &QAction::triggered, this, &frm_HomeScreen::cmd_Quit_Click);
    Connect_Guarded(mnu_New, &QAction::triggered, this, &frm_HomeScreen::mnu_New_Click);
    Connect_Guarded(mnu_Open, &QAction::triggered, this, &frm_HomeScreen::mnu_Open_Click);
    Connect_Guarded(mnu_Import, &QAction::triggered, this, &frm_HomeScreen::mnu_Import_Click);
    Connect_Guarded(mnu_Save, &QAction::triggered, this, &frm_HomeScreen::mnu_Save_Click);
    Connect_Guarded(mnu_Saveas, &QAction::triggered, this, &frm_HomeScreen::mnu_Saveas_Click);
    Connect_Guarded(mnu_Export, &QAction::triggered, this, &frm_HomeScreen::mnu_Export_Click);
    Connect_Guarded(cmd_Printer, &QPushButton::clicked, this,
                    [this] { Printer_Command(QStringLiteral("cmd_Printer")); });
    Connect_Guarded(mnu_Printer, &QAction::triggered, this,
                    [this] { Printer_Command(QStringLiteral("mnu_Printer")); });
    Connect_Guarded(mnu_Preview, &QAction::triggered, this, &frm_HomeScreen::mnu_Preview_Click);
    Connect_Guarded(mnu_PdfFile, &QAction::triggered, this, &frm_HomeScreen::mnu_PdfFile_Click);
    Connect_Guarded(mnu_WorkedPrint, &QAction::triggered, this,
                    &frm_HomeScreen::mnu_WorkedPrint_Click);
    // Another copy of the program may have opened or saved files meanwhile.
    Connect_Guarded(mnu_Recent, &QMenu::aboutToShow, this, &frm_HomeScreen::Refresh_Recent_Menu);

    Connect_Guarded(mnu_test, &QAction::triggered, this,
                    [this] { Load_Example_And_Enter(Load_Test_Matrix); });
    Connect_Guarded(mnu_ex11_02, &QAction::triggered, this,
                    [this] { Load_Example_And_Enter(Load_Example_11_2); });
    Connect_Guarded(mnu_ex11_03, &QAction::triggered, this,
                    [this] { Load_Example_And_Enter(Load_Example_11_3); });

    Connect_Guarded(mnu_ExactCheck, &QAction::triggered, this, [] { Show_Check_Screen(); });

    Connect_Guarded(mnu_UserName, &QAction::triggered, this,
                    [] { MsgBox(QStringLiteral("User Name is ") + User_Name); });
    Connect_Guarded(mnu_FilePath, &QAction::triggered, this,
                    [] { MsgBox(QStringLiteral("Path for saved files is ") + File_Path); });
    Connect_Guarded(mnu_AppPath, &QAction::triggered, this,
                    [] { MsgBox(QStringLiteral("The application path is ") + App_Path); });

    Connect_Guarded(mnu_ChangeUser, &QAction::triggered, this, [] {
        frm_User* user = User_Screen();
        Centerform(user);
        user->Show_Modeless();
    });
    Connect_Guarded(mnu_GeneralHelp, &QAction::triggered, this, [] {
        Show_Help_Document(QStringLiteral("/helpfiles/korvel/korvel_help.pdf"),
                           QStringLiteral("frm_Homescreen.mnu_generalHelp_Click"));
    });
    Connect_Guarded(mnu_FileGeneral, &QAction::triggered, this, [] {
        Show_Help_Document(QStringLiteral("/helpfiles/general/Filemenu_help.pdf"),
                           QStringLiteral("frm_Homescreen.mnu_FileGeneral_Click"));
    });
    Connect_Guarded(mnu_CopyHelp, &QAction::triggered, this, [] {
        Show_Help_Document(QStringLiteral("/helpfiles/general/CopyHelp.pdf"),
                           QStringLiteral("frm_Homescreen.mnu_Copyhelp_Click"));
    });
    Connect_Guarded(mnu_About, &QAction::triggered, this, [] {
        With_Handler(QStringLiteral("mnu_About_Click"), [] {
            frm_About* about = About_Screen();
            Centerform(about);
            about->Show_Modal();
        });
    });
    Connect_Guarded(mnu_Disclaimer, &QAction::triggered, this, [] {
        With_Handler(QStringLiteral("mnu_Disclaimer_Click"), [] {
            Set_Captions();
            frm_Disclaimer* disclaimer = Disclaimer_Screen();
            Centerform(disclaimer);
            disclaimer->Show_Modeless();
        });
    });
    Connect_Guarded(mnu_Standardsize, &QAction::triggered, this, [this] {
        With_Handler(QStringLiteral("mnu_Standardsize_Click"), [this] {
            Full_Screen = false;
            Reset_Screen(this, Home_Design_Height, Design_Width);
        });
    });
    Connect_Guarded(mnu_Fullscreen, &QAction::triggered, this, [this] {
        With_Handler(QStringLiteral("mnu_Fullscreen_Click"), [this] {
            Full_Screen = true;
            Maximize_Screen(this, Home_Design_Height, Design_Width);
        });
    });
}

void frm_HomeScreen::Form_Activate() {
    With_Handler(
        QStringLiteral("frm_Homescreen.activate"),
        [this] {
            Place_By_Screen_Size(this, Design_Height, Design_Width);
            for (QAction* action : {mnu_Open, mnu_Save, mnu_Saveas, mnu_Export})
                action->setEnabled(true);
            if (First_Activate && !Is_Admin)
                MsgBox(QStringLiteral("Your default path for saved files is: ") + File_Path);
            First_Activate = false;
            Follow_Solved();
            if (Shell_Actions()) Shell_Actions()->Reset_Pointer();
        },
        /*ignoreCancel=*/true);
}

// Saving, printing and exporting need a solved model; opening is always possible. Print
// to Screen follows too: after an edit the solution belongs to another system.
void frm_HomeScreen::Follow_Solved() {
    for (QAction* action : {mnu_New, mnu_Save, mnu_Saveas, mnu_Export})
        action->setEnabled(Solved);
    mnu_Open->setEnabled(true);
    cmd_Print->setEnabled(Solved);
    mnu_P->menuAction()->setEnabled(Solved);
    cmd_Printer->setEnabled(Solved);
}

void frm_HomeScreen::Enable_Print_To_Screen(bool on) {
    cmd_Print->setEnabled(on);
}

bool frm_HomeScreen::Form_Query_Unload() {
    // Closing the window by any means leads to the quit confirmation, never straight out.
    cmd_Quit_Click();
    return false;
}

void frm_HomeScreen::cmd_Input_Click() {
    frm_Matrix* matrix = Matrix_Screen();
    Centerform(matrix);
    matrix->Show_Modal();
}

void frm_HomeScreen::cmd_Print_Click() {
    Multiprint();
}

void frm_HomeScreen::cmd_Quit_Click() {
    if (Solved && !Data_Saved) mnu_Saveas_Click();
    Show_Quit_Screen();
}

void frm_HomeScreen::Load_Example_And_Enter(void (*loader)()) {
    loader();
    cmd_Input_Click();
}

namespace {
QPointer<frm_HomeScreen> g_home;
}

frm_HomeScreen* Home_Screen() {
    return Load_Form(g_home);
}

void Show_Home_Screen_Centred() {
    frm_HomeScreen* home = Home_Screen();
    Centerform(home);
    home->Show_Modeless();
}

} // namespace korvel
