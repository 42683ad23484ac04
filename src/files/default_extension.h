// The extension a saved file gets when the name typed has none, so that the Open dialog's
// filter shows the file again.
#pragma once

#include <QString>

namespace korvel {

// path with "." + extension appended when its file name has no extension of its own
// ("bridge" gives "bridge.kvl", "bridge." too); a name with any extension is kept.
QString With_Default_Extension(const QString& path, const QString& extension);

} // namespace korvel
