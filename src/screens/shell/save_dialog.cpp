#include "screens/shell/save_dialog.h"

#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "screens/shell/dialogs.h"
#include "session/save_name.h"

namespace korvel {

QString Ask_Save_Path(const QString& caption, const QString& extension) {
    const QString dotted = QLatin1Char('.') + extension;
    return Final_Save_Name(Dialogs().Save_File_Name(caption, QLatin1Char('*') + dotted,
                                                    Dialog_Folder(File_Path), File_Name + dotted),
                           extension);
}

} // namespace korvel
