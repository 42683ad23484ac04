#include "screens/printing/print_form.h"

#include "base/report_error.h"
#include "screens/printing/printer_checks.h"
#include "screens/shell/dialogs.h"
#include "session/confirm_direct_print.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

namespace korvel {

void Print_Form_Image(QWidget* form, QPrinter& printer) {
    Check_Printer_Ready(printer);
    const QPixmap image = form->grab();
    QPainter painter;
    if (!painter.begin(&printer)) throw RuntimeError(Err::DeviceUnavailable);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(0, 0), size), image);
    if (!painter.end()) throw RuntimeError(Err::DeviceIoError);
    Check_Printed(printer);
}

void Print_Form_Command(QWidget* form, const QString& label) {
    With_Handler(
        label,
        [&] {
            if (!Confirm_Direct_Print()) return;
            QPrinter printer(QPrinter::HighResolution);
            Dialogs().Choose_Printer(printer);
            Print_Form_Image(form, printer);
        },
        /*ignoreCancel=*/true);
}

} // namespace korvel
