#include "cli/solution_formats.h"

#include "model/mod_matrix.h"
#include "text/shortest_text.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

namespace korvel::cli {

namespace {

std::string Json_String(const std::string& text) {
    std::string json = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                json += escaped;
            } else {
                json += c; // UTF-8 passes as it is
            }
        }
    }
    return json + '"';
}

// JSON has no infinity or NaN.
std::string Json_Number(double value) {
    return std::isfinite(value) ? Shortest_Text(value) : std::string("null");
}

} // namespace

std::optional<SolutionFormat> Solution_Format_From_Name(const QString& name) {
    if (name == QLatin1String("tsv")) return SolutionFormat::Tsv;
    if (name == QLatin1String("csv")) return SolutionFormat::Csv;
    if (name == QLatin1String("json")) return SolutionFormat::Json;
    return std::nullopt;
}

void Write_Solution(std::ostream& out, SolutionFormat format) {
    switch (format) {
    case SolutionFormat::Tsv:
        for (int i = 1; i <= Num_Equations; ++i)
            out << Var_Name[i].toStdString() << '\t' << Shortest_Text(X_Vector[i]) << '\n';
        return;
    case SolutionFormat::Csv:
        out << "name,value\n";
        for (int i = 1; i <= Num_Equations; ++i)
            out << Csv_Field(Var_Name[i].toStdString()) << ',' << Shortest_Text(X_Vector[i])
                << '\n';
        return;
    case SolutionFormat::Json:
        out << "{\"unknowns\":[";
        for (int i = 1; i <= Num_Equations; ++i)
            out << (i > 1 ? "," : "") << "{\"name\":" << Json_String(Var_Name[i].toStdString())
                << ",\"value\":" << Json_Number(X_Vector[i]) << '}';
        out << "]}\n";
        return;
    }
}

std::string Csv_Field(const std::string& text) {
    const bool plain = text.find_first_of(",\"\r\n") == std::string::npos &&
                       (text.empty() || (text.front() != ' ' && text.back() != ' '));
    if (plain) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace korvel::cli
