#include "screens/printing/print_worked.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "model/mod_matrix.h"
#include "model/worked_solution.h"
#include "reports/worked_pages.h"
#include "reports/worked_text.h"
#include "screens/printing/printer_checks.h"
#include "session/show_results.h"

#include <QPainter>
#include <QPrinter>

#include <optional>

namespace korvel {

namespace {

struct WorkedPrintout {
    QString text;
    std::optional<LinePicture> picture;
};

WorkedPrintout Model_Printout() {
    const WorkedSolution worked = Work_Model(PivotRule::FirstNonZero);
    WorkedPrintout printout;
    printout.text = File_Name + QStringLiteral(": the worked solution of ") +
                    QString::number(Num_Equations) + QStringLiteral(" equations\n\n") +
                    Worked_Solution_Text(worked, Var_Name) + QLatin1Char('\n') +
                    Determinant_And_Inverse_Text(worked, Var_Name);
    if (Num_Equations == 2)
        printout.picture = Picture_Of_Two(A_Matrix, C_Vector, worked.kind, Var_Name);
    return printout;
}

} // namespace

void Print_Worked_To_Printer(QPrinter& printer) {
    With_Handler(QStringLiteral("Print_Worked_Solution"), [&] {
        Check_Printer_Ready(printer);
        const HourglassGuard busy;
        const WorkedPrintout printout = Model_Printout();
        QPainter painter;
        if (!painter.begin(&printer)) throw RuntimeError(Err::DeviceUnavailable);
        Draw_Worked_Pages(painter, printer, printout.text,
                          printout.picture ? &*printout.picture : nullptr);
        if (!painter.end()) throw RuntimeError(Err::DeviceIoError);
        Check_Printed(printer);
    });
}

void Print_Worked_To_Pdf(const QString& path) {
    const HourglassGuard busy;
    const WorkedPrintout printout = Model_Printout();
    Show_Save_Result(
        Write_Worked_Pdf(path, printout.text, printout.picture ? &*printout.picture : nullptr),
        path);
}

} // namespace korvel
