#include "reports/export_file.h"

#include "base/app_globals.h"
#include "base/file_errors.h"
#include "base/report_error.h"
#include "base/save_file.h"
#include "model/mod_matrix.h"
#include "text/number_text.h"

#include <QSaveFile>

namespace korvel {

QString Report_Date(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

QString Report_Time(const QTime& time, const QLocale& locale) {
    // The long form has seconds; drop the time-zone part some locales add to it.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return locale.toString(time, format.trimmed());
}

QString Blank_Model_Message() {
    return QStringLiteral("The current model is blank.  There is nothing to export.  Use Input "
                          "button to calculate the model, then export");
}

QByteArray Export_Content(const QDateTime& now, const QLocale& locale) {
    const QChar TAB(9);
    const QString CRLF = QStringLiteral("\r\n");
    QString out;
    out += Program_Name + TAB + QStringLiteral("File: ") + TAB + File_Name + TAB + TAB +
           QStringLiteral("Design #") + TAB + Report_Number_Text(Design_No, locale) + CRLF;
    out += QStringLiteral("By:") + TAB + Project_ID + TAB + TAB + Report_Date(now.date(), locale) +
           TAB + TAB + Report_Time(now.time(), locale) + CRLF;
    out += CRLF;
    Check_Count(Last_Index + 1);
    for (int i = 1; i <= Last_Index + 1; ++i)
        out += Var_Name[i] + TAB + Report_Number_Text(X_Vector[i], locale) + TAB + CRLF;
    return out.toUtf8();
}

WriteResult Print_to_File(QSaveFile& file) {
    try {
        Write_And_Commit(file, Export_Content(QDateTime::currentDateTime()));
        return WriteResult::Done();
    } catch (...) {
        return WriteResult::Failed(Current_Error(std::current_exception()),
                                   QStringLiteral("Print_to_File"));
    }
}

WriteResult Write_Export_File(const QString& path) {
    return Write_Through_Save_File(path, Print_to_File);
}

bool Export_To_File(const QString& path) {
    const WriteResult result = Write_Export_File(path);
    if (!result.written)
        Report_Error(result.error.number, result.error.description, result.error.label);
    return result.written;
}

} // namespace korvel
