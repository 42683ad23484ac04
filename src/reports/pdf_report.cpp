#include "reports/pdf_report.h"

#include "base/file_errors.h"
#include "base/file_names.h"
#include "base/report_error.h"
#include "base/save_file.h"
#include "reports/printer_report.h"

#include <QDateTime>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace korvel {

WriteResult Write_Pdf_Report(const QString& path) {
    return Write_Pdf_Document(path, QStringLiteral("Korvel report"),
                              QStringLiteral("Print_to_Printer"),
                              [](QPainter& painter, QPdfWriter&) {
                                  painter.setFont(Report_Font());
                                  Draw_Printer_Report(painter, 1, QDateTime::currentDateTime());
                              });
}

WriteResult Write_Pdf_Document(const QString& path, const QString& title, const QString& label,
                               const std::function<void(QPainter&, QPdfWriter&)>& draw) {
    try {
        QSaveFile file(path);
        Open_For_Saving(file);
        {
            QPdfWriter pdf(&file);
            pdf.setTitle(title);
            QPainter painter;
            if (!painter.begin(&pdf))
                throw RuntimeError(Err::PathFileAccessError,
                                   Error_Description(Err::PathFileAccessError) +
                                       QStringLiteral(": cannot start the PDF document: ") +
                                       Readable_File_Name(path));
            draw(painter, pdf);
            // The document is written out to the file when the painter ends; a full disk
            // shows as the save file's own write error.
            if (!painter.end()) {
                if (file.error() != QFileDevice::NoError) throw Write_Error(file);
                throw RuntimeError(Err::DeviceIoError,
                                   Error_Description(Err::DeviceIoError) +
                                       QStringLiteral(": cannot finish the PDF document: ") +
                                       Readable_File_Name(path));
            }
        }
        Commit_Save(file);
        return WriteResult::Done();
    } catch (...) {
        return WriteResult::Failed(Current_Error(std::current_exception()), label);
    }
}

} // namespace korvel
