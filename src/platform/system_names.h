// Names and folders the system knows about the user and the machine: the login and
// computer names, the documents folder, and the facts the machine's registry root reports
// (owner, organisation, operating system) without anyone having written them.
#pragma once

#include <QString>

namespace korvel {

// The login name of the account the program runs as; $USER when the account database
// has no entry for it.
QString Get_Login_Name();

// The machine's host name.
QString Get_Computer_Name();

// The user's documents folder; the home folder when the system names none.
QString Get_Documents_Folder();

// The account's full name: the account database's comment field up to its first comma,
// or the login name when that is empty.
QString Get_Full_User_Name();

// The ORGANIZATION environment variable, or empty text when it is not set.
QString Get_Organization_Name();

// The kernel's name, for instance "Linux".
QString Get_Kernel_Name();

} // namespace korvel
