// The exact check laid out as the check screen shows it: one row per unknown (name, the
// solver's value, the exact value, correct digits) and the findings about the whole system
// in sentences; the same as plain text for the clipboard.
#pragma once

#include "model/exact_check.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace korvel {

struct CheckRow {
    QString name;
    QString computed; // the solver's value, shortest round-trip digits, or "not solved"
    QString exact;    // fraction or 17-digit decimal; what stands there when not unique
    QString digits;   // correct significant digits, or "—"
};

// names are read at names[1..n].
std::vector<CheckRow> Check_Rows(const ExactCheck& check, const QString* names);

// The classification, condition number, residual, free unknowns and general solution or
// ranks, one sentence or equation a line.
QStringList Check_Findings(const ExactCheck& check, const QString* names);

// The table (tab-separated, with its headings) and the findings, as plain text.
QString Check_Text(const ExactCheck& check, const QString* names);

} // namespace korvel
