// The dialogs seam: file and printer dialogs go through one service, so the program
// shows real dialogs and tests answer them from a script. Cancel raises error 32755.
#pragma once

#include <QString>

class QPrinter;

namespace korvel {

class DialogService {
  public:
    virtual ~DialogService() = default;
    // The chosen file's full path; throws RuntimeError(Err::Cancel) when cancelled.
    virtual QString Open_File_Name(const QString& title, const QString& filter,
                                   const QString& folder) = 0;
    virtual QString Save_File_Name(const QString& title, const QString& filter,
                                   const QString& folder, const QString& suggestedName) = 0;
    // Lets the user choose and set up the printer; throws RuntimeError(Err::Cancel) when
    // cancelled.
    virtual void Choose_Printer(QPrinter& printer) = 0;
};

// nullptr restores the Qt dialogs.
void Set_Dialog_Service(DialogService* service);
DialogService& Dialogs();

// The real dialogs.
class QtDialogService : public DialogService {
  public:
    QString Open_File_Name(const QString& title, const QString& filter,
                           const QString& folder) override;
    QString Save_File_Name(const QString& title, const QString& filter, const QString& folder,
                           const QString& suggestedName) override;
    void Choose_Printer(QPrinter& printer) override;
};

} // namespace korvel
