// The solution report on paper (or in a PDF file): identification header and one line per
// unknown, its value rounded to four decimals.
#pragma once

#include <QDateTime>
#include <QLocale>

class QFont;
class QPainter;

namespace korvel {

// Draws the one-page report with the painter's font. pageNumber is the printer's current
// page; now is the moment of printing.
void Draw_Printer_Report(QPainter& painter, int pageNumber, const QDateTime& now,
                         const QLocale& locale = QLocale());

// The report's font when the printer has no preference of its own.
QFont Report_Font();

} // namespace korvel
