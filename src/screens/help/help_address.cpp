#include "screens/help/help_address.h"

#include <QCoreApplication>
#include <QDir>
#include <QUrl>

namespace korvel {

namespace {
QString Folder_Address(const QString& folder) {
    return QUrl::fromLocalFile(QDir::cleanPath(QDir(folder).absolutePath())).toString();
}
} // namespace

QString Help_Base_From(const QString& override, const QStringList& folders) {
    QString base = override.trimmed();
    if (base.isEmpty()) {
        for (const QString& folder : folders) {
            if (QDir(folder).exists()) {
                base = Folder_Address(folder);
                break;
            }
        }
    }
    if (base.isEmpty() && !folders.isEmpty()) base = Folder_Address(folders.first());
    // The document paths start with "/".
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QString Help_Host() {
    QStringList folders{QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../share/korvel/help")};
#ifdef KORVEL_BUILD_HELP_DIR
    folders << QStringLiteral(KORVEL_BUILD_HELP_DIR);
#endif
    return Help_Base_From(qEnvironmentVariable("KORVEL_HELP_BASE"), folders);
}

QString Help_Address(const QString& path) {
    return Help_Host() + path;
}

} // namespace korvel
