// The equation entry screen, driven through its real widgets.
#include "base/shell_actions.h"
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/check/frm_check.h"
#include "screens/entry/answer_status_label.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "screens/shell/twips.h"
#include "session/data_uncertainty.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace korvel;
using korvel::testing::ScriptedDialogs;
using korvel::testing::ScriptedMessages;

namespace {
const QColor Grey(0x808080), Red(0xFF0000);
QColor Colour(const MatrixBox* box) {
    return box->Text_Colour();
}

class CountingShell : public ShellActions {
  public:
    void Show_Home_Screen() override {}
    void Centre_And_Show_Home_Screen() override {}
    void Set_Hourglass() override { ++hourglass; }
    void Reset_Pointer() override { ++resets; }
    int hourglass = 0, resets = 0;
};
} // namespace

class MatrixScreenTest : public QObject {
    Q_OBJECT

    frm_Matrix* form = nullptr;
    std::unique_ptr<QWidget> home; // stands in for the home screen
    std::unique_ptr<ScriptedMessages> messages;

    MatrixBox* Grid(int r, int c) const { return form->txt_row1[16 * r + c]; }
    MatrixBox* Box(const QString& name) const { return form->findChild<MatrixBox*>(name); }

    // Gives the box the focus, selects its text and types (or pastes) over it.
    static void Type(QLineEdit* box, const QString& text, bool paste = false) {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        if (paste)
            box->insert(text);
        else if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
    }
    void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Types each row's coefficients and constant, separated by blanks, and solves.
    void Type_System(const QStringList& rows) {
        for (int r = 0; r < rows.size(); ++r) {
            const QStringList cells = rows[r].split(u' ');
            for (int c = 0; c <= rows.size(); ++c)
                Type(c < rows.size() ? Grid(r, c) : form->txt_C[r], cells[c]);
        }
        Click(form->cmd_Solve);
    }

