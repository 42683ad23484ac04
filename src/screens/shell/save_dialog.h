// The save dialog of the home screen's file commands: it opens in the model file's folder
// and proposes the model's name with the command's file type.
#pragma once

#include <QString>

namespace korvel {

// The path to write, asked with the given caption; extension without its dot ("kvl"). The
// extension is added when the chosen name has none. Cancel raises error 32755.
QString Ask_Save_Path(const QString& caption, const QString& extension);

} // namespace korvel
