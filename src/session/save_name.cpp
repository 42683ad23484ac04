#include "session/save_name.h"

#include "base/messages.h"
#include "base/runtime_error.h"
#include "files/default_extension.h"

#include <QFileInfo>

namespace korvel {

QString Final_Save_Name(const QString& chosen, const QString& extension) {
    const QString path = With_Default_Extension(chosen, extension);
    if (path == chosen || !QFileInfo::exists(path)) return path;
    if (MsgBox(Replace_File_Question(path), MsgIcon::Exclamation, MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        throw RuntimeError(Err::Cancel);
    return path;
}

QString Replace_File_Question(const QString& path) {
    return path + QStringLiteral(" already exists.") + QChar(13) +
           QStringLiteral("Do you want to replace it?");
}

QString Dialog_Folder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() ? info.absoluteFilePath() : info.absolutePath();
}

} // namespace korvel
