// The results screen: the solution as a two-column table (name, value) under the
// identification block of the design. Multiprint fills it and shows it, modeless.
#pragma once

#include "screens/shell/form.h"

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace korvel {

class WrappingLabel;

class frm_PrintData : public Form {
    Q_OBJECT
  public:
    frm_PrintData();

    QTableWidget* grd_Data() const { return grd_Data_; }
    // The identification block as tall as its text needs, never less than its layout
    // height nor past the bottom of the screen.
    void Fit_Header();

  protected:
    void Form_Activate() override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void cmd_Copy_Click();
    void cmd_PrintForm_Click();
    void cmd_Done_Click();

    WrappingLabel* lbl_Header_;
    int headerHeight_ = 0;
    QFrame* SSPanel3_;
    QLabel* lbl_Header2_;
    QTableWidget* grd_Data_;
    QPushButton* cmd_Copy_;
    QPushButton* cmd_PrintForm_;
    QPushButton* cmd_Done_;
};

// The results screen, loaded (hidden) on first use.
frm_PrintData* PrintData_Screen();

// Fills the results table from the model (names and values rounded to 4 decimals) and
// shows the screen. Errors are reported as "Multiprint"; what was written stays.
void Multiprint();

// Writes empty text into rows 0 .. rows - 1 and columns 0 .. cols - 1 of the results
// table. Errors (a cell outside the table) are reported as "Clear_Grid".
void Clear_Grid(double rows, double cols);

// Sets the caption of form's child "lbl_Header" to the identification block, one line
// per CR or CR LF. Errors are reported as "Titlebox" and leave the caption unchanged.
void Titlebox(QWidget* form);

} // namespace korvel
