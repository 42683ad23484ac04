// Where korvel-cli's commands take their system from: a model file (.kvl), a system text
// file (.csv, .tsv, .txt) or standard input ("-"), one loading for every command.
#pragma once

#include <QString>

#include <iosfwd>

namespace korvel::cli {

// Loads the system named by path into the model: by its extension, and for "-" (standard
// input) or any other extension by its content (a model file's header, else text). On
// failure writes the message to err and returns the exit code; Ok when loaded.
int Load_System(const QString& path, std::ostream& err);

// The stream "-" reads; standard input unless a test gives another. Null restores it.
void Set_Standard_Input(std::istream* in);

} // namespace korvel::cli
