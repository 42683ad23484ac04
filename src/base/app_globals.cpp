#include "base/app_globals.h"

namespace korvel {

QString Program_Name;
QString Version;
QString Release_Date;
QString Revision;
QString Title_Caption;
QString App_Path;
QString File_Path;
QString User_Name;
QString Checkfile_Name;
bool First_Activate = true;
bool Full_Screen = false;
bool Is_Admin = false;
QString Project_ID;

void Set_Identity() {
    Program_Name = QStringLiteral("KORVEL");
    Version = QStringLiteral("9.0");
    Release_Date = QStringLiteral("11/30/08");
    Revision = QStringLiteral("2.2");
    First_Activate = true;
}

QString Build_Title_Caption() {
    return Program_Name + QStringLiteral("   Release ") + Version + QStringLiteral("   Rev ") +
           Revision + QStringLiteral("   ") + Release_Date + QString(20, QLatin1Char(' '));
}

} // namespace korvel
