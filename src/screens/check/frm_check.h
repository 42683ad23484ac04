// The check screen: how far to trust the solution. Page one compares SimQ's answer with the
// exact solution of the system as typed; page two shows the elimination as SimQ ran it.
// Either page can be copied as plain text.
#pragma once

#include "screens/shell/form.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace korvel {

class frm_Check : public Form {
    Q_OBJECT
  public:
    frm_Check();

    // Fills both pages from the model as it stands, with SimQ's answer when it is solved.
    void Fill();
    // The shown page as plain text, as the Copy button puts it on the clipboard.
    QString Page_Text() const;

    QTabWidget* tab_Pages;
    QLabel* lbl_Heading;
    QTableWidget* grd_Check;
    QLabel* lbl_Findings;
    QLabel* lbl_Steps_Heading;
    QPlainTextEdit* txt_Steps;
    QPushButton* cmd_Copy;
    QPushButton* cmd_Close;

  protected:
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cmd_Copy_Click();

    QString checkText_;
    QString stepsText_;
};

frm_Check* Check_Screen();

// Fills the check screen from the model and shows it modally (it can be opened from the
// entry screen, which is modal itself). Errors are reported as "Show_Check_Screen".
void Show_Check_Screen();

} // namespace korvel
