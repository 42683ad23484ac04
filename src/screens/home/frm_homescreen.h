// The home screen: the menu bar and the four command buttons from which everything is
// reached. Loaded at start-up and kept for the whole run.
#pragma once

#include "screens/shell/form.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;

namespace korvel {

class frm_HomeScreen : public Form {
    Q_OBJECT
  public:
    frm_HomeScreen();

    QMenuBar* menu_Bar;
    QMenu *mnu_File, *mnu_P, *mnu_Examp, *mnu_User, *mnu_Screen, *mnu_Help, *mnu_Version;
    QMenu* mnu_Recent; // File > Open Recent, items mnu_Recent[0]..[7]
    QAction *mnu_New, *mnu_Open, *mnu_Sep1, *mnu_Save, *mnu_Saveas, *mnu_Sep2, *mnu_toScreen,
        *mnu_Printer, *mnu_Sep3, *mnu_Export, *mnu_sep4, *mnu_Quit;
    QAction* mnu_Import = nullptr;
    QAction *mnu_Preview, *mnu_PdfFile, *mnu_WorkedPrint; // File > Print
    QAction *mnu_test, *mnu_ex11_02, *mnu_ex11_03;
    QMenu* mnu_Solution;
    QAction* mnu_ExactCheck;
    QAction *mnu_UserName, *mnu_FilePath, *mnu_AppPath, *mnu_ChangeUser;
    QAction *mnu_Standardsize, *mnu_Fullscreen;
    QAction *mnu_GeneralHelp, *mnu_FileGeneral, *mnu_CopyHelp;
    QAction *mnu_About, *mnu_Disclaimer;
    QPushButton *cmd_Input, *cmd_Print, *cmd_Printer, *cmd_Quit;

    void cmd_Input_Click();
    void cmd_Print_Click();
    void cmd_Quit_Click();
    void mnu_New_Click();
    void mnu_Open_Click();
    void mnu_Import_Click();
    // Reads a system text file (CSV, TSV, blank-separated) into the model and opens the
    // entry screen; a refused file is reported and changes nothing. The caller asks the
    // unsaved-data question first (Offer_Save_Before_Reset), as Import... does.
    void Import_System_Path(const QString& path);
    bool mnu_Save_Click();
    bool mnu_Saveas_Click();
    void mnu_Export_Click();
    void Printer_Command(const QString& label);

    // Reads the model file as Open does once its dialog has answered.
    void Open_Model_Path(const QString& path);
    // File > Open Recent: a file that is gone is taken off the list with a message; any
    // other opens as Open does, after the unsaved-data question.
    void Open_Recent_File(const QString& path);
    void Refresh_Recent_Menu();
    void Keep_Recent_File(const QString& path); // remembered and listed at once
    // A file dropped on the home or entry screen: a model file opens as Open does, after
    // the unsaved-data question.
    void Open_Dropped_File(const QString& path);

    // Print to Screen: the entry screen turns it off when a change clears the solved system.
    void Enable_Print_To_Screen(bool on);

    // File > Print > Preview...: the printed report in the print preview.
    void mnu_Preview_Click();
    // File > Print > to PDF file...: the printed report written to a PDF file.
    void mnu_PdfFile_Click();
    // File > Print > Worked solution...: the worked solution on the chosen printer, or in a
    // PDF file when no printer is installed.
    void mnu_WorkedPrint_Click();

  protected:
    void Form_Activate() override;
    bool Form_Query_Unload() override;

  private:
    void Build_Menus();
    void Set_Shortcuts();
    // No printer installed: says so, and offers to write what ("report") to a PDF file
    // instead, through write_pdf.
    void Offer_Pdf_Instead(const QString& what, void (frm_HomeScreen::*write_pdf)());
    void Worked_Pdf_Click();
    void Build_Buttons(QWidget* content);
    void Connect_Commands();
    void Follow_Solved();
    void Load_Example_And_Enter(void (*loader)());
    // Asks whether to save a solved model that was never saved, before it is reset.
    void Offer_Save_Before_Reset();
};

frm_HomeScreen* Home_Screen();

// Centres the home screen and shows it (after the disclaimer, the identification screen,
// or a failed start).
void Show_Home_Screen_Centred();

} // namespace korvel
