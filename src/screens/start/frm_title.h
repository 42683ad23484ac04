// The title screen shown at start-up.
#pragma once

#include "screens/shell/form.h"

class QFrame;
class QLabel;
class QPushButton;

namespace korvel {

class frm_Title : public Form {
    Q_OBJECT
  public:
    frm_Title();

    QFrame* pnl_Title;
    QLabel* Label1;
    QLabel* lblHeader;
    QLabel* lbl_Version;
    QPushButton* cmd_Start;
    QPushButton* cmd_Abort;

  protected:
    void Form_Activate() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void cmd_Start_Click();
    void cmd_Abort_Click();
    void Lay_Out();
};

frm_Title* Title_Screen();

// "Release " + Version + " Rev " + Revision + "   " + Release_Date
QString Version_Text();

} // namespace korvel
