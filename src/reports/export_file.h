// The text export: the solution as tab-separated lines for a spreadsheet.
#pragma once

#include "base/outcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>

class QSaveFile;

namespace korvel {

// The system's short date and its time of day (with seconds), as reports show "now".
QString Report_Date(const QDate& date, const QLocale& locale);
QString Report_Time(const QTime& time, const QLocale& locale);

// Two identification lines, an empty line, and "name TAB value TAB" per unknown, CR LF.
QByteArray Export_Content(const QDateTime& now, const QLocale& locale = QLocale());

// Writes the export into an opened save file and commits it. Shows nothing: the result is
// written or the error ("Print_to_File") that stopped it.
WriteResult Print_to_File(QSaveFile& file);

// Writes the export text to path through a temporary file (Print_to_File) and shows
// nothing; a file that cannot be created raises its error to the caller.
WriteResult Write_Export_File(const QString& path);

// Write_Export_File, reporting a failed write; returns true when the file is complete.
bool Export_To_File(const QString& path);

// "The current model is blank. ..." shown when there is no solution to export.
QString Blank_Model_Message();

} // namespace korvel
