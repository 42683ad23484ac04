// The identification screen: name or project ID, design number and model file name.
#pragma once

#include "screens/shell/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvel {

class frm_User : public Form {
    Q_OBJECT
  public:
    frm_User();

    QLabel *Label1, *Label2, *Label3;
    QLineEdit *txt_UserName, *txt_DesignNo, *txt_Filename;
    QPushButton* cmd_Done;

    void cmd_Done_Click();

  protected:
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void txt_Filename_LostFocus();

    double designPoints_ = 0; // the screen's font size at its design size
};

frm_User* User_Screen();

QString Design_Number_Range_Message();

} // namespace korvel
