// The model files last opened or saved, newest first, for File > Open Recent. The list is
// kept in the registry store under the user's key for Korvel ("Recent Files", values
// File1 to File8), so it outlives the run. A store that cannot be read or written only
// makes the list shorter: nothing here shows a message.
#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

constexpr int Recent_Files_Kept = 8;

// The key under HKEY_CURRENT_USER.
QString Recent_Files_Key();

QStringList Recent_Files();

// Puts the file (made absolute) at the top; an entry already there moves up rather than
// appearing twice, and the oldest beyond the eighth is dropped. Returns false when the
// store could not be written.
bool Remember_Recent_File(const QString& path);

// Takes the file off the list (a file that no longer exists).
bool Forget_Recent_File(const QString& path);

// Why the listed file cannot be opened any more, as the end of a sentence that begins with
// the file's name (" no longer exists."), or empty when it is a regular file.
QString Recent_File_Problem(const QString& path);

} // namespace korvel
