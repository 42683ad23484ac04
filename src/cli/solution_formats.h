// The solution as korvel-cli writes it: tab-separated (name TAB value), CSV with a header
// row, or one JSON object, every value in the shortest text that reads back the same.
#pragma once

#include <QString>

#include <iosfwd>
#include <optional>
#include <string>

namespace korvel::cli {

enum class SolutionFormat { Tsv, Csv, Json };

// "tsv", "csv" or "json"; empty for anything else.
std::optional<SolutionFormat> Solution_Format_From_Name(const QString& name);

// The names and values of unknowns 1..Num_Equations (X_Vector).
void Write_Solution(std::ostream& out, SolutionFormat format);

// A CSV field, in quotes when it holds a comma, a quote, a line end or edge blanks.
std::string Csv_Field(const std::string& text);

} // namespace korvel::cli
