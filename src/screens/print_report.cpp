#include "screens/print_report.h"

#include "base/report_error.h"
#include "reports/printer_report.h"
#include "screens/printer_checks.h"

#include <QDateTime>
#include <QPainter>
#include <QPrinter>

namespace korvel {

void Print_to_Printer(QPrinter& printer) {
    With_Handler(QStringLiteral("Print_to_Printer"), [&] {
        Check_Printer_Ready(printer);
        QPainter painter;
        if (!painter.begin(&printer)) throw RuntimeError(Err::DeviceUnavailable);
        painter.setFont(Report_Font());
        Draw_Printer_Report(painter, 1 /* the report is one page */, QDateTime::currentDateTime());
        if (!painter.end()) throw RuntimeError(Err::DeviceIoError);
        Check_Printed(printer);
    });
}

} // namespace korvel
