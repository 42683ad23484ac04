// The check screen: how far to trust the solution. Page one compares SimQ's answer with the
// exact solution of the system as typed; page two shows the elimination as SimQ ran it; then
// the worked solution in exact fractions, the determinant and inverse, and for two equations
// the picture of the two lines; last, the bounds on every unknown for data known only to a
// tolerance. Every page can be copied as plain text, the worked solution also as LaTeX or
// Markdown.
#pragma once

#include "model/worked_solution.h"
#include "reports/worked_text.h"
#include "screens/shell/form.h"

#include <optional>

class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace korvel {

class LinePictureView;

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
    QLabel* lbl_Worked_Heading;
    QComboBox* cbo_Pivot;
    QPlainTextEdit* txt_Worked;
    QPlainTextEdit* txt_Inverse;
    LinePictureView* pic_Lines;
    QDoubleSpinBox* txt_Tolerance_A; // percent
    QDoubleSpinBox* txt_Tolerance_C; // percent
    QLabel* lbl_Bounds_Meaning;
    QTableWidget* grd_Bounds;
    QPushButton* cmd_Copy;
    QPushButton* cmd_Copy_As;
    QAction* mnu_CopyLatex;
    QAction* mnu_CopyMarkdown;
    QPushButton* cmd_Close;

    // The pages, in their order.
    enum Page { Exact_Page, Steps_Page, Worked_Page, Inverse_Page, Picture_Page, Uncertainty_Page };

    // The worked solution by the pivot rule chosen on its page, made when first asked for
    // after a Fill (and again when the rule changes).
    const WorkedSolution& Worked();
    // The worked solution with its determinant and inverse, as Copy as LaTeX or Markdown
    // gives it.
    QString Worked_Copy(WorkedFormat format);

  protected:
    void Form_Activate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void cmd_Copy_Click();
    // The pages of the worked solution, beside the first two.
    void Add_Worked_Pages(const QFont& bold);
    void Add_Copy_As(QLayout* buttons);
    // The page of bounds for uncertain data, its tolerances as last set.
    void Add_Uncertainty_Page(const QFont& bold);
    void Fill_Uncertainty();
    void Show_Worked_Page();
    void Worked_Context_Menu(QPlainTextEdit* text, const QPoint& at);

    QString checkText_;
    QString stepsText_;
    QString pictureText_;
    QString uncertaintyText_;
    std::optional<WorkedSolution> worked_;
};

frm_Check* Check_Screen();

// Fills the check screen from the model and shows it modally (it can be opened from the
// entry screen, which is modal itself). Errors are reported as "Show_Check_Screen".
void Show_Check_Screen();

} // namespace korvel
