#include "session/file_commands.h"

#include "base/app_globals.h"
#include "base/file_names.h"
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "files/model_io.h"
#include "files/system_import.h"
#include "model/entry_view.h"
#include "session/show_results.h"

#include <QFileInfo>

namespace korvel {

ReadResult Load_Model_File(const QString& path) {
    const ReadResult result = Read_Model_File(path);
    Show_Read_Result(result, path);
    // A refused or failed file never becomes the one that Save writes.
    if (result.Complete()) {
        File_Path = path;
        File_Name = StripFilename(path);
    }
    return result;
}

void Open_Clicked_File(const QStringList& arguments) {
    With_Handler(QStringLiteral(" in Open_Clicked_File"), [&] {
        QString path = arguments.join(QLatin1Char(' ')).trimmed();
        if (path.isEmpty()) return;
        // A file manager may pass the path in double quotes.
        if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) &&
            path.endsWith(QLatin1Char('"')))
            path = path.mid(1, path.size() - 2);
        // Qt cannot look up a name that is not UTF-8: it is only made absolute.
        const QString longPath =
            Needs_Raw_Bytes(path) ? Absolute_File_Name(path) : QFileInfo(path).canonicalFilePath();
        Load_Model_File(longPath.isEmpty() ? path : longPath);
    });
    if (Shell_Actions()) Shell_Actions()->Reset_Pointer();
}

bool Save_Model_File(const QString& path) {
    const WriteResult result = Write_Model_File(path);
    Show_Save_Result(result, path);
    return result.written;
}

ReadResult Load_System_File(const QString& path) {
    const ReadResult result = Read_System_File(path);
    if (!result.Complete()) {
        Show_Error(result.error);
        return result;
    }
    // A system from another program has never been saved as a model: Save asks where.
    File_Path = path;
    File_Name = StripFilename(path);
    Data_Saved = false;
    Open_Entry_Screen();
    return result;
}

} // namespace korvel
