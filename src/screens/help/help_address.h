// Where the help documents are found: the "help host" setting, and the full address of a
// help document from its path ("/helpfiles/korvel/korvel_help.pdf").
#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

// The help host: an address base such as "file:///usr/share/korvel/help" or
// an http address of a web site. KORVEL_HELP_BASE overrides it; otherwise it is the help folder
// installed with the program (<program folder>/../share/korvel/help) or, when running from
// the build tree, the folder the build writes the documents to.
QString Help_Host();

// The base from an override (used as it is when not empty) or the first existing folder of
// the candidates, as a file: address. With no existing folder, the first candidate's
// address: the viewer then says the document could not be found.
QString Help_Base_From(const QString& override, const QStringList& folders);

// Help_Host() + path.
QString Help_Address(const QString& path);

} // namespace korvel
