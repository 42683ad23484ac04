#include "base/report_error.h"
#include "base/shell_actions.h"
#include "model/entry_view.h"
#include "model/mod_matrix.h"

namespace korvel {

void Initialize() {
    const bool completed = With_Handler(QStringLiteral("Initialize"), [] {
        Default_Names();
        Default_Model(); // loads and paints the entry screen
        Solved = false;
        Design_No = 1;
        File_Name = QStringLiteral("Korvel 1");
        Stamp_Model_Now();
        Load_Results_Screen();
    });
    // After a failed start the home screen is brought forward so the user can go on.
    if (!completed && Shell_Actions()) Shell_Actions()->Centre_And_Show_Home_Screen();
}

void Stamp_Model_Now() {
    Model_Date = Current_Model_Date();
    Model_Time = Current_Model_Time();
}

} // namespace korvel
