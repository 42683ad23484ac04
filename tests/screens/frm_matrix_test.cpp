// The equation entry screen, driven through its real widgets.
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/forms.h"
#include "screens/frm_matrix.h"
#include "screens/matrix_box.h"
#include "screens/twips.h"
#include "shell/app_globals.h"
#include "shell/placement.h"
#include "shell/shell_actions.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
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

QColor Colour(const QLineEdit* box) { return box->palette().color(QPalette::Text); }

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
    std::unique_ptr<ScriptedMessages> messages;

    MatrixBox* Grid(int r, int c) const { return form->txt_row1[16 * r + c]; }

    // Selects the box's text (as gaining the focus does) and types over it.
    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
        else QTest::keyClicks(box, text);
    }

    // Replaces the box's text at once, as pasting does.
    static void Paste(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        box->insert(text);
    }

    // Shows the screen the way the program does: visible, then made the active screen.
    void Enter_Screen() {
        form->show();
        form->Activate();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTRY_COMPARE(QApplication::activeWindow(), form);
    }

    void Verify_Visible_Block(int n) const {
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 16; ++c) QCOMPARE(Grid(r, c)->isVisible(), r < n && c < n);
            QCOMPARE(form->txt_C[r]->isVisible(), r < n);
            QCOMPARE(form->txt_Var[r]->isVisible(), r < n);
            QCOMPARE(form->lbl_Var2[r]->isVisible(), r < n);
        }
    }

    void Verify_Buttons(bool solve, bool show, bool next) const {
        QCOMPARE(form->cmd_Solve->isEnabled(), solve);
        QCOMPARE(form->cmd_Show->isEnabled(), show);
        QCOMPARE(form->cmd_Done->isEnabled(), next);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale::c());
        Connect_Entry_Screen_To_Model();
    }

    void init() {
        // The screen's load sequence runs with Solved false, as at start-up.
        Solved = false;
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

    void controlsHaveTheirNamesCaptionsAndReadableSizes() {
        const std::pair<const char*, const char*> captions[] = {
            {"cmd_Solve", "&Solve"},        {"cmd_Show", "S&how Matrix"},
            {"cmd_Copy", "&Copy"},          {"cmd_Print", "&Print Form"},
            {"cmd_Zero_A", "Zero  &A"},     {"cmd_Reset_Vars", "Reset &B"},
            {"cmd_Zero_C", "Zero  &C"},     {"cmd_Cancel", "&< Back"},
            {"cmd_Done", "&Next >"}};
        for (const auto& [name, caption] : captions) {
            auto* button = form->findChild<QPushButton*>(QLatin1String(name));
            QVERIFY2(button, name);
            QCOMPARE(button->text(), QLatin1String(caption));
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                               &option, button);
            const QString shown = button->text().remove(QLatin1Char('&'));
            QVERIFY2(button->fontMetrics().horizontalAdvance(shown) <= room.width(), name);
            QVERIFY(!button->accessibleName().isEmpty());
        }
        const std::pair<const char*, const char*> texts[] = {
            {"Label3", "No. of Equations"}, {"Label1", "x"}, {"Label2", "="}};
        for (const auto& [name, text] : texts) {
            auto* label = form->findChild<QLabel*>(QLatin1String(name));
            QVERIFY2(label, name);
            QCOMPARE(label->text(), QLatin1String(text));
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
        }
        QCOMPARE(form->findChild<QGroupBox*>("SSFrame2")->title(), QStringLiteral("A-matrix"));
        QCOMPARE(form->findChild<QGroupBox*>("SSFrame3")->title(), QStringLiteral("B"));
        QCOMPARE(form->findChild<QGroupBox*>("SSFrame1")->title(), QStringLiteral("C-vect"));
        for (const char* name : {"txt_equations", "txt_row1[0]", "txt_row1[255]", "txt_C[15]",
                                 "txt_Var[15]"}) {
            auto* box = form->findChild<QLineEdit*>(QLatin1String(name));
            QVERIFY2(box, name);
            QCOMPARE(box->height(), Twips_To_Pixels(315, box));
            QVERIFY2(box->fontMetrics().height() + 4 <= box->height(), name);
        }
        QVERIFY(form->findChild<QLabel*>("lbl_Var2[15]"));
        QCOMPARE(form->width(), Twips_To_Pixels(11850, form));
        QCOMPARE(form->height(), Twips_To_Pixels(8950, form));
    }

    void gridLinesUpWithHeadingsNamesAndConstants() {
        auto at = [this](QWidget* w) { return w->mapTo(form, QPoint(0, 0)); };
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(at(form->txt_Var[r]).y(), at(Grid(r, 0)).y());
            QCOMPARE(at(form->txt_C[r]).y(), at(Grid(r, 0)).y());
            QCOMPARE(at(Grid(r, 1)).y() - at(Grid(r, 0)).y(), 0);
            QCOMPARE(at(Grid(1, r)).y() - at(Grid(0, r)).y(), Twips_To_Pixels(360, form));
            const int headingMiddle = at(form->lbl_Var2[r]).x() + form->lbl_Var2[r]->width() / 2;
            QVERIFY(qAbs(headingMiddle - (at(Grid(0, r)).x() + Grid(0, r)->width() / 2)) <= 1);
            QVERIFY(at(form->lbl_Var2[r]).y() + form->lbl_Var2[r]->height() <= at(Grid(0, r)).y());
        }
        QVERIFY(at(form->txt_Var[0]).x() > at(Grid(0, 15)).x() + Grid(0, 15)->width());
        QVERIFY(at(form->txt_C[0]).x() > at(form->txt_Var[0]).x() + form->txt_Var[0]->width());
    }

    void enteringShowsTheModelInTheDataView() {
        QCOMPARE(form->txt_equations->text(), QStringLiteral(" 3"));
        QCOMPARE(form->focusWidget(), form->txt_equations);
        Verify_Visible_Block(3);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QCOMPARE(Colour(Grid(0, 0)), Red);
        QCOMPARE(Grid(1, 2)->text(), QStringLiteral(" 1"));
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral(" 6"));
        QCOMPARE(form->txt_Var[2]->text(), QStringLiteral("Y 3"));
        QCOMPARE(form->lbl_Var2[2]->text(), QStringLiteral("Y 3"));
        Verify_Buttons(true, false, false);
        QVERIFY(form->cmd_Print->isEnabled() && form->cmd_Copy->isEnabled());
        // A zero coefficient paints grey; a long one shows its start.
        A_Matrix[2][3] = 0.0004;
        A_Matrix[1][1] = -1.23456789012345e20;
        form->hide();
        Enter_Screen();
        QCOMPARE(Colour(Grid(1, 2)), Grey);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-1.23456789012345E+20"));
        QCOMPARE(Grid(0, 0)->cursorPosition(), 0);
    }

    void enteringSizesTheWindow_data() {
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<int>("homeWidth");
        QTest::addColumn<double>("width"); // twips
        QTest::addColumn<double>("height");
        QTest::newRow("standard") << false << 11850 << 11850.0 << 8950.0;
        QTest::newRow("standard, narrower home screen") << false << 9000 << 9000.0 << 6797.6;
        QTest::newRow("maximised") << true << 13900 << 13900.0 << 10498.3;
    }
    void enteringSizesTheWindow() {
        QFETCH(bool, fullScreen);
        QFETCH(int, homeWidth);
        QFETCH(double, width);
        QFETCH(double, height);
        const bool savedFull = Full_Screen;
        const int32_t savedWidth = Home_Width;
        Full_Screen = fullScreen;
        Home_Width = homeWidth;
        form->hide();
        Enter_Screen();
        Full_Screen = savedFull;
        Home_Width = savedWidth;
        QVERIFY(qAbs(form->width() - Twips_To_Pixels(width, form)) <= 1);
        QVERIFY(qAbs(form->height() - Twips_To_Pixels(height, form)) <= 1);
        QCOMPARE(QApplication::focusWidget(), form->txt_equations);
    }

    void countBoxSetsTheNumberOfEquations_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted"); // else typed key by key
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("n");
        QTest::newRow("below 2") << "1" << false << "2" << 2;
        QTest::newRow("above 16") << "40" << false << "16" << 16;
        QTest::newRow("half to even up") << "7.5" << false << "7.5" << 8;
        QTest::newRow("half to even down") << "2.5" << false << "2.5" << 2;
        QTest::newRow("cleared") << "" << false << "2" << 2;
        QTest::newRow("letters") << "abc" << true << "2" << 2;
        QTest::newRow("blanks and trailing text") << " 1 2 eq" << true << " 1 2 eq" << 12;
    }
    void countBoxSetsTheNumberOfEquations() {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(QString, shown);
        QFETCH(int, n);
        CountingShell shell;
        ShellActions* previous = Shell_Actions();
        Set_Shell_Actions(&shell);
        if (pasted) Paste(form->txt_equations, text);
        else Type(form->txt_equations, text);
        Set_Shell_Actions(previous);
        QCOMPARE(form->txt_equations->text(), shown);
        QCOMPARE(Num_Equations, n);
        QCOMPARE(Last_Index, n - 1);
        Verify_Visible_Block(n);
        QVERIFY(shell.hourglass > 0);
        QVERIFY(shell.resets >= shell.hourglass);
    }

    void loweringThenRaisingTheCountBringsValuesBack() {
        Type(form->txt_equations, QStringLiteral("5"));
        Type(Grid(4, 4), QStringLiteral("7"));
        Type(form->txt_C[4], QStringLiteral("9"));
        Type(form->txt_equations, QStringLiteral("3"));
        QVERIFY(!Grid(4, 4)->isVisible());
        Type(form->txt_equations, QStringLiteral("5"));
        Verify_Visible_Block(5);
        QCOMPARE(Grid(4, 4)->text(), QStringLiteral("7"));
        QCOMPARE(form->txt_C[4]->text(), QStringLiteral("9"));
        QCOMPARE(A_Matrix[1][1], -2.0);
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
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        QVERIFY(Solved);
        Verify_Buttons(false, true, true);
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(form->txt_C[r]->text(), solution[r]);
            for (int c = 0; c < 3; ++c) {
                QCOMPARE(Grid(r, c)->text(), r == c ? QStringLiteral("1") : QStringLiteral("0"));
                QCOMPARE(Colour(Grid(r, c)), r == c ? Red : Grey);
            }
        }
        QVERIFY(messages->shown.empty());
        if (const QByteArray shot = qgetenv("KORVEL_SHOT"); !shot.isEmpty() && locale == "C")
            QVERIFY(form->grab().save(QString::fromLocal8Bit(shot)));

        QTest::mouseClick(form->cmd_Show, Qt::LeftButton);
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        QCOMPARE(form->txt_C[0]->text(), QStringLiteral("-1"));
        Verify_Buttons(true, false, true);
        QVERIFY(Solved);
    }

    void changingTheCountWhileSolvedClearsTheBlock() {
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        Type(form->txt_equations, QStringLiteral("4"));
        QVERIFY(Solved);
        Verify_Buttons(true, false, true);
        for (int r = 0; r < 4; ++r) {
            QCOMPARE(form->txt_C[r]->text(), QStringLiteral(" 0"));
            QCOMPARE(X_Vector[r + 1], 0.0);
            for (int c = 0; c < 4; ++c) {
                QCOMPARE(Grid(r, c)->text(), QStringLiteral(" 0"));
                QCOMPARE(Colour(Grid(r, c)), Grey);
                QCOMPARE(A_Matrix[r + 1][c + 1], 0.0);
            }
        }
    }

    void singularSystemShowsBothMessagesAndKeepsTheTypedValues() {
        Type(form->txt_equations, QStringLiteral("2"));
        const char* typed[] = {"1", "2", "2", "4"};
        for (int i = 0; i < 4; ++i) Type(Grid(i / 2, i % 2), QLatin1String(typed[i]));
        Type(form->txt_C[0], QStringLiteral("3"));
        Type(form->txt_C[1], QStringLiteral("6"));
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        const std::vector<QString> expected{
            QStringLiteral("There is a zero value on diagonal in column 2"),
            Solve_Failed_Message()};
        QCOMPARE(messages->Texts(), expected);
        for (int i = 0; i < 4; ++i) QCOMPARE(Grid(i / 2, i % 2)->text(), QLatin1String(typed[i]));
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral("6"));
        QVERIFY(!Solved);
        Verify_Buttons(true, false, false);
        QCOMPARE(A_Matrix[2][2], 4.0);
    }

    void leavingABoxAfterASolve_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<bool>("clearsSolved");
        QTest::newRow("grid box, Tab") << "txt_row1[17]" << false << true;
        QTest::newRow("grid box, Enter") << "txt_row1[17]" << true << true;
        QTest::newRow("constant box, Tab") << "txt_C[1]" << false << false;
    }
    void leavingABoxAfterASolve() {
        QFETCH(QString, box);
        QFETCH(bool, byEnter);
        QFETCH(bool, clearsSolved);
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        auto* target = form->findChild<QLineEdit*>(box);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(target->selectedText(), target->text());
        QTest::keyClick(target, byEnter ? Qt::Key_Return : Qt::Key_Tab);
        QCOMPARE(target->hasFocus(), byEnter);
        QCOMPARE(Solved, !clearsSolved);
        Verify_Buttons(false, !clearsSolved, !clearsSolved);
        // Entering again restores the data view.
        form->hide();
        Enter_Screen();
        QCOMPARE(Grid(0, 0)->text(), QStringLiteral("-2"));
        Verify_Buttons(true, false, false);
    }

    void tabFollowsTheDocumentedOrder() {
        QList<QWidget*> expected;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c) expected << Grid(r, c);
        for (int r = 0; r < 3; ++r) expected << form->txt_C[r];
        for (int r = 0; r < 3; ++r) expected << form->txt_Var[r];
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
        QTest::newRow("grid down") << "txt_row1[1]" << "d" << "txt_row1[17]";
        QTest::newRow("grid stops at last row") << "txt_row1[1]" << "ddd" << "txt_row1[33]";
        QTest::newRow("grid up stops at top") << "txt_row1[34]" << "uuu" << "txt_row1[2]";
        QTest::newRow("names") << "txt_Var[0]" << "dd" << "txt_Var[2]";
        QTest::newRow("constants") << "txt_C[2]" << "ud" << "txt_C[2]";
    }
    void upAndDownMoveWithinTheVisibleRows() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, end);
        form->findChild<QLineEdit*>(start)->setFocus(Qt::TabFocusReason);
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
        QCOMPARE(Grid(2, 1)->accessibleName(), QStringLiteral("Coefficient of Speed in equation 3"));
        QCOMPARE(Var_Name[2], QStringLiteral("Y 2")); // stored only when the box is left
        QTest::keyClick(form->txt_Var[1], Qt::Key_Return);
        QCOMPARE(Var_Name[2], QStringLiteral("Speed"));

        Type(form->txt_Var[2], QStringLiteral("Load"));
        QTest::keyClick(form->txt_Var[2], Qt::Key_Tab);
        QCOMPARE(Var_Name[3], QStringLiteral("Load"));

        QTest::mouseClick(form->cmd_Reset_Vars, Qt::LeftButton);
        QCOMPARE(form->txt_Var[1]->text(), QStringLiteral("Y 2"));
        QCOMPARE(form->lbl_Var2[2]->text(), QStringLiteral("Y 3"));
        QCOMPARE(Var_Name[3], QStringLiteral("Y 3"));
    }

    void zeroButtonsClearTheirPartOnly() {
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        QTest::mouseClick(form->cmd_Zero_A, Qt::LeftButton);
        QCOMPARE(Grid(2, 0)->text(), QStringLiteral(" 0"));
        QCOMPARE(Colour(Grid(2, 0)), Grey);
        QCOMPARE(A_Matrix[3][1], 0.0);
        QCOMPARE(C_Vector[2], 6.0);
        QTest::mouseClick(form->cmd_Zero_C, Qt::LeftButton);
        QCOMPARE(form->txt_C[1]->text(), QStringLiteral(" 0"));
        QCOMPARE(C_Vector[2], 0.0);
        QCOMPARE(X_Vector[2], 0.0);
        QVERIFY(Solved);
        Verify_Buttons(false, true, true);
    }

    void copyOnlyExplainsHow() {
        QTest::mouseClick(form->cmd_Copy, Qt::LeftButton);
        QCOMPARE(messages->shown.size(), size_t(1));
        QCOMPARE(messages->shown[0].text,
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
        QTest::mouseClick(form->cmd_Print, Qt::LeftButton);
        QCOMPARE(printers.printerDialogs, dialogs);
        QCOMPARE(messages->shown.size(), size_t(1)); // the question only: no error report
        QCOMPARE(messages->shown[0].buttons, MsgButtons::YesNo);
        const bool printed = yes && choosePrinter;
        QCOMPARE(QFileInfo(pdf).exists(), printed);
        if (printed) QVERIFY(QFileInfo(pdf).size() > 0);
    }

    void backAndNextHideTheScreen() {
        for (QPushButton* button : {form->cmd_Cancel, form->cmd_Done}) {
            form->hide();
            bool hiddenByButton = false;
            QTimer::singleShot(0, form, [this, button, &hiddenByButton] {
                if (button == form->cmd_Done) QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
                QTest::mouseClick(button, Qt::LeftButton);
                hiddenByButton = !form->isVisible();
                form->hide(); // never leave the test waiting
            });
            form->Show_Modal(); // returns once the screen is hidden
            QVERIFY2(hiddenByButton, qPrintable(button->objectName()));
        }
        QVERIFY(Solved); // Next > leaves the solve in place for the home screen
    }

    void numbersBeyondTheFloatRangeAreReported() {
        Type(Grid(1, 1), QStringLiteral("1e400"));
        QTest::mouseClick(form->cmd_Solve, Qt::LeftButton);
        QCOMPARE(messages->shown.size(), size_t(1));
        QVERIFY(messages->shown[0].text.startsWith(
            QStringLiteral("Error 6   (Overflow)  has occurred in cmd_Solve_Click")));
        QCOMPARE(A_Matrix[2][2], 1.0);
        QCOMPARE(Grid(1, 1)->text(), QStringLiteral("1e400"));
        QVERIFY(!Solved);
        Verify_Buttons(true, false, false);

        Paste(form->txt_equations, QStringLiteral("1e400"));
        QCOMPARE(messages->shown.size(), size_t(2));
        QVERIFY(messages->shown[1].text.startsWith(
            QStringLiteral("Error 6   (Overflow)  has occurred in txt_equations_Change")));
        QCOMPARE(Num_Equations, 3);
        Verify_Visible_Block(3);
        QCOMPARE(form->txt_equations->text(), QStringLiteral("1e400"));
    }
};

QTEST_MAIN(MatrixScreenTest)
#include "frm_matrix_test.moc"
