#include "screens/shell/set_captions.h"

#include "base/app_globals.h"
#include "screens/check/frm_check.h"
#include "screens/entry/frm_matrix.h"
#include "screens/help/frm_help.h"
#include "screens/home/frm_homescreen.h"
#include "screens/results/frm_printdata.h"
#include "screens/start/frm_about.h"
#include "screens/start/frm_disclaimer.h"
#include "screens/start/frm_quit.h"
#include "screens/start/frm_title.h"
#include "screens/start/frm_user.h"

namespace korvel {

void Set_Captions() {
    Title_Screen()->setWindowTitle(Title_Caption);
    About_Screen()->setWindowTitle(Title_Caption);
    User_Screen()->setWindowTitle(Title_Caption);
    Disclaimer_Screen()->setWindowTitle(Title_Caption);
    Quit_Screen()->setWindowTitle(Title_Caption);
    Help_Screen()->setWindowTitle(Help_Caption());
    Home_Screen()->setWindowTitle(Title_Caption + QStringLiteral("Home Screen"));
    Matrix_Screen()->setWindowTitle(Title_Caption + QStringLiteral("Matrix Screen"));
    PrintData_Screen()->setWindowTitle(Title_Caption + QStringLiteral("Output Screen"));
    Check_Screen()->setWindowTitle(Title_Caption + QStringLiteral("Check Screen"));
}

} // namespace korvel
