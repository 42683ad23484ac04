#include "cli/solution_formats.h"

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

void Write_Solution(std::ostream& out, SolutionFormat format) {
    switch (format) {
    case SolutionFormat::Tsv:
        for (int i = 1; i <= Num_Equations; ++i)
            out << Var_Name[i].toStdString() << '\t' << Shortest_Text(X_Vector[i]).toStdString()
                << '\n';
        return;
    case SolutionFormat::Csv:
        out << "name,value\n";
        for (int i = 1; i <= Num_Equations; ++i)
            out << Csv_Field(Var_Name[i].toStdString()) << ','
                << Shortest_Text(X_Vector[i]).toStdString() << '\n';
        return;
    case SolutionFormat::Json: {
        QJsonArray unknowns;
        for (int i = 1; i <= Num_Equations; ++i)
            unknowns.append(QJsonObject{{QStringLiteral("name"), Var_Name[i]},
                                        {QStringLiteral("value"), X_Vector[i]}});
        // Compact_Json writes each value as the double it is, and null where not finite.
        out << Compact_Json(QJsonObject{{QStringLiteral("unknowns"), unknowns}}).toStdString()
            << '\n';
        return;
    }
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
