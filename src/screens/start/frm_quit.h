// The quit confirmation screen.
#pragma once

#include "screens/shell/form.h"

class QPushButton;
class QGroupBox;

namespace korvel {

class frm_Quit : public Form {
    Q_OBJECT
  public:
    frm_Quit();

    QGroupBox* SSFrame1;
    QPushButton* cmd_NoQuit;
    QPushButton* cmd_YesQuit;

  protected:
    void Form_Activate() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void cmd_NoQuit_Click();
    void cmd_YesQuit_Click();
};

frm_Quit* Quit_Screen();

// Centres the quit confirmation and shows it modally (the title screen's Abort and every
// way of quitting from the home screen).
void Show_Quit_Screen();

} // namespace korvel
