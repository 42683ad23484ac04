#include "platform/system_names.h"

#include <QDir>
#include <QStandardPaths>
#include <QSysInfo>

#include <pwd.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace korvel {

QString Get_Login_Name() {
    // The effective account is the one whose rights the program has.
    if (const passwd* account = getpwuid(geteuid()); account && account->pw_name)
        return QString::fromLocal8Bit(account->pw_name);
    return qEnvironmentVariable("USER");
}

QString Get_Computer_Name() {
    return QSysInfo::machineHostName();
}

QString Get_Documents_Folder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString Get_Full_User_Name() {
    const passwd* account = getpwuid(getuid());
    if (!account) return Get_Login_Name();
    // The comment field holds "full name,office,phone,...".
    const QString fullName =
        QString::fromLocal8Bit(account->pw_gecos ? account->pw_gecos : "").section(',', 0, 0);
    if (!fullName.isEmpty()) return fullName;
    return account->pw_name ? QString::fromLocal8Bit(account->pw_name) : Get_Login_Name();
}

QString Get_Organization_Name() {
    return qEnvironmentVariable("ORGANIZATION");
}

QString Get_Kernel_Name() {
    utsname system{};
    if (uname(&system) != 0) return QSysInfo::kernelType();
    return QString::fromLocal8Bit(system.sysname);
}

} // namespace korvel