    // As in the program: another window is active, then the screen is shown and activated.
    void Enter_Screen() {
        home->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(home.get()));
        form->show();
        form->Activate();
        QVERIFY(QTest::qWaitForWindowActive(form));
    }

    // n when exactly the n × n block and rows 0..n-1 of the columns show, else -1.
    int Visible_Block() const {
        int n = 0;
        while (n < 16 && form->txt_C[n]->isVisible())
            ++n;
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 16; ++c)
                if (Grid(r, c)->isVisible() != (r < n && c < n)) return -1;
            if (form->txt_Var[r]->isVisible() != (r < n) ||
                form->lbl_Var2[r]->isVisible() != (r < n))
                return -1;
        }
        return n;
    }

    // Solve, Show Matrix, Next > as "1" enabled / "0" disabled.
    QString Buttons() const {
        QString s;
        for (const QPushButton* b : {form->cmd_Solve, form->cmd_Show, form->cmd_Done})
            s += b->isEnabled() ? u'1' : u'0';
        return s;
    }

  private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        Connect_Screens_To_Model();
        home = std::make_unique<QWidget>();
        home->show();
    }
    void cleanupTestCase() { home.reset(); }

    void init() {
        Solved = false; // the load sequence runs with Solved false, as at start-up
        messages = std::make_unique<ScriptedMessages>();
        Initialize();
        form = Matrix_Screen();
        Enter_Screen();
    }
    void cleanup() {
        Unload_All_Forms();
        messages.reset();
        QLocale::setDefault(QLocale::c());
    }

    void controlsHaveTheirNamesAndReadableCaptions() {
        const std::pair<const char*, const char*> captions[] = {
            {"cmd_Solve", "&Solve"},    {"cmd_Show", "S&how Matrix"},
            {"cmd_Copy", "C&opy"},      {"cmd_Print", "&Print Form"},
            {"cmd_Zero_A", "Zero  &A"}, {"cmd_Reset_Vars", "Reset &B"},
            {"cmd_Zero_C", "Zero  &C"}, {"cmd_Cancel", "&< Back"},
            {"cmd_Done", "&Next >"}};
        for (const auto& [name, caption] : captions) {
            auto* button = form->findChild<QPushButton*>(QLatin1String(name));
            QVERIFY2(button && button->text() == QLatin1String(caption), name);
            QStyleOptionButton option;
            option.initFrom(button);
            const int room = button->style()
                                 ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                                 .width();
            const QString shown = button->text().remove(u'&');
            QVERIFY2(button->fontMetrics().horizontalAdvance(shown) <= room, name);
            QCOMPARE(button->accessibleName(), shown.simplified());
        }
        for (const auto& [name, text] : {std::pair{"Label3", "No. of Equations"},
                                         std::pair{"Label1", "x"}, std::pair{"Label2", "="}}) {
            auto* label = form->findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(label && label->text() == QLatin1String(text), name);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        for (const auto& [name, title] :
             {std::pair{"SSFrame2", "A-matrix"}, std::pair{"SSFrame3", "B"},
              std::pair{"SSFrame1", "C-vect"}})
            QCOMPARE(form->findChild<QGroupBox*>(QLatin1String(name))->title(),
                     QLatin1String(title));
        for (const char* name : {"txt_equations", "txt_row1[255]", "txt_C[15]", "txt_Var[15]"}) {
            MatrixBox* box = Box(QLatin1String(name));
            QVERIFY2(box && box->height() == Twips_To_Pixels(315, box), name);
            QVERIFY2(box->fontMetrics().height() + 4 <= box->height(), name);
        }
        QVERIFY(form->findChild<QLabel*>("lbl_Var2[15]"));
        QCOMPARE(form->size(), QSize(Twips_To_Pixels(11850, form), Twips_To_Pixels(8950, form)));
    }

    void boxesLineUpWithHeadingsNamesAndConstants() {
        auto at = [this](QWidget* w) { return w->mapTo(form, QPoint(w->width() / 2, 0)); };
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(at(form->txt_Var[r]).y(), at(Grid(r, 0)).y());
            QCOMPARE(at(form->txt_C[r]).y(), at(Grid(r, 2)).y());
            QCOMPARE(at(Grid(r, 0)).y() - at(Grid(0, 0)).y(), r * Twips_To_Pixels(360, form));
            QVERIFY(qAbs(at(form->lbl_Var2[r]).x() - at(Grid(0, r)).x()) <= 1);
            QVERIFY(at(form->lbl_Var2[r]).y() + form->lbl_Var2[r]->height() <= at(Grid(0, r)).y());
        }
    }

    void enteringShowsTheModelInTheDataView() {
        QCOMPARE(form->txt_equations->text(), QStringLiteral(" 3"));
        QCOMPARE(QApplication::focusWidget(), form->txt_equations);
        QCOMPARE(Visible_Block(), 3);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QCOMPARE(Colour(Grid(0, 0)), Red);
        QCOMPARE(Grid(1, 2)->text(), QStringLiteral(" 1"));
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral(" 6"));
        QCOMPARE(form->lbl_Var2[2]->text(), QStringLiteral("Y 3"));
        QCOMPARE(Buttons(), QStringLiteral("100"));
        QVERIFY(form->cmd_Print->isEnabled() && form->cmd_Copy->isEnabled());
        // A coefficient that rounds to zero paints grey; a long one shows its start.
        A_Matrix[2][3] = 0.0004;
        A_Matrix[1][1] = -1.23456789012345e20;
        form->hide();
        Enter_Screen();
        QCOMPARE(Colour(Grid(1, 2)), Grey);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-1.23456789012345E+20"));
        QCOMPARE(Grid(0, 0)->cursorPosition(), 0);
    }

    void countBoxSetsTheNumberOfEquations_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("paste");    // else typed key by key
        QTest::addColumn<QString>("leave"); // then the box is left by Enter or Tab
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("n");
        QTest::newRow("below 2") << "1" << false << "enter"
                                 << "2" << 2;
        QTest::newRow("above 16") << "40" << false << "tab"
                                  << "16" << 16;
        QTest::newRow("half to even up") << "7.5" << false << "enter"
                                         << "7.5" << 8;
        QTest::newRow("half to even down") << "2.5" << false << "tab"
                                           << "2.5" << 2;
        QTest::newRow("cleared") << "" << false << "enter"
                                 << "2" << 2;
        QTest::newRow("letters") << "abc" << true << "tab"
                                 << "2" << 2;
        QTest::newRow("blanks and trailing text") << " 1 2 eq" << true << "enter"
                                                  << " 1 2 eq" << 12;
        // A first digit below 2 is not clamped while the count is being typed.
        QTest::newRow("ten") << "10" << false << "enter"
                             << "10" << 10;
        QTest::newRow("twelve") << "12" << false << "tab"
                                << "12" << 12;
        QTest::newRow("fifteen") << "15" << false << "enter"
                                 << "15" << 15;
    }
    void countBoxSetsTheNumberOfEquations() {
        QFETCH(QString, text);
        QFETCH(bool, paste);
        QFETCH(QString, leave);
        QFETCH(QString, shown);
        QFETCH(int, n);
        CountingShell shell;
        ShellActions* previous = Shell_Actions();
        Set_Shell_Actions(&shell);
        const auto restore = qScopeGuard([previous] { Set_Shell_Actions(previous); });
        Type(form->txt_equations, text, paste);
        QCOMPARE(form->txt_equations->text(), text); // as typed until the box is left
        QTest::keyClick(form->txt_equations, leave == "enter" ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(form->txt_equations->text(), shown);
        QCOMPARE(Num_Equations, n);
        QCOMPARE(Last_Index, n - 1);
        QCOMPARE(Visible_Block(), n);
        QVERIFY(shell.hourglass > 0 && shell.resets >= shell.hourglass);
    }

    void loweringThenRaisingTheCountBringsValuesBack() {
        Type(form->txt_equations, QStringLiteral("5"));
        Type(Grid(4, 4), QStringLiteral("7"));
        Type(form->txt_C[4], QStringLiteral("9"));
        Type(form->txt_equations, QStringLiteral("3"));
        QCOMPARE(Visible_Block(), 3);
        Type(form->txt_equations, QStringLiteral("5"));
        QCOMPARE(Visible_Block(), 5);
        QCOMPARE(Grid(4, 4)->text(), QStringLiteral("7"));
        QCOMPARE(form->txt_C[4]->text(), QStringLiteral("9"));
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
    }

    void solvingShowsTheIdentityAndTheSolution_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("solution");
        QTest::newRow("C") << "C" << QStringList{"1.000", "2.000", "3.000"};
        QTest::newRow("comma decimals") << "de_DE" << QStringList{"1,000", "2,000", "3,000"};
    }
    void solvingShowsTheIdentityAndTheSolution() {
        QFETCH(QString, locale);
        QFETCH(QStringList, solution);
        QLocale::setDefault(QLocale(locale));
        Click(form->cmd_Solve);
        QVERIFY(Solved);
        QCOMPARE(Buttons(), QStringLiteral("011"));
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(form->txt_C[r]->text(), solution[r]);
            for (int c = 0; c < 3; ++c) {
                QCOMPARE(Grid(r, c)->text(), QString::number(r == c ? 1 : 0));
                QCOMPARE(Colour(Grid(r, c)), r == c ? Red : Grey);
            }
        }
        QVERIFY(messages->shown.empty());
        if (const QByteArray shot = qgetenv("KORVEL_SHOT"); !shot.isEmpty() && locale == "C")
            QVERIFY(form->grab().save(QString::fromLocal8Bit(shot)));

        Click(form->cmd_Show);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QCOMPARE(form->txt_C[0]->text(), QStringLiteral("-1"));
        QCOMPARE(Buttons(), QStringLiteral("101"));
        QVERIFY(Solved);
    }

    void changingTheCountWhileSolvedClearsTheBlock() {
        Home_Screen()->cmd_Print->setEnabled(true); // as after an earlier solve
        Click(form->cmd_Solve);
        Type(form->txt_equations, QStringLiteral("4"));
        QVERIFY(!Solved); // nothing is solved until the next Solve
        QCOMPARE(Buttons(), QStringLiteral("100"));
        QVERIFY(!Home_Screen()->cmd_Print->isEnabled()); // no results to show either
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(form->txt_C[r]->text(), QStringLiteral(" 0"));
            QCOMPARE(X_Vector[r + 1], 0.0);
            for (int c = 0; c < 4; ++c) {
                QCOMPARE(Grid(r, c)->text(), QStringLiteral(" 0"));
                QCOMPARE(Colour(Grid(r, c)), Grey);
            }
        }
    }

    void boxesShownAgainHoldTheModelsDataNotAnEarlierSolve() {
        const QStringList row3{" 3", " 1", "-1"}, constant3{" 2"};
        // Rows hidden since a solve: a smaller model is entered, then the count is raised.
        Click(form->cmd_Solve);
        Click(form->cmd_Cancel);
        Num_Equations = 2;
        Last_Index = 1;
        Enter_Screen();
        Type(form->txt_equations, QStringLiteral("3"));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(Grid(2, c)->text(), row3[c]);
        QCOMPARE(form->txt_C[2]->text(), constant3[0]);
        // The solved view left in place by leaving a grid box: a count change enables
        // Solve, which must read the system, not the identity.
        Click(form->cmd_Solve);
        Click(Grid(0, 0));
        QTest::keyClick(Grid(0, 0), Qt::Key_Tab);
        QVERIFY(!Solved);
        Type(form->txt_equations, QStringLiteral("3"));
        QCOMPARE(Buttons(), QStringLiteral("100"));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(Grid(2, c)->text(), row3[c]);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QCOMPARE(form->txt_C[0]->text(), QStringLiteral("-1"));
        // What was typed after the solve stays.
        Click(form->cmd_Solve);
        Type(Grid(1, 1), QStringLiteral("4"));
        Type(form->txt_C[1], QStringLiteral("5"));
        Type(form->txt_equations, QStringLiteral("3"));
        QCOMPARE(Grid(1, 1)->text(), QStringLiteral("4"));
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral("5"));
        QCOMPARE(Grid(1, 2)->text(), QStringLiteral(" 1"));
    }

    void typedTextShowsInTheOrdinaryColour() {
        const QColor ordinary = form->palette().color(QPalette::Text);
        QVERIFY(ordinary != Grey && ordinary != Red);
        A_Matrix[1][2] = 0;
        form->hide();
        Enter_Screen();
        QCOMPARE(Colour(Grid(0, 1)), Grey);
        const std::pair<MatrixBox*, const char*> typed[] = {
            {Grid(0, 1), "2"}, {Grid(0, 0), "0"}, {form->txt_C[0], "7"}};
        for (const auto& [box, text] : typed) {
            Type(box, QLatin1String(text));
            QCOMPARE(Colour(box), ordinary);
            QCOMPARE(box->palette().color(QPalette::Text), ordinary); // while it has the focus
            QTest::keyClick(box, Qt::Key_Tab);
            QCOMPARE(Colour(box), ordinary);
        }
        // Painted from the model again, the boxes take the model's colours.
        form->hide();
        Enter_Screen();
        QCOMPARE(Colour(Grid(0, 1)), Grey);
        QCOMPARE(Colour(Grid(0, 0)), Red);
        Grid(0, 0)->setFocus();
        QCOMPARE(Grid(0, 0)->palette().color(QPalette::Text), Red);
    }

    void altKeysTypeNothingAndEveryButtonHasItsOwnMnemonic() {
        for (MatrixBox* box : {Grid(0, 0), form->txt_C[0], form->txt_Var[0], form->txt_equations}) {
            box->setFocus(Qt::TabFocusReason);
            box->end(false);
            const QString before = box->text();
            for (Qt::Key key : {Qt::Key_X, Qt::Key_7, Qt::Key_Z})
                QTest::keyClick(box, key, Qt::AltModifier);
            QCOMPARE(box->text(), before);
        }
        // Alt+C clears the constants; Alt+O gives the copy hint.
        QTest::keyClick(form->txt_Var[0], Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(form->txt_C[1]->text(), QStringLiteral(" 0"));
        QCOMPARE(Grid(1, 1)->text(), QStringLiteral(" 1"));
        QVERIFY(messages->shown.empty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(messages->shown.size(), size_t(1));
        QCOMPARE(messages->shown[0].icon, MsgIcon::Information);
    }

    void singularSystemShowsBothMessagesAndKeepsTheTypedValues() {
        Type(form->txt_equations, QStringLiteral("2"));
        const QStringList typed{"1", "2", "2", "4", "3", "6"}; // A row by row, then C
        for (int i = 0; i < 4; ++i)
            Type(Grid(i / 2, i % 2), typed[i]);
        for (int r = 0; r < 2; ++r)
            Type(form->txt_C[r], typed[4 + r]);
        Click(form->cmd_Solve);
        const std::vector<QString> expected{
            QStringLiteral("There is a zero value on diagonal in column 2"),
            Solve_Failed_Message()};
        QCOMPARE(messages->Texts(), expected);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(Grid(i / 2, i % 2)->text(), typed[i]);
        QCOMPARE(form->txt_C[1]->text(), typed[5]);
        QVERIFY(!Solved);
        QCOMPARE(Buttons(), QStringLiteral("100"));
        // After the solver's two messages, the status says which kind of singular it is.
        const QString status = form->lbl_Status->Status_Text();
        QVERIFY2(status.startsWith(QStringLiteral(
                     "The equations are dependent: infinitely many solutions. Y 2 can be "
                     "chosen freely; Y 1 = 3 \u2212 2\u00B7Y 2.")),
                 qPrintable(status));
        QVERIFY(form->lbl_Status->Is_Warning());
        QCOMPARE(form->lbl_Status->accessibleDescription(), status);
        // A count change clears it.
        Type(form->txt_equations, QStringLiteral("3"));
        QVERIFY(form->lbl_Status->Status_Text().isEmpty());
    }

    // With a data tolerance set, Solve names the least certain unknown; a tolerance that may
    // admit singular equations is a warning instead; none set, no sentence.
    void dataToleranceAddsTheLeastCertainUnknown() {
        QVERIFY(Remember_Uncertainty({0.1, 0.1}));
        Click(form->cmd_Solve);
        QString status = form->lbl_Status->Status_Text();
        QVERIFY2(status.contains(QRegularExpression(
                     QStringLiteral("With data known to ±0\\.1 %: Y \\d = [0-9.]+ ± [0-9.]+ "
                                    "\\(±[0-9.]+ %\\), the least certain\\."))),
                 qPrintable(status));
        QVERIFY(!form->lbl_Status->Is_Warning());
        QVERIFY(Remember_Uncertainty({90, 0}));
        Click(form->cmd_Show);
        Click(form->cmd_Solve);
        status = form->lbl_Status->Status_Text();
        QVERIFY2(status.contains(QStringLiteral("no bound can be guaranteed")), qPrintable(status));
        QVERIFY(form->lbl_Status->Is_Warning());
        QVERIFY(Remember_Uncertainty({0, 0}));
        Click(form->cmd_Show);
        Click(form->cmd_Solve);
        QVERIFY(!form->lbl_Status->Status_Text().contains(QStringLiteral("With ")));
    }

    // Text beyond a box's number is marked after Solve, counted in the status, and the
    // marks go when the data is shown again; text that is only a number is never marked.
    void textThatWasNotReadIsMarkedAfterSolve() {
        Type(Grid(0, 0), QStringLiteral("-2 kN"));
        Type(Grid(1, 2), QStringLiteral(" 1 "));
        Type(form->txt_C[2], QStringLiteral("2,0"));
        Click(form->cmd_Solve);
        QVERIFY(Solved);
        QVERIFY(Grid(0, 0)->Is_Marked());
        QCOMPARE(Grid(0, 0)->toolTip(), QStringLiteral("Read as -2: \"kN\" was ignored"));
        QVERIFY(form->txt_C[2]->Is_Marked());
        QVERIFY(!Grid(1, 2)->Is_Marked());
        QVERIFY(!Grid(0, 1)->Is_Marked());
        const QString status = form->lbl_Status->Status_Text();
        QVERIFY2(status.startsWith(QStringLiteral("Checked exactly: every value is right to ")),
                 qPrintable(status));
        QVERIFY2(status.contains(QStringLiteral(
                     "2 boxes held text that was not read; the first is row 1, column 1 "
                     "(Read as -2: \"kN\" was ignored).")),
                 qPrintable(status));
        Click(form->cmd_Show);
        QVERIFY(!Grid(0, 0)->Is_Marked());
        QVERIFY(!form->txt_C[2]->Is_Marked());
        QVERIFY(form->lbl_Status->Status_Text().isEmpty());
        // The same system typed plainly is marked nowhere and counts nothing.
        Click(form->cmd_Solve);
        QVERIFY(!Grid(0, 0)->Is_Marked());
        QVERIFY(!form->lbl_Status->Status_Text().contains(QStringLiteral("not read")));
    }

    void leavingABoxAfterASolve_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("clearsSolved");
        QTest::newRow("grid box, Tab") << "txt_row1[17]"
                                       << "tab" << true;
        QTest::newRow("grid box, Enter") << "txt_row1[17]"
                                         << "enter" << true;
        QTest::newRow("grid box, other window") << "txt_row1[17]"
                                                << "window" << false;
        QTest::newRow("constant box, Tab") << "txt_C[1]"
                                           << "tab" << false;
    }
    void leavingABoxAfterASolve() {
        QFETCH(QString, box);
        QFETCH(QString, how);
        QFETCH(bool, clearsSolved);
        Click(form->cmd_Solve);
        MatrixBox* target = Box(box);
        Click(target);
        QCOMPARE(target->selectedText(), target->text());
        if (how == "window") {
            home->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(home.get()));
        } else {
            QTest::keyClick(target, how == "enter" ? Qt::Key_Return : Qt::Key_Tab);
            QCOMPARE(target->hasFocus(), how == "enter");
        }
        QCOMPARE(Solved, !clearsSolved);
        QCOMPARE(Buttons(), clearsSolved ? QStringLiteral("000") : QStringLiteral("011"));
        // Entering again restores the data view.
        form->hide();
        Enter_Screen();
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QCOMPARE(Buttons(), QStringLiteral("100"));
    }

    void tabFollowsTheDocumentedOrder() {
        QList<QWidget*> expected;
        for (int i = 0; i < 9; ++i)
            expected << Grid(i / 3, i % 3);
        for (int r = 0; r < 3; ++r)
            expected << form->txt_C[r];
        for (int r = 0; r < 3; ++r)
            expected << form->txt_Var[r];
        // Show Matrix and Next > are disabled, so Tab passes them by.
        expected << form->cmd_Solve << form->cmd_Cancel << form->cmd_Copy << form->cmd_Print
                 << form->cmd_Zero_A << form->cmd_Reset_Vars << form->cmd_Zero_C;
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void upAndDownMoveWithinTheVisibleRows_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys"); // u = Up, d = Down
        QTest::addColumn<QString>("end");
        QTest::newRow("grid down") << "txt_row1[1]"
                                   << "d"
                                   << "txt_row1[17]";
        QTest::newRow("grid stops at last row") << "txt_row1[1]"
                                                << "ddd"
                                                << "txt_row1[33]";
        QTest::newRow("grid up stops at top") << "txt_row1[34]"
                                              << "uuu"
                                              << "txt_row1[2]";
        QTest::newRow("names") << "txt_Var[0]"
                               << "dd"
                               << "txt_Var[2]";
        QTest::newRow("constants") << "txt_C[2]"
                                   << "ud"
                                   << "txt_C[2]";
    }
    void upAndDownMoveWithinTheVisibleRows() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, end);
        Box(start)->setFocus(Qt::TabFocusReason);
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key == u'u' ? Qt::Key_Up : Qt::Key_Down);
        auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(focused);
        QCOMPARE(focused->objectName(), end);
        QCOMPARE(focused->selectedText(), focused->text());
    }

    void namesFollowTheirBoxes() {
        QCOMPARE(Grid(2, 1)->accessibleName(), QStringLiteral("Coefficient of Y 2 in equation 3"));
        QCOMPARE(form->txt_C[0]->accessibleName(), QStringLiteral("Constant of equation 1"));
        QCOMPARE(form->txt_Var[3]->accessibleName(), QStringLiteral("Name of unknown 4"));
        QCOMPARE(form->txt_equations->accessibleName(), QStringLiteral("Number of equations"));

        Type(form->txt_Var[1], QStringLiteral("Speed"));
        QCOMPARE(form->lbl_Var2[1]->text(), QStringLiteral("Speed"));
        QCOMPARE(Grid(2, 1)->accessibleName(),
                 QStringLiteral("Coefficient of Speed in equation 3"));
        QCOMPARE(Var_Name[2], QStringLiteral("Y 2")); // stored only when the box is left
        QTest::keyClick(form->txt_Var[1], Qt::Key_Return);
        QCOMPARE(Var_Name[2], QStringLiteral("Speed"));
        Type(form->txt_Var[2], QStringLiteral("Load"));
        QTest::keyClick(form->txt_Var[2], Qt::Key_Tab);
        QCOMPARE(Var_Name[3], QStringLiteral("Load"));
    }

    void zeroResetAndCopyButtons() {
        Click(form->cmd_Solve);
        Type(form->txt_Var[0], QStringLiteral("Load"));
        Click(form->cmd_Zero_A);
        QCOMPARE(Grid(2, 0)->text(), QStringLiteral(" 0"));
        QCOMPARE(Colour(Grid(2, 0)), Grey);
        QCOMPARE(C_Vector[2], 6.0);
        Click(form->cmd_Zero_C);
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral(" 0"));
        QCOMPARE(X_Vector[2], 0.0);
        QVERIFY(!Solved); // the solution was another system's
        QCOMPARE(Buttons(), QStringLiteral("011"));
        Click(form->cmd_Reset_Vars);
        QCOMPARE(form->txt_Var[0]->text(), QStringLiteral("Y 1"));
        QCOMPARE(form->lbl_Var2[0]->text(), QStringLiteral("Y 1"));
        QCOMPARE(Var_Name[1], QStringLiteral("Y 1"));
        Click(form->cmd_Copy);
        QCOMPARE(messages->shown.size(), size_t(1));
        QCOMPARE(
            messages->shown[0].text,
            QStringLiteral("Use the Alt-PrintScrn key combo to copy the screen to the clipboard"));
        QCOMPARE(messages->shown[0].icon, MsgIcon::Information);
    }

    void printFormPrintsThePictureOrNothing_data() {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("choosePrinter");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("printed") << true << true << 1;
        QTest::newRow("printer dialog cancelled") << true << false << 1;
        QTest::newRow("direct print declined") << false << true << 0;
    }
    void printFormPrintsThePictureOrNothing() {
        QFETCH(bool, yes);
        QFETCH(bool, choosePrinter);
        QFETCH(int, dialogs);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("matrix.pdf"));
        ScriptedDialogs printers;
        printers.Answer_Printer_Pdf(choosePrinter ? pdf : QString());
        messages->Answer(yes ? MsgAnswer::Yes : MsgAnswer::No);
        Click(form->cmd_Print);
        QCOMPARE(printers.printerDialogs, dialogs);
        QCOMPARE(messages->shown.size(), size_t(1)); // the question only: no error report
        QCOMPARE(messages->shown[0].buttons, MsgButtons::YesNo);
        QCOMPARE(QFileInfo(pdf).size() > 0, yes && choosePrinter);
    }

    void backAndNextHideTheScreen() {
        for (QPushButton* button : {form->cmd_Cancel, form->cmd_Done}) {
            form->hide();
            bool hiddenByButton = false;
            QTimer::singleShot(0, form, [this, button, &hiddenByButton] {
                if (button == form->cmd_Done) Click(form->cmd_Solve);
                Click(button);
                hiddenByButton = !form->isVisible();
                form->hide(); // never leave the test waiting
            });
            form->Show_Modal(); // returns once the screen is hidden
            QVERIFY2(hiddenByButton, qPrintable(button->objectName()));
        }
        QVERIFY(Solved); // Next > leaves the solve in place for the home screen
    }

    // A Solve, Zero A and its undo: the boxes may hold another system than the solution's, so
    // the home screen's print, export and save commands wait for the next Solve.
    void anUndoAfterASolveForgetsTheSolution() {
        Click(form->cmd_Solve);
        Click(form->cmd_Zero_A);
        QVERIFY(form->Undo_Many_Changes());
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QVERIFY(!Solved);
        QVERIFY(form->lbl_Status->Status_Text().isEmpty());
        frm_HomeScreen* homeScreen = Home_Screen();
        homeScreen->show();
        homeScreen->Activate();
        QVERIFY(!homeScreen->cmd_Print->isEnabled() && !homeScreen->mnu_Export->isEnabled());
    }

    // Details and back: the check screen was opened from this one, which stays as it was.
    void closingTheCheckScreenKeepsTheSolvedView() {
        Click(form->cmd_Solve);
        QTimer::singleShot(0, form, [] { Check_Screen()->hide(); });
        emit form->lbl_Status->detailsRequested();
        QVERIFY(Solved);
        QCOMPARE(Buttons(), QStringLiteral("011"));
        QCOMPARE(Grid(0, 1)->text(), QStringLiteral("0"));
        QVERIFY(!form->lbl_Status->Status_Text().isEmpty());
    }

    // Rank 2 of 3, without an exact zero pivot: the solver returns numbers of about 1E+16,
    // which the exact check shows to be no solution at all.
    void aSingularSystemHiddenByRoundingIsNoSolution() {
        Type_System({"2 1.5 -1 8", "-3 -1 2 -11", "-2 1 2 -3"});
        QVERIFY(!Solved);
        QCOMPARE(Buttons(), QStringLiteral("100"));
        QCOMPARE(Grid(0, 1)->text(), QStringLiteral("1.5")); // the data view stays
        QCOMPARE(X_Vector[1], 8.0);
        const QString status = form->lbl_Status->Status_Text();
        QVERIFY2(status.startsWith(QStringLiteral("The equations contradict each other")) &&
                     status.contains(QStringLiteral("not shown")),
                 qPrintable(status));
    }

    // After a Solve the boxes are named for what they show; a long value is drawn whole,
    // smaller, with its full value as the tooltip; a value that shows as 0 is named.
    void theSolvedViewIsNamedAndShownWhole() {
        Type(form->txt_equations, QStringLiteral("2"));
        Type_System({"1 0 123456789.123", "0 1 -1.2345678E-05"});
        QVERIFY(Solved);
        QCOMPARE(form->txt_C[0]->accessibleName(), QStringLiteral("Solution: Y 1"));
        QCOMPARE(Grid(0, 1)->accessibleName(),
                 QStringLiteral("Solved form: coefficient of Y 2 in equation 1"));
        QCOMPARE(form->txt_C[0]->toolTip(), QStringLiteral("123456789.123"));
        QCOMPARE(form->txt_C[1]->toolTip(), QStringLiteral("-1.2345678e-05"));
        const QString status = form->lbl_Status->Status_Text();
        QVERIFY2(status.contains(QStringLiteral("Y 2 shows as 0 but is -1.2345678e-05")),
                 qPrintable(status));

        Click(form->cmd_Show);
        QCOMPARE(form->txt_C[0]->accessibleName(), QStringLiteral("Constant of equation 1"));
        QCOMPARE(Grid(0, 1)->accessibleName(), QStringLiteral("Coefficient of Y 2 in equation 1"));
    }

    void numbersBeyondTheFloatRangeAreReported() {
        // The last box read overflows: nothing read before it is stored either.
        Type(Grid(0, 0), QStringLiteral("5"));
        Type(form->txt_C[2], QStringLiteral("1e400"));
        Click(form->cmd_Solve);
        QCOMPARE(messages->shown.size(), size_t(1));
        QVERIFY(messages->shown[0].text.startsWith(
            QStringLiteral("Error 6   (Overflow)  has occurred in cmd_Solve_Click")));
        QCOMPARE(A_Matrix[1][1], -2.0);
        QCOMPARE(form->txt_C[2]->text(), QStringLiteral("1e400"));
        QVERIFY(!Solved);
        QCOMPARE(Buttons(), QStringLiteral("100"));

        Type(form->txt_equations, QStringLiteral("1e400"), /*paste=*/true);
        QCOMPARE(messages->shown.size(), size_t(2));
        QVERIFY(messages->shown[1].text.startsWith(
            QStringLiteral("Error 6   (Overflow)  has occurred in txt_equations_Change")));
        QCOMPARE(Num_Equations, 3);
        QCOMPARE(Visible_Block(), 3);
        QCOMPARE(form->txt_equations->text(), QStringLiteral("1e400"));
    }
};

QTEST_MAIN(MatrixScreenTest)
#include "frm_matrix_test.moc"
