#include "files/default_extension.h"

#include <algorithm>

namespace korvel {

QString With_Default_Extension(const QString& path, const QString& extension) {
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const QString fileName = path.mid(slash + 1);
    if (fileName.isEmpty()) return path; // a folder, not a name: nothing to add to
    if (fileName.endsWith(QLatin1Char('.'))) return path + extension;
    // A leading dot marks a hidden file, not an extension (".notes" has none).
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot > 0) return path;
    return path + QLatin1Char('.') + extension;
}

} // namespace korvel
