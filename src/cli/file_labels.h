// Output of a run over several systems, each part saying which file it comes from: a first
// column in tab-separated and CSV rows, a "file" key in JSON, "FILE: " before messages.
#pragma once

#include <QString>

#include <iosfwd>
#include <string>

namespace korvel::cli {

// The file as a TSV or CSV row names it: the bytes it was given as, so that a script can
// open it again (a name need not be UTF-8).
std::string File_Column(const QString& file);

// Each line of text (every one ending in "\n") with prefix before it.
std::string Prefixed_Lines(const std::string& text, const std::string& prefix);

// A compact JSON object (Compact_Json's text) with "file" as its first key. JSON is UTF-8:
// a byte of the name that is not is written as the text \xFF, as messages show it.
std::string With_File_Key(const std::string& object, const QString& file);

// A file's messages on err, each line after "FILE: ".
void Write_File_Messages(std::ostream& err, const QString& file, const std::string& messages);

} // namespace korvel::cli
