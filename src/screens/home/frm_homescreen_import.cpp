// The home screen's File > Import...: a system kept as text by another program becomes
// the model, as a model file does with Open.
#include "screens/home/frm_homescreen.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "files/system_import.h"
#include "screens/shell/dialogs.h"
#include "session/file_commands.h"
#include "session/save_name.h"

#include <QAction>

namespace korvel {

void frm_HomeScreen::mnu_Import_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.Import"),
        [this] {
            Offer_Save_Before_Reset();
            const QString path = Dialogs().Open_File_Name(
                QStringLiteral("Import a system"),
                QStringLiteral("Systems (*.csv *.tsv *.txt)|*.csv *.tsv *.txt|All (*.*)|*.*|"),
                Dialog_Folder(File_Path));
            Import_System_Path(path);
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::Import_System_Path(const QString& path) {
    With_Handler(QStringLiteral("frm_Homescreen.Import"), [&] {
        // A refused file is reported and keeps the model; one read opens the entry screen.
        HourglassGuard busy;
        if (Load_System_File(path).Complete()) mnu_New->setEnabled(true);
    });
}

} // namespace korvel
