#include "screens/printing/print_report.h"

#include "base/report_error.h"
#include "reports/printer_report.h"
#include "screens/printing/printer_checks.h"

#include <QPainter>
#include <QPrinter>

namespace korvel {

void Print_to_Printer(QPrinter& printer) {
    With_Handler(QStringLiteral("Print_to_Printer"), [&] {
        Check_Printer_Ready(printer);
        Paint_Printer_Report(printer, QDateTime::currentDateTime());
        Check_Printed(printer);
    });
}

void Paint_Printer_Report(QPrinter& printer, const QDateTime& now) {
    QPainter painter;
    if (!painter.begin(&printer)) throw RuntimeError(Err::DeviceUnavailable);
    painter.setFont(Report_Font());
    Draw_Printer_Report(painter, 1 /* the report is one page */, now);
    if (!painter.end()) throw RuntimeError(Err::DeviceIoError);
}

} // namespace korvel
