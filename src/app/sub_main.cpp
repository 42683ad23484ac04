#include "app/sub_main.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "files/model_io.h"
#include "model/entry_view.h"
#include "model/mod_matrix.h"
#include "platform/mod_assoc.h"
#include "screens/entry/frm_matrix.h"
#include "screens/home/frm_homescreen.h"
#include "screens/results/frm_printdata.h"
#include "screens/shell/model_screens.h"
#include "screens/shell/set_captions.h"
#include "screens/shell/window_placement.h"
#include "screens/start/frm_title.h"
#include "session/file_commands.h"
#include "session/identification.h"
#include "session/recent_files.h"
#include "session/recovery.h"
#include "session/run_check.h"
#include "session/terminate.h"

#include <QCoreApplication>
#include <QDir>

namespace korvel {

void Init_Globals() {
    Full_Screen = false;
    Is_Admin = Check_Administrator();
    // Loading the home screen fixes Home_Width, Home_Height and Home_Top before any other
    // screen is placed.
    Home_Screen();
}

void Sub_Main(const QStringList& arguments) {
    With_Handler(QStringLiteral("in Sub Main"), [&] {
        Set_Identity();
        Init_Globals();
        Title_Caption = Build_Title_Caption();
        App_Path = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
        if (!App_Path.endsWith(QDir::separator())) App_Path += QDir::separator();
        Check_for_Crash(arguments);
        if (Program_Ending()) return; // a second copy started from a model file
        Set_User();
        CreateAssociation(QStringLiteral("Korvel"), QStringLiteral("kvl"));
        Connect_Screens_To_Model();
        Initialize();
        const QString pathBefore = File_Path;
        Open_Clicked_File(arguments);
        // A file read complete becomes File_Path: one more opened file for Open Recent.
        if (File_Path != pathBefore) Remember_Recent_File(File_Path);
        // A model given on the command line comes first; the kept one waits for a plain start.
        if (arguments.join(QString()).trimmed().isEmpty()) Offer_Recovered_Model();
        Set_Captions();
        if (Program_Ending()) return;
        frm_Title* title = Title_Screen();
        Centerform(title);
        title->Show_Modal();
    });
}

} // namespace korvel
