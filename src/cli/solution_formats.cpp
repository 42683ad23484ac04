#include "cli/solution_formats.h"

#include "model/mod_matrix.h"
#include "text/shortest_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <ostream>
#include <string>

namespace korvel::cli {

namespace {

// JSON has no infinity or NaN.
QJsonValue Json_Number(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
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
    case SolutionFormat::Json: {
        QJsonArray unknowns;
        for (int i = 1; i <= Num_Equations; ++i)
            unknowns.append(QJsonObject{{QStringLiteral("name"), Var_Name[i]},
                                        {QStringLiteral("value"), Json_Number(X_Vector[i])}});
        out << QJsonDocument(QJsonObject{{QStringLiteral("unknowns"), unknowns}})
                   .toJson(QJsonDocument::Compact)
                   .toStdString()
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
