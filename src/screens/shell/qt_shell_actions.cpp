#include "screens/shell/qt_shell_actions.h"

#include "screens/home/frm_homescreen.h"
#include "screens/shell/window_placement.h"

#include <QApplication>

namespace korvel {

void QtShellActions::Show_Home_Screen() {
    Home_Screen()->Show_Modeless();
}

void QtShellActions::Centre_And_Show_Home_Screen() {
    Show_Home_Screen_Centred();
}

void QtShellActions::Set_Hourglass() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtShellActions::Reset_Pointer() {
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace korvel
