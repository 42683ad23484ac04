#include "screens/printing/printer_checks.h"

#include "base/runtime_error.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace korvel {

namespace {

RuntimeError Unavailable(const QString& why) {
    return RuntimeError(Err::DeviceUnavailable,
                        Error_Description(Err::DeviceUnavailable) + QStringLiteral(": ") + why);
}

bool Prints_Through_Cups(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() && printer.outputFormat() == QPrinter::NativeFormat;
}

// Qt's printer state cannot tell a queue that refuses jobs from one that takes them; the
// print system itself can.
bool Queue_Refuses_Jobs(const QString& name) {
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.toUtf8().constData(), nullptr);
    if (!dest) return false; // Qt knows it: let the print system have its say on the job
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting && qstrcmp(accepting, "false") == 0;
    cupsFreeDests(1, dest);
    return refuses;
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
    if (Prints_Through_Cups(printer) && Queue_Refuses_Jobs(printer.printerName()))
        throw Unavailable(QStringLiteral("printer ") + printer.printerName() +
                          QStringLiteral(" is not accepting jobs"));
}

void Check_Printed(const QPrinter& printer) {
    const QString not_taken = Error_Description(Err::DeviceIoError) +
                              QStringLiteral(": the print system did not take the job");
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        throw RuntimeError(Err::DeviceIoError, not_taken);
    // Qt hands the finished job to the print system in this thread and drops the answer;
    // the print system keeps it as its last error.
    if (Prints_Through_Cups(printer) && cupsLastError() >= IPP_STATUS_ERROR_BAD_REQUEST)
        throw RuntimeError(Err::DeviceIoError, not_taken + QStringLiteral(" (") +
                                                   QString::fromUtf8(cupsLastErrorString()) +
                                                   QStringLiteral(")"));
}

} // namespace korvel
