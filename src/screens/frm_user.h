// The identification screen: name or project ID, design number and model file name.
#pragma once

#include "screens/form.h"

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

private:
    void txt_Filename_LostFocus();
};

frm_User* User_Screen();

QString Design_Number_Range_Message();

} // namespace korvel
