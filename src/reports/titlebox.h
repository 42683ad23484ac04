// The identification block shown in the header of the results screen.
#pragma once

#include <QString>

namespace korvel {

// Project_ID CR " Design No. " Design_No CR LF Model_Date CR " at " Model_Time, then
// CR " File: " File_Name when File_Path is not empty.
QString Titlebox_Text();

} // namespace korvel
