#include "files/model_io.h"

#include "base/file_errors.h"
#include "files/model_file.h"
#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "base/report_error.h"
#include "base/shell_actions.h"

#include <QFile>
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

void Load_Model_File(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw Open_Error(file, false);
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) throw Read_Error(file);
    file.close();
    Readfile(content);
}

void Open_Clicked_File(const QStringList& arguments) {
    With_Handler(QStringLiteral(" in Open_Clicked_File"), [&] {
        QString path = arguments.join(QLatin1Char(' ')).trimmed();
        if (path.isEmpty()) return;
        // A file manager may pass the path in double quotes.
        if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
            path = path.mid(1, path.size() - 2);
        const QString longPath = QFileInfo(path).canonicalFilePath();
        File_Path = longPath.isEmpty() ? path : longPath;
        Load_Model_File(File_Path);
        File_Name = StripFilename(File_Path);
    });
    if (Shell_Actions()) Shell_Actions()->Reset_Pointer();
}

bool Save_Model_File(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw Open_Error(file, true);
    return Writefile(file);
}

} // namespace korvel
