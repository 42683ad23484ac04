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

bool No_Printer_Installed(const QPrinter& printer) {
    // Without a print system, Qt's printer is a PDF file without a name.
    return printer.outputFileName().isEmpty() && QPrinterInfo::availablePrinters().isEmpty();
}

RuntimeError No_Printer_Error() {
    return Unavailable(QStringLiteral("no printer is installed on this computer"));
}

void Check_Printer_Ready(const QPrinter& printer) {
    // Printing to a file needs no printer.
    if (!printer.outputFileName().isEmpty()) return;
    if (No_Printer_Installed(printer)) throw No_Printer_Error();
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
