#include "cli/solution_formats.h"

#include "cli/file_labels.h"
#include "model/mod_matrix.h"
#include "reports/json_text.h"
#include "text/shortest_text.h"

#include <QJsonArray>
#include <QJsonObject>

#include <ostream>
#include <string>

namespace korvel::cli {

std::optional<SolutionFormat> Solution_Format_From_Name(const QString& name) {
    if (name == QLatin1String("tsv")) return SolutionFormat::Tsv;
    if (name == QLatin1String("csv")) return SolutionFormat::Csv;
    if (name == QLatin1String("json")) return SolutionFormat::Json;
    return std::nullopt;
}

namespace {

// A name's UTF-8 after out; names are nearly always ASCII, which needs no conversion.
void Append_Name(std::string& out, const QString& name) {
    for (const QChar c : name)
        if (c.unicode() >= 0x80) {
            out += name.toStdString();
            return;
        }
    for (const QChar c : name)
        out += static_cast<char>(c.unicode());
}

} // namespace

std::string Solution_Text(SolutionFormat format, const QString* file, int n, const QString* names,
                          const double* x) {
    switch (format) {
    case SolutionFormat::Tsv:
    case SolutionFormat::Csv: {
        // The rows made as one text and written at once: a batch writes thousands.
        const bool tsv = format == SolutionFormat::Tsv;
        std::string prefix;
        if (file)
            prefix =
                (tsv ? File_Column(*file) : Csv_Field(File_Column(*file))) + (tsv ? '\t' : ',');
        std::string rows;
        if (!file && !tsv) rows = std::string(Solution_Csv_Header(false)) + '\n';
        for (int i = 1; i <= n; ++i) {
            rows += prefix;
            if (tsv)
                Append_Name(rows, names[i]);
            else
                rows += Csv_Field(names[i].toStdString());
            rows += tsv ? '\t' : ',';
            Append_Shortest_Text(rows, x[i]);
            rows += '\n';
        }
        return rows;
    }
    case SolutionFormat::Json: {
        QJsonArray unknowns;
        for (int i = 1; i <= n; ++i)
            unknowns.append(
                QJsonObject{{QStringLiteral("name"), names[i]}, {QStringLiteral("value"), x[i]}});
        // Compact_Json writes each value as the double it is, and null where not finite.
        const std::string object =
            Compact_Json(QJsonObject{{QStringLiteral("unknowns"), unknowns}}).toStdString();
        return (file ? With_File_Key(object, *file) : object) + '\n';
    }
    }
    return {};
}

void Write_Solution(std::ostream& out, SolutionFormat format) {
    out << Solution_Text(format, nullptr, Num_Equations, Var_Name, X_Vector);
}

void Write_Solution(std::ostream& out, SolutionFormat format, const QString& file) {
    out << Solution_Text(format, &file, Num_Equations, Var_Name, X_Vector);
}

const char* Solution_Csv_Header(bool several) {
    return several ? "file,name,value" : "name,value";
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
