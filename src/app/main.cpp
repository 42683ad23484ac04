// Korvel: solves systems of up to 16 simultaneous linear equations.
#include "screens/forms.h"
#include "screens/program_icon.h"
#include "screens/qt_message_service.h"
#include "screens/qt_shell_actions.h"
#include "app/sub_main.h"
#include "session/terminate.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    // The installed desktop entry's name, so that docks and task bars match the windows to
    // the launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.korvel.Korvel"));
    korvel::Set_Program_Icon();
    // The home screen never closes by itself: quitting always goes through Terminate.
    QApplication::setQuitOnLastWindowClosed(false);

    korvel::QtMessageService messages;
    korvel::QtShellActions shellActions;
    korvel::Set_Message_Service(&messages);
    korvel::Set_Shell_Actions(&shellActions);

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    korvel::Sub_Main(arguments);

    int status = 0;
    bool anyVisible = false;
    for (QWidget* window : QApplication::topLevelWidgets()) anyVisible |= window->isVisible();
    if (!korvel::Program_Ending() && anyVisible) status = QApplication::exec();

    korvel::Set_Shell_Actions(nullptr);
    korvel::Set_Message_Service(nullptr);
    korvel::Unload_All_Forms();
    return status;
}
