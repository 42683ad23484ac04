#include "screens/printer_checks.h"

#include "base/runtime_error.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace korvel {

namespace {

RuntimeError Unavailable(const QString& why) {
    return RuntimeError(Err::DeviceUnavailable,
                        Error_Description(Err::DeviceUnavailable) + QStringLiteral(": ") + why);
}

} // namespace

void Check_Printer_Ready(const QPrinter& printer) {
    // Printing to a file needs no printer. Without a print system, Qt's printer is a PDF
    // file without a name.
    if (!printer.outputFileName().isEmpty()) return;
    if (QPrinterInfo::availablePrinters().isEmpty())
        throw Unavailable(QStringLiteral("no printer is installed on this computer"));
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.printerName());
    if (info.isNull())
        throw Unavailable(QStringLiteral("printer ") + printer.printerName() +
                          QStringLiteral(" is not installed"));
    if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted)
        throw Unavailable(QStringLiteral("printer ") + printer.printerName() +
                          QStringLiteral(" is stopped"));
}

void Check_Printed(const QPrinter& printer) {
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw RuntimeError(Err::DeviceIoError,
                           Error_Description(Err::DeviceIoError) +
                               QStringLiteral(": the print system did not take the job"));
}

} // namespace korvel
