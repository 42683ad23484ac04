#include "session/recent_files.h"

#include "platform/registry_store.h"

#include <QFileInfo>

namespace korvel {

namespace {

QString Value_Name(int i) {
    return QStringLiteral("File%1").arg(i + 1);
}

QString Absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

bool Write_List(const QStringList& files) {
    RegHandle key = 0;
    if (Reg_Create_Key(HKEY_CURRENT_USER, Recent_Files_Key(), QString(), KEY_ALL_ACCESS, key) !=
        RegResult::Success)
        return false;
    bool written = true;
    for (int i = 0; i < Recent_Files_Kept; ++i) {
        if (i < files.size())
            written = Reg_Set_Value(key, Value_Name(i), REG_SZ, files[i].toUtf8()) ==
                          RegResult::Success &&
                      written;
        else
            Reg_Delete_Value(key, Value_Name(i)); // missing already is fine
    }
    Reg_Close_Key(key);
    return written;
}

} // namespace

QString Recent_Files_Key() {
    return QStringLiteral("Software\\Korvel\\Recent Files");
}

QStringList Recent_Files() {
    QStringList files;
    RegHandle key = 0;
    if (Reg_Open_Key(HKEY_CURRENT_USER, Recent_Files_Key(), KEY_READ, key) != RegResult::Success)
        return files;
    for (int i = 0; i < Recent_Files_Kept; ++i) {
        const std::optional<QString> read = Reg_Query_Text(key, Value_Name(i));
        if (!read) continue;
        const QString& path = *read;
        // A hand-edited store may hold blanks or the same file twice.
        if (!path.trimmed().isEmpty() && !files.contains(path)) files.append(path);
    }
    Reg_Close_Key(key);
    return files;
}

bool Remember_Recent_File(const QString& path) {
    const QString file = Absolute(path);
    QStringList files = Recent_Files();
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > Recent_Files_Kept)
        files.removeLast();
    return Write_List(files);
}

bool Forget_Recent_File(const QString& path) {
    QStringList files = Recent_Files();
    const qsizetype before = files.size();
    files.removeAll(path);
    files.removeAll(Absolute(path));
    if (files.size() == before) return true;
    return Write_List(files);
}

QString Recent_File_Problem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral(" no longer exists.");
    if (info.isDir()) return QStringLiteral(" is now a folder, not a model file.");
    if (!info.isFile())
        return QStringLiteral(" is now a pipe, socket or device, not a model file.");
    return {};
}

} // namespace korvel
