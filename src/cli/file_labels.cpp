#include "cli/file_labels.h"

#include "base/file_names.h"
#include "reports/json_text.h"

#include <QJsonValue>

#include <ostream>

namespace korvel::cli {

std::string File_Column(const QString& file) {
    return Encode_File_Name(file).toStdString();
}

std::string Prefixed_Lines(const std::string& text, const std::string& prefix) {
    std::string lines;
    lines.reserve(text.size() + prefix.size() * 20);
    bool line_start = true;
    for (const char c : text) {
        if (line_start) lines += prefix;
        lines += c;
        line_start = c == '\n';
    }
    return lines;
}

std::string With_File_Key(const std::string& object, const QString& file) {
    return "{\"file\":" + Compact_Json(QJsonValue(Readable_File_Name(file))).toStdString() +
           (object.size() > 2 ? "," : "") + object.substr(1);
}

void Write_File_Messages(std::ostream& err, const QString& file, const std::string& messages) {
    if (messages.empty()) return;
    err << Prefixed_Lines(messages, Readable_File_Name(file).toStdString() + ": ");
}

} // namespace korvel::cli
