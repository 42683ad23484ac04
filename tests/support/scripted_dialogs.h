// A dialog service for screen tests: file names and printer choices from a script.
#pragma once

#include "base/runtime_error.h"
#include "screens/shell/dialogs.h"

#include <QPrinter>
#include <QString>

#include <deque>

namespace korvel::testing {

class ScriptedDialogs : public DialogService {
  public:
    ScriptedDialogs() { Set_Dialog_Service(this); }
    ~ScriptedDialogs() override { Set_Dialog_Service(nullptr); }

    // Next file dialog returns this path; an empty path means Cancel.
    void Answer_File(const QString& path) { files_.push_back(path); }
    // Next printer dialog prints to this PDF file; an empty path means Cancel.
    void Answer_Printer_Pdf(const QString& pdfPath) { printers_.push_back(pdfPath); }

    QString Open_File_Name(const QString& title, const QString& filter,
                           const QString& folder) override {
        lastTitle = title;
        lastFilter = filter;
        lastFolder = folder;
        ++fileDialogs;
        return Next_File();
    }
    QString Save_File_Name(const QString& title, const QString& filter, const QString& folder,
                           const QString& suggestedName) override {
        lastSuggestedName = suggestedName;
        return Open_File_Name(title, filter, folder);
    }
    void Choose_Printer(QPrinter& printer) override {
        ++printerDialogs;
        const QString pdf = printers_.empty() ? QString() : printers_.front();
        if (!printers_.empty()) printers_.pop_front();
        if (pdf.isEmpty()) throw RuntimeError(Err::Cancel);
        if (pdf == System_Printer) return; // the printer as the print system gives it
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    }

    // Answer_Printer_Pdf(System_Printer) chooses the system's default printer, not a file.
    static inline const QString System_Printer = QStringLiteral("<system printer>");

    int fileDialogs = 0;
    int printerDialogs = 0;
    QString lastTitle, lastFilter, lastFolder, lastSuggestedName;

  private:
    QString Next_File() {
        const QString path = files_.empty() ? QString() : files_.front();
        if (!files_.empty()) files_.pop_front();
        if (path.isEmpty()) throw RuntimeError(Err::Cancel);
        return path;
    }
    std::deque<QString> files_;
    std::deque<QString> printers_;
};

} // namespace korvel::testing
