// The About screen: the program's name, purpose, version, authors and licence. Shown modally; a
// click anywhere on it closes it.
#pragma once

#include "screens/shell/form.h"

class QFrame;
class QLabel;

namespace korvel {

class frm_About : public Form {
    Q_OBJECT
  public:
    frm_About();

    QFrame* pnl_Title;
    QLabel* Label1;
    QLabel* lblHeader;
    QLabel* lbl_Version;
    QLabel* lblBy;
    QLabel* lblAuthor;
};

frm_About* About_Screen();

// The credit line under "by": the authors and the program's licence.
QString About_Credit_Text();

// "Release " + Version + " -" + " Rev " + Revision + "   " + Release_Date
QString About_Version_Text();

} // namespace korvel
