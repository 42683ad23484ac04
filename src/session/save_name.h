// The file a save dialog's answer stands for: the name chosen with the file type's
// extension added when it has none. The dialog asked before replacing the name as typed;
// when the extension makes it another, existing file, the question is asked here.
#pragma once

#include <QString>

namespace korvel {

// The final path for chosen. When the added extension names an existing file and the user
// answers No to replacing it, raises the cancel error (32755): the command ends silently.
QString Final_Save_Name(const QString& chosen, const QString& extension);

// The question asked before replacing path.
QString Replace_File_Question(const QString& path);

// The folder a file dialog opens in for path: the folder itself, or the file's.
QString Dialog_Folder(const QString& path);

} // namespace korvel
