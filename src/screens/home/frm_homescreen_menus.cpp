// The home screen's menu bar: every menu, item, separator and mnemonic.
#include "screens/home/frm_homescreen.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace korvel {

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

QMenu* Menu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

} // namespace

void frm_HomeScreen::Build_Menus() {
    mnu_File = Menu(menu_Bar, "mnu_File", QStringLiteral("&File"));
    mnu_New = Item(mnu_File, "mnu_New", QStringLiteral("&New"));
    mnu_Open = Item(mnu_File, "mnu_Open", QStringLiteral("&Open"));
    mnu_Recent = mnu_File->addMenu(QStringLiteral("Open &Recent"));
    mnu_Recent->setObjectName(QStringLiteral("mnu_Recent"));
    mnu_Recent->menuAction()->setObjectName(QStringLiteral("mnu_Recent"));
    mnu_Import = Item(mnu_File, "mnu_Import", QStringLiteral("&Import..."));
    mnu_Sep1 = Separator(mnu_File, "mnu_Sep1");
    mnu_Save = Item(mnu_File, "mnu_Save", QStringLiteral("&Save"));
    mnu_Saveas = Item(mnu_File, "mnu_Saveas", QStringLiteral("Save &as"));
    mnu_Sep2 = Separator(mnu_File, "mnu_Sep2");
    mnu_P = mnu_File->addMenu(QStringLiteral("&Print"));
    mnu_P->setObjectName(QStringLiteral("mnu_P"));
    mnu_P->menuAction()->setObjectName(QStringLiteral("mnu_P"));
    mnu_toScreen = Item(mnu_P, "mnu_toScreen", QStringLiteral("to &Screen"));
    mnu_Printer = Item(mnu_P, "mnu_Printer", QStringLiteral("to Prin&ter"));
    mnu_Preview = Item(mnu_P, "mnu_Preview", QStringLiteral("Pre&view..."));
    mnu_PdfFile = Item(mnu_P, "mnu_PdfFile", QStringLiteral("to P&DF file..."));
    mnu_P->addSeparator();
    mnu_WorkedPrint = Item(mnu_P, "mnu_WorkedPrint", QStringLiteral("&Worked solution..."));
    mnu_Sep3 = Separator(mnu_File, "mnu_Sep3");
    mnu_Export = Item(mnu_File, "mnu_Export", QStringLiteral("&Export"));
    mnu_sep4 = Separator(mnu_File, "mnu_sep4");
    mnu_Quit = Item(mnu_File, "mnu_Quit", QStringLiteral("&Quit"));

    mnu_Examp = Menu(menu_Bar, "mnu_Examp", QStringLiteral("&Examples"));
    mnu_test = Item(mnu_Examp, "mnu_test", QStringLiteral("&Test Matrix"));
    mnu_ex11_02 = Item(mnu_Examp, "mnu_ex11_02", QStringLiteral("Example 11-2"));
    mnu_ex11_03 = Item(mnu_Examp, "mnu_ex11_03", QStringLiteral("Example 11-3"));

    mnu_Solution = Menu(menu_Bar, "mnu_Solution", QStringLiteral("&Solution"));
    mnu_ExactCheck = Item(mnu_Solution, "mnu_ExactCheck", QStringLiteral("&Exact Check..."));

    mnu_User = Menu(menu_Bar, "mnu_User", QStringLiteral("&User"));
    mnu_UserName = Item(mnu_User, "mnu_UserName", QStringLiteral("User Name"));
    mnu_FilePath = Item(mnu_User, "mnu_FilePath", QStringLiteral("File Path"));
    mnu_AppPath = Item(mnu_User, "mnu_AppPath", QStringLiteral("Application Path"));
    mnu_ChangeUser = Item(mnu_User, "mnu_ChangeUser", QStringLiteral("Change Project/File Name"));

    mnu_Screen = Menu(menu_Bar, "mnu_Screen", QStringLiteral("Screen Size"));
    mnu_Standardsize = Item(mnu_Screen, "mnu_Standardsize", QStringLiteral("Standard"));
    mnu_Fullscreen = Item(mnu_Screen, "mnu_Fullscreen", QStringLiteral("Maximize"));

    mnu_Help = Menu(menu_Bar, "mnu_Help", QStringLiteral("Help"));
    mnu_GeneralHelp = Item(mnu_Help, "mnu_GeneralHelp", QStringLiteral("General"));
    mnu_GeneralHelp->setShortcut(QKeySequence::HelpContents); // F1, as in every program
    mnu_FileGeneral = Item(mnu_Help, "mnu_FileGeneral", QStringLiteral("File Menu"));
    mnu_CopyHelp = Item(mnu_Help, "mnu_CopyHelp", QStringLiteral("Copying to Clipboard"));

    mnu_Version = Menu(menu_Bar, "mnu_Version", QStringLiteral("About"));
    mnu_About = Item(mnu_Version, "mnu_About", QStringLiteral("&About Korvel"));
    mnu_Disclaimer = Item(mnu_Version, "mnu_Disclaimer", QStringLiteral("&Disclaimer"));
    Set_Shortcuts();
}

// The keys every desktop program has, shown beside the items.
void frm_HomeScreen::Set_Shortcuts() {
    mnu_Open->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_O));
    mnu_Save->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_S));
    mnu_Saveas->setShortcut(QKeySequence(Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_S));
    mnu_Printer->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_P));
    mnu_Quit->setShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_Q));
}

} // namespace korvel
