#include "files/model_io.h"

#include "base/app_globals.h"
#include "base/file_names.h"
#include "base/read_file.h"
#include "base/report_error.h"
#include "base/save_file.h"
#include "base/shell_actions.h"
#include "files/model_file.h"
#include "files/show_results.h"
#include "model/mod_matrix.h"

#include <QFileInfo>
#include <QSaveFile>

namespace korvel {

QString StripFilename(const QString& path) {
    try {
        const qsizetype length = path.size();
        if (length < 4) throw RuntimeError(Err::InvalidProcedureCall);
        const qsizetype slash =
            std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
        const QString fileName = path.mid(slash + 1);
        // The three-character extension is dropped; another name is kept whole.
        if (path[length - 4] == QLatin1Char('.') && fileName.size() >= 4)
            return fileName.left(fileName.size() - 4);
        return fileName;
    } catch (const RuntimeError& error) {
        Report_Error(error, QStringLiteral("StripFilename"));
        throw;
    }
}

ReadResult Read_Model_File(const QString& path) {
    return Readfile(Read_Whole_File(path), Readable_File_Name(path));
}

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

WriteResult Write_Model_File(const QString& path) {
    return Write_Through_Save_File(path, Writefile);
}

bool Save_Model_File(const QString& path) {
    const WriteResult result = Write_Model_File(path);
    Show_Save_Result(result, path);
    return result.written;
}

} // namespace korvel
