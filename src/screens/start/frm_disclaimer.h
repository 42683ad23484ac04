// The disclaimer screen: warranty disclaimer, notice and support texts. Shown at start-up
// between the title screen and the home screen, and later from the About menu.
#pragma once

#include "screens/shell/form.h"

#include <array>
#include <utility>
#include <vector>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace korvel {

class frm_Disclaimer : public Form {
    Q_OBJECT
  public:
    frm_Disclaimer();

    QPushButton* cmd_Done;
    QFrame* SSPanel1;
    QGroupBox* SSFrame3; // "Disclaimer"
    QLabel* lbl_Disclaimer;
    QGroupBox* SSFrame2; // "Support"
    QLabel* lbl_Support;
    QGroupBox* SSFrame4;
    QLabel* lbl_Notice;
    std::array<QLabel*, 2> Label1; // [0] contact line, [1] what the program does

    // "&Next >", or a click anywhere on the screen.
    void cmd_Done_Click();

  protected:
    void Form_Activate() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Lay_Out();

    // Each control's font size at the design size, for a screen shrunk to a small display.
    std::vector<std::pair<QWidget*, qreal>> designPointSizes_;
};

frm_Disclaimer* Disclaimer_Screen();

} // namespace korvel
