#include "files/model_io.h"

#include "base/app_globals.h"
#include "base/file_names.h"
#include "base/read_file.h"
#include "base/report_error.h"
#include "base/save_file.h"
#include "files/model_file.h"
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

WriteResult Write_Model_File(const QString& path) {
    return Write_Through_Save_File(path, Writefile);
}

} // namespace korvel
