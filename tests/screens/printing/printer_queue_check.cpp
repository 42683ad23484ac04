// Printing to real print queues (a private print system, see with_private_cups.sh): a queue
// that refuses jobs is reported, one that takes them prints without a word.
#include "screens/printing/print_report.h"
#include "support/scripted_messages.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QtTest>

using namespace korvel;
using korvel::testing::ScriptedMessages;

class PrinterQueueCheck : public QObject {
    Q_OBJECT

  private slots:
    void bothQueuesAreThere() {
        QStringList names = QPrinterInfo::availablePrinterNames();
        names.sort();
        QCOMPARE(names, QStringList({QStringLiteral("Refusing"), QStringLiteral("Taking")}));
    }

    void aQueueThatRefusesJobsIsReported() {
        ScriptedMessages messages;
        QPrinter printer;
        printer.setPrinterName(QStringLiteral("Refusing"));
        Print_to_Printer(printer);
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY2(messages.shown[0].text.startsWith(QStringLiteral(
                     "Error 68   (Device unavailable: printer Refusing is not accepting jobs)  "
                     "has occurred in Print_to_Printer")),
                 qPrintable(messages.shown[0].text));
    }

    void aQueueThatTakesJobsPrintsSilently() {
        ScriptedMessages messages;
        QPrinter printer;
        printer.setPrinterName(QStringLiteral("Taking"));
        Print_to_Printer(printer);
        QVERIFY2(messages.shown.empty(),
                 messages.shown.empty() ? "" : qPrintable(messages.shown[0].text));
    }
};

QTEST_MAIN(PrinterQueueCheck)
#include "printer_queue_check.moc"
