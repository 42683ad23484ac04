// The home screen's report commands beside the printer: the print preview, the report as
// a PDF file, the PDF offered when no printer is installed, and the worked solution.
#include "screens/home/frm_homescreen.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "model/mod_matrix.h"
#include "reports/pdf_report.h"
#include "screens/printing/print_report.h"
#include "screens/printing/print_worked.h"
#include "screens/printing/printer_checks.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/guarded_slot.h"
#include "screens/shell/save_dialog.h"
#include "session/show_results.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace korvel {

void frm_HomeScreen::mnu_Preview_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.Preview"),
        [this] {
            QPrinter printer(QPrinter::HighResolution);
            QPrintPreviewDialog preview(&printer, this);
            preview.setObjectName(QStringLiteral("dlg_Preview"));
            preview.setWindowTitle(Title_Caption + QStringLiteral("Print Preview"));
            // One moment for every page drawn: the preview redraws on each zoom.
            const QDateTime now = QDateTime::currentDateTime();
            Connect_Guarded(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                            [now](QPrinter* target) {
                                With_Handler(QStringLiteral("Print_to_Printer"),
                                             [&] { Paint_Printer_Report(*target, now); });
                            });
            preview.resize(width() * 9 / 10, height() * 9 / 10);
            preview.exec();
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::mnu_PdfFile_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.PdfFile"),
        [] {
            const QString path = Ask_Save_Path(QStringLiteral("Print the Report to a PDF File"),
                                               QStringLiteral("pdf"));
            HourglassGuard busy;
            Show_Save_Result(Write_Pdf_Report(path), path);
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::mnu_WorkedPrint_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.WorkedPrint"),
        [this] {
            QPrinter printer(QPrinter::HighResolution);
            Dialogs().Choose_Printer(printer);
            if (No_Printer_Installed(printer)) {
                Offer_Pdf_Instead(QStringLiteral("worked solution"),
                                  &frm_HomeScreen::Worked_Pdf_Click);
                return;
            }
            Print_Worked_To_Printer(printer);
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::Worked_Pdf_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.WorkedPrint"),
        [] {
            Print_Worked_To_Pdf(Ask_Save_Path(
                QStringLiteral("Print the Worked Solution to a PDF File"), QStringLiteral("pdf")));
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::Offer_Pdf_Instead(const QString& what, void (frm_HomeScreen::*write_pdf)()) {
    const RuntimeError error = No_Printer_Error();
    const ErrorReport report = Compose_Error_Report(error.number(), error.description(),
                                                    QStringLiteral("Print_to_Printer"));
    const MsgAnswer answer =
        MsgBox(report.text +
                   QStringLiteral("Do you want to write the %1 to a PDF file instead?").arg(what),
               report.icon, MsgButtons::YesNo);
    if (Shell_Actions()) Shell_Actions()->Reset_Pointer();
    if (answer == MsgAnswer::Yes) (this->*write_pdf)();
}

} // namespace korvel
