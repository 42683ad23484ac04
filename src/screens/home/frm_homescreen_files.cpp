// The home screen's File commands: New, Open, Save, Save as, Export and the printed report.
#include "screens/home/frm_homescreen.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"
#include "base/shell_actions.h"
#include "files/model_io.h"
#include "model/mod_matrix.h"
#include "reports/export_file.h"
#include "screens/printing/print_report.h"
#include "screens/printing/printer_checks.h"
#include "screens/shell/dialogs.h"
#include "screens/shell/save_dialog.h"
#include "session/file_commands.h"
#include "session/recent_files.h"
#include "session/recovery.h"
#include "session/save_name.h"

#include <QAction>
#include <QPrinter>

namespace korvel {

void frm_HomeScreen::Offer_Save_Before_Reset() {
    if (Data_Saved || !Solved) return;
    const MsgAnswer answer = MsgBox(
        QStringLiteral(
            "The current data has not been saved.  Do you want to save it before resetting?"),
        MsgIcon::None, MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) mnu_Saveas_Click();
}

void frm_HomeScreen::mnu_New_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.New"),
        [this] {
            Offer_Save_Before_Reset();
            const MsgAnswer answer =
                MsgBox(QStringLiteral(
                           "Please confirm your order to reset all variables to initial values"),
                       MsgIcon::None, MsgButtons::OKCancel);
            if (answer != MsgAnswer::OK) return;
            Clear_Model(Num_Equations);
            Solved = false;
            Forget_Recovery_File(); // the work was reset as the user ordered
            Form_Activate();
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::mnu_Open_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.Open"),
        [this] {
            Offer_Save_Before_Reset();
            const QString path = Dialogs().Open_File_Name(
                QStringLiteral("Open a model"),
                QStringLiteral("Korvel for Windows (*.kvl)|*.kvl | All (*.*)|*.*|"),
                Dialog_Folder(File_Path));
            Open_Model_Path(path);
        },
        /*ignoreCancel=*/true);
}

// The file goes to the top of Open Recent at once: the menu is filled when it is about to
// show, which a disabled menu never is.
void frm_HomeScreen::Keep_Recent_File(const QString& path) {
    Remember_Recent_File(path);
    Refresh_Recent_Menu();
}

void frm_HomeScreen::Open_Model_Path(const QString& path) {
    // The set is cleared only once the file's header has been accepted (Readfile):
    // Cancel, a refused file or one that cannot be opened keep the user's work.
    HourglassGuard busy;
    const ReadResult read = Load_Model_File(path);
    // Part of another file now stands in the model: it must not go to File_Path
    // (still the old file) without the user choosing where.
    if (read.status == ReadResult::Status::Error) Data_Saved = false;
    if (read.Complete()) {
        mnu_New->setEnabled(true);
        Keep_Recent_File(path);
        Forget_Recovery_File(); // the model is the file's now
    }
}

bool frm_HomeScreen::mnu_Save_Click() {
    if (!Data_Saved) return mnu_Saveas_Click();
    bool saved = false;
    With_Handler(QStringLiteral("frm_Homescreen.Save"), [&] {
        HourglassGuard busy;
        saved = Save_Model_File(File_Path);
        if (!saved) return;
        Keep_Recent_File(File_Path);
        Forget_Recovery_File();
    });
    return saved;
}

bool frm_HomeScreen::mnu_Saveas_Click() {
    bool saved = false;
    With_Handler(
        QStringLiteral("frm_Homescreen.SaveAs"),
        [&] {
            const QString path =
                Ask_Save_Path(QStringLiteral("Save the Model"), QStringLiteral("kvl"));
            HourglassGuard busy;
            saved = Save_Model_File(path);
            // Only a complete file counts as saved, and only then is it the model's file.
            if (!saved) return;
            File_Path = path;
            Data_Saved = true;
            File_Name = StripFilename(File_Path);
            Keep_Recent_File(File_Path);
            Forget_Recovery_File();
        },
        /*ignoreCancel=*/true);
    return saved;
}

void frm_HomeScreen::mnu_Export_Click() {
    With_Handler(
        QStringLiteral("frm_Homescreen.Export"),
        [] {
            if (!Solved) {
                MsgBox(Blank_Model_Message(), MsgIcon::None, MsgButtons::OK);
                return;
            }
            const QString path =
                Ask_Save_Path(QStringLiteral("Export Data to a Text File"), QStringLiteral("txt"));
            // The export keeps its own path: File_Path stays the model file's, for Save.
            HourglassGuard busy;
            Export_To_File(path);
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::Printer_Command(const QString& label) {
    With_Handler(
        label,
        [this] {
            QPrinter printer(QPrinter::HighResolution);
            Dialogs().Choose_Printer(printer);
            if (No_Printer_Installed(printer)) {
                Offer_Pdf_Instead(QStringLiteral("report"), &frm_HomeScreen::mnu_PdfFile_Click);
                return;
            }
            Print_to_Printer(printer);
        },
        /*ignoreCancel=*/true);
}

} // namespace korvel
