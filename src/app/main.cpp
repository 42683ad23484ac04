// Korvel: solves systems of up to 16 simultaneous linear equations.
#include "app/sub_main.h"
#include "app/system_quit.h"
#include "base/file_names.h"
#include "base/report_error.h"
#include "screens/shell/forms.h"
#include "screens/shell/guarded_application.h"
#include "screens/shell/program_icon.h"
#include "screens/shell/qt_message_service.h"
#include "screens/shell/qt_shell_actions.h"
#include "session/terminate.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    korvel::GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvel"));
    // The installed desktop entry's name, so that docks and task bars match the windows to
    // the launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.korvel.Korvel"));
    korvel::Set_Program_Icon();
    // The home screen never closes by itself: quitting always goes through Terminate.
    QApplication::setQuitOnLastWindowClosed(false);
    korvel::SystemQuitWatcher systemQuit;

    korvel::QtMessageService messages;
    korvel::QtShellActions shellActions;
    korvel::Set_Message_Service(&messages);
    korvel::Set_Shell_Actions(&shellActions);
    // Ending leaves every running event loop, the modal ones included.
    korvel::Set_Program_Ender([] { QCoreApplication::exit(0); });

    // From argv itself, which Qt has left without its own options: a file name that is not
    // UTF-8 keeps its bytes (QApplication::arguments() would turn them into U+FFFD).
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << korvel::Decode_File_Name(QByteArray(argv[i]));
    int status = 0;
    // The last resort: whatever escapes start-up or the event loop is reported, not fatal.
    korvel::With_Handler(QStringLiteral("main"), [&] {
        korvel::Sub_Main(arguments);
        bool anyVisible = false;
        for (QWidget* window : QApplication::topLevelWidgets())
            anyVisible |= window->isVisible();
        if (!korvel::Program_Ending() && anyVisible) status = QApplication::exec();
    });

    korvel::Set_Shell_Actions(nullptr);
    korvel::Set_Message_Service(nullptr);
    korvel::Unload_All_Forms();
    return status;
}
