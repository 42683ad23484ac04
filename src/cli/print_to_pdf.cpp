#include "cli/print_to_pdf.h"

#include "base/runtime_error.h"
#include "reports/printer_report.h"

#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>

namespace korvel::cli {

bool Print_To_Pdf(const QString& path) {
    QPdfWriter pdf(path);
    pdf.setTitle(QStringLiteral("Korvel report"));
    QPainter painter;
    if (!painter.begin(&pdf)) throw RuntimeError(Err::PathFileAccessError);
    painter.setFont(Report_Font());
    Draw_Printer_Report(painter, 1, QDateTime::currentDateTime());
    return painter.end();
}

} // namespace korvel::cli
