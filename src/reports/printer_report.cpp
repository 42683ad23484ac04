#include "reports/printer_report.h"

#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "reports/export_file.h"
#include "reports/line_printer.h"
#include "text/number_text.h"
#include "text/rounding.h"

#include <QFont>
#include <QPainter>

namespace korvel {

QFont Report_Font() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    return font;
}

void Draw_Printer_Report(QPainter& painter, int pageNumber, const QDateTime& now,
                         const QLocale& locale) {
    auto number = [&](double value) { return Report_Number_Text(value, locale); };
    LinePrinter out(painter);
    for (int i = 0; i < 4; ++i)
        out.Empty_Line();
    out.Print_Line({Program_Name, QStringLiteral("File ") + File_Name,
                    QStringLiteral("Design #") + number(Design_No),
                    QStringLiteral("Page ") + number(pageNumber)});
    out.Print_Line({QStringLiteral("By: ") + Project_ID, Report_Date(now.date(), locale),
                    Report_Time(now.time(), locale)});
    out.Empty_Line();
    out.Empty_Line();
    out.Print_Line({QStringLiteral("Variable"), QStringLiteral("Value")});
    out.Empty_Line();
    Check_Count(Last_Index + 1);
    for (int i = 1; i <= Last_Index + 1; ++i) {
        const auto rounded = FNRound(X_Vector[i], 4);
        out.Print_Line({Var_Name[i], rounded ? number(*rounded) : QString()});
    }
}

} // namespace korvel
