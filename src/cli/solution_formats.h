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

// The same for one of several files, each row or object saying which: "file TAB name TAB
// value", CSV rows "file,name,value" under the header Solution_Csv_Header(true) that the
// run writes once, one JSON object (one line) with "file" first.
void Write_Solution(std::ostream& out, SolutionFormat format, const QString& file);

// What both write, for unknowns 1..n of any system (names and x read at [1..n]); file is
// null for a run of one file.
std::string Solution_Text(SolutionFormat format, const QString* file, int n, const QString* names,
                          const double* x);

// "name,value", or "file,name,value" for several files.
const char* Solution_Csv_Header(bool several);

// A CSV field, in quotes when it holds a comma, a quote, a line end or edge blanks.
std::string Csv_Field(const std::string& text);

} // namespace korvel::cli
