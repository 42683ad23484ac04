// The check screen, driven through its real widgets: the exact check of a solved system and
// of a dependent one, the elimination page, copying each page, and opening the screen from
// the home screen's Solution menu.
#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/check/frm_check.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "session/data_uncertainty.h"
#include "support/scripted_messages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

QString Cell(int row, int column) {
    const QTableWidgetItem* item = Check_Screen()->grd_Check->item(row, column);
    return item ? item->text() : QString();
}

void Set_System(const std::vector<std::vector<double>>& a, const std::vector<double>& c) {
    Num_Equations = int16_t(c.size());
    Last_Index = int16_t(c.size() - 1);
    for (size_t i = 0; i < c.size(); ++i) {
        for (size_t j = 0; j < c.size(); ++j)
            A_Matrix[i + 1][j + 1] = a[i][j];
        C_Vector[i + 1] = c[i];
    }
    Load_C_Work(Num_Equations);
}

frm_Check* Shown_Check_Screen() {
    frm_Check* form = Check_Screen();
    form->Fill();
    form->Show_Modeless();
    return form;
}

} // namespace

class CheckScreenTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        Title_Caption = QStringLiteral("KORVEL ");
        Full_Screen = false;
        First_Activate = false;
        QLocale::setDefault(QLocale::c());
        Solved = false; // as at start-up: the entry screen loads over an unsolved model
        Connect_Screens_To_Model();
        Initialize();
    }
    void cleanup() { Unload_All_Forms(); }

    void defaultSystemIsExactlyOneTwoThree() {
        QCOMPARE(Solve_Equations().status, SolveResult::Status::Solved);
        frm_Check* form = Shown_Check_Screen();
        QCOMPARE(form->grd_Check->rowCount(), 3);
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(Cell(r, 0), QStringLiteral("Y %1").arg(r + 1));
            QCOMPARE(Cell(r, 1).toDouble(), X_Vector[r + 1]);
            QCOMPARE(Cell(r, 2), QString::number(r + 1));
            QVERIFY2(Cell(r, 3).toInt() >= 15, qPrintable(Cell(r, 3)));
        }
        QVERIFY(form->lbl_Findings->text().contains(QStringLiteral("Condition number")));
        QVERIFY(form->lbl_Findings->text().contains(QStringLiteral("Largest residual")));
        // The steps page shows SimQ's first pivot and the back substitution.
        const QString steps = form->txt_Steps->toPlainText();
        QVERIFY(steps.contains(QStringLiteral("Column 1: pivot row 3, magnitude 3")));
        QVERIFY(steps.contains(QStringLiteral("Back substitution")));
        QVERIFY(form->windowTitle().endsWith(QStringLiteral("Check Screen")));
    }

    void dependentSystemShowsTheGeneralSolution() {
        ScriptedMessages messages;
        Set_System({{1, 2}, {2, 4}}, {3, 6});
        QCOMPARE(Solve_Equations().status, SolveResult::Status::ZeroPivot);
        frm_Check* form = Shown_Check_Screen();
        QCOMPARE(Cell(0, 1), QStringLiteral("not solved"));
        QCOMPARE(Cell(1, 1), QStringLiteral("not solved"));
        QCOMPARE(Cell(1, 2), QStringLiteral("free"));
        const QString findings = form->lbl_Findings->text();
        QVERIFY2(findings.contains(QStringLiteral("infinitely many solutions")),
                 qPrintable(findings));
        QVERIFY(findings.contains(QStringLiteral("Y 2 can be chosen freely")));
        QVERIFY(findings.contains(QStringLiteral("Y 1 = 3 ") + QChar(0x2212) +
                                  QStringLiteral(" 2") + QChar(0x00B7) + QStringLiteral("Y 2")));
        QVERIFY(form->txt_Steps->toPlainText().contains(
            QStringLiteral("There is a zero value on diagonal in column 2")));

        // A model solved before and changed since is checked as it stands now.
        Initialize();
        QCOMPARE(Solve_Equations().status, SolveResult::Status::Solved);
        Set_System({{1, 2}, {2, 4}}, {3, 7});
        Solved = false;
        form->Fill();
        QVERIFY(form->lbl_Findings->text().contains(
            QStringLiteral("Rank of A: 1; rank of [A | C]: 2.")));
        QCOMPARE(form->grd_Check->rowCount(), 2);
    }

    void copyPutsTheShownPageOnTheClipboard() {
        QCOMPARE(Solve_Equations().status, SolveResult::Status::Solved);
        frm_Check* form = Shown_Check_Screen();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QApplication::clipboard()->clear();
        QTest::mouseClick(form->cmd_Copy, Qt::LeftButton);
        const QString page1 = QApplication::clipboard()->text();
        QVERIFY2(
            page1.contains(QStringLiteral("Unknown\tComputed value\tExact value\tCorrect digits")),
            qPrintable(page1));
        QVERIFY(page1.contains(QStringLiteral("Y 2\t")));
        QVERIFY(page1.contains(form->lbl_Findings->text().section(QLatin1Char('\n'), 0, 0)));

        // Alt+S turns to the steps page; Ctrl+C, even in the text without a selection, copies
        // the whole page.
        QTest::keyClick(form, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(form->tab_Pages->currentIndex(), 1);
        form->txt_Steps->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(form->txt_Steps, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::clipboard()->text(), form->txt_Steps->toPlainText());
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("Back substitution")));

        // With a selection, Ctrl+C copies only what is selected, as in any text.
        QTextCursor cursor = form->txt_Steps->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(8, QTextCursor::KeepAnchor);
        form->txt_Steps->setTextCursor(cursor);
        QTest::keyClick(form->txt_Steps, Qt::Key_C, Qt::ControlModifier);
        QTRY_COMPARE(QApplication::clipboard()->text(), form->txt_Steps->toPlainText().left(8));

        // Alt+E back to the check, Alt+C copies it again; Alt+L closes the screen.
        QTest::keyClick(form, Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(form->tab_Pages->currentIndex(), 0);
        QApplication::clipboard()->clear();
        QTest::keyClick(form, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(QApplication::clipboard()->text(), page1);
        QTest::keyClick(form, Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible());
    }

    void workedPagesAreMadeWhenShownAndFollowThePivotRule() {
        Set_System({{1, 2}, {2, 4}}, {3, 7});
        frm_Check* form = Shown_Check_Screen();
        QVERIFY(form->txt_Worked->toPlainText().isEmpty()); // not made before it is shown
        QVERIFY(form->tab_Pages->isTabVisible(frm_Check::Picture_Page));
        QVERIFY(QTest::qWaitForWindowExposed(form));
        QTest::keyClick(form, Qt::Key_W, Qt::AltModifier);
        QTRY_COMPARE(form->tab_Pages->currentIndex(), int(frm_Check::Worked_Page));
        QVERIFY(form->txt_Worked->toPlainText().contains(QStringLiteral("Row 2 reads 0 = 1.")));
        QVERIFY(form->txt_Inverse->toPlainText().contains(QStringLiteral("no inverse")));

        // Three equations: no picture; the solver's rule exchanges the rows it exchanges.
        Initialize();
        form->Fill();
        QVERIFY(!form->tab_Pages->isTabVisible(frm_Check::Picture_Page));
        QVERIFY(!form->txt_Worked->toPlainText().contains(QStringLiteral("↔")));
        form->cbo_Pivot->setCurrentIndex(1);
        QVERIFY(form->txt_Worked->toPlainText().contains(QStringLiteral("R1 ↔ R3")));
        QApplication::clipboard()->clear();
        form->mnu_CopyLatex->trigger();
        const QString latex = QApplication::clipboard()->text();
        QVERIFY2(latex.contains(QStringLiteral("R_{1} \\leftrightarrow R_{3}")), qPrintable(latex));
        QVERIFY(latex.contains(QStringLiteral("\\det A =")));
    }

    // The tolerances start at 0, bound every unknown when set, and are there again when the
    // screen is made anew; a dependent system has nothing to bound.
    void uncertaintyPageBoundsAndRemembersItsTolerances() {
        QVERIFY(Remember_Uncertainty({0, 0}));
        QCOMPARE(Solve_Equations().status, SolveResult::Status::Solved);
        frm_Check* form = Shown_Check_Screen();
        QCOMPARE(form->txt_Tolerance_A->value(), 0.0);
        form->tab_Pages->setCurrentIndex(frm_Check::Uncertainty_Page);
        form->txt_Tolerance_A->setValue(0.5);
        form->txt_Tolerance_C->setValue(1);
        QVERIFY2(form->lbl_Bounds_Meaning->text().startsWith(QStringLiteral(
                     "Every system whose coefficients are within ±0.5 % and constants within "
                     "±1 % of these values")),
                 qPrintable(form->lbl_Bounds_Meaning->text()));
        QCOMPARE(form->grd_Bounds->rowCount(), 3);
        for (int r = 0; r < 3; ++r) {
            const double low = form->grd_Bounds->item(r, 2)->text().toDouble();
            const double high = form->grd_Bounds->item(r, 3)->text().toDouble();
            QVERIFY(low < r + 1 && r + 1 < high);
            QVERIFY(form->grd_Bounds->item(r, 5)->text().startsWith(QStringLiteral("Equation ")));
        }
        QVERIFY(form->Page_Text().contains(QStringLiteral("Unknown\tValue\tLow\tHigh")));
        QCOMPARE(Remembered_Uncertainty().coefficients, 0.5);

        Unload_All_Forms();
        Set_System({{1, 2}, {2, 4}}, {3, 6});
        form = Shown_Check_Screen();
        QCOMPARE(form->txt_Tolerance_C->value(), 1.0);
        QCOMPARE(form->grd_Bounds->rowCount(), 0);
        QVERIFY(form->lbl_Bounds_Meaning->text().contains(QStringLiteral("no unique solution")));
    }

    void solutionMenuOpensTheCheckScreen() {
        frm_HomeScreen* home = Home_Screen();
        home->show();
        home->Activate();
        // The new menu sits right after Examples; the menus around it are where they were.
        const QList<QAction*> menus = home->menu_Bar->actions();
        const qsizetype examples = menus.indexOf(home->mnu_Examp->menuAction());
        QCOMPARE(menus.value(examples + 1), home->mnu_Solution->menuAction());
        QCOMPARE(menus.value(examples + 2), home->mnu_User->menuAction());
        QCOMPARE(home->mnu_Solution->title(), QStringLiteral("&Solution"));

        QCOMPARE(Solve_Equations().status, SolveResult::Status::Solved);
        bool shown = false;
        QTimer::singleShot(0, Check_Screen(), [&shown] {
            QTRY_VERIFY(Check_Screen()->isVisible());
            shown = Check_Screen()->grd_Check->rowCount() == 3 && Cell(0, 2) == QStringLiteral("1");
            QTest::mouseClick(Check_Screen()->cmd_Close, Qt::LeftButton);
        });
        home->mnu_ExactCheck->trigger();
        QVERIFY(shown);
        QVERIFY(!Check_Screen()->isVisible());
    }
};

QTEST_MAIN(CheckScreenTest)
#include "frm_check_test.moc"
