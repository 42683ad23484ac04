// The home screen, title screen and quit path, driven through their real widgets.
#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/help/frm_help.h"
#include "screens/home/frm_homescreen.h"
#include "screens/results/frm_printdata.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "screens/shell/set_captions.h"
#include "screens/start/frm_about.h"
#include "screens/start/frm_disclaimer.h"
#include "screens/start/frm_quit.h"
#include "screens/start/frm_title.h"
#include "screens/start/frm_user.h"
#include "session/terminate.h"
#include "support/scripted_messages.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace korvel;
using korvel::testing::ScriptedMessages;

class HomeScreenTest : public QObject {
    Q_OBJECT

  private:
    int terminations = 0;

    // Runs check, then hides the screen, once the next modal screen is up.
    static void When_Modal_Shown(Form* form, std::function<void()> check) {
        QTimer::singleShot(0, form, [form, check] {
            QTRY_VERIFY(form->isVisible());
            check();
            if (form->isVisible()) form->hide();
        });
    }

  private slots:
    void init() {
        Set_Identity();
        Title_Caption = Build_Title_Caption();
        First_Activate = true;
        Is_Admin = false;
        Full_Screen = false;
        File_Path = QStringLiteral("/home/ann/Documents/KORVEL/");
        User_Name = QStringLiteral("ann");
        App_Path = QStringLiteral("/opt/korvel/");
        terminations = 0;
        Set_Program_Ender([this] { ++terminations; });
        Solved = false; // as at start-up: loading the entry screen must not clear the model
        Connect_Screens_To_Model();
        Initialize();
    }
    void cleanup() {
        Unload_All_Forms();
        Set_Program_Ender(nullptr);
    }

    void captionsAndIdentity() {
        Set_Captions();
        QVERIFY(Title_Caption.endsWith(QString(20, QLatin1Char(' '))));
        QVERIFY(!Title_Caption.endsWith(QString(21, QLatin1Char(' '))));
        QCOMPARE(Title_Caption, QStringLiteral("KORVEL   Release 9.0   Rev 2.2   11/30/08") +
                                    QString(20, QLatin1Char(' ')));
        QCOMPARE(Home_Screen()->windowTitle(), Title_Caption + QStringLiteral("Home Screen"));
        QCOMPARE(Matrix_Screen()->windowTitle(), Title_Caption + QStringLiteral("Matrix Screen"));
        QCOMPARE(Title_Screen()->windowTitle(), Title_Caption);
        QCOMPARE(Quit_Screen()->windowTitle(), Title_Caption);
    }

    void titleScreenShowsTheVersionAndStartsTheHomeScreen() {
        ScriptedMessages messages;
        frm_Title* title = Title_Screen();
        QCOMPARE(title->Label1->text(), QStringLiteral("KORVEL"));
        QCOMPARE(title->lblHeader->text(),
                 QStringLiteral("A Program for the Solution of Systems of Linear Equations"));
        title->show();
        title->Activate();
        QCOMPARE(title->lbl_Version->text(), QStringLiteral("Release 9.0 Rev 2.2   11/30/08"));
        QCOMPARE(title->cmd_Start->text(), QStringLiteral("&Start >"));
        QCOMPARE(title->cmd_Abort->text(), QStringLiteral("< &Abort"));

        // Start leads through the disclaimer to the home screen.
        When_Modal_Shown(Disclaimer_Screen(), [] {
            QVERIFY(!Title_Screen()->isVisible());
            QTest::mouseClick(Disclaimer_Screen()->cmd_Done, Qt::LeftButton);
        });
        QTest::mouseClick(title->cmd_Start, Qt::LeftButton);
        QVERIFY(!title->isVisible());
        QVERIFY(!Disclaimer_Screen()->isVisible());
        QVERIFY(Home_Screen()->isVisible());
        QCOMPARE(messages.Texts(),
                 std::vector<QString>{QStringLiteral("Your default path for saved files is: ") +
                                      File_Path});
    }

    void enterOnStartAndNextReachesTheHomeScreen() {
        ScriptedMessages messages;
        frm_Title* title = Title_Screen();
        title->show();
        title->Activate();
        When_Modal_Shown(Disclaimer_Screen(),
                         [] { QTest::keyClick(Disclaimer_Screen()->cmd_Done, Qt::Key_Return); });
        QTest::keyClick(title->cmd_Start, Qt::Key_Return);
        QTRY_VERIFY(Home_Screen()->isVisible());
        QVERIFY(!Disclaimer_Screen()->isVisible());
        QVERIFY(!title->isVisible());
    }

    void abortAsksAndNoReturnsToTheTitle() {
        frm_Title* title = Title_Screen();
        title->show();
        title->Activate();
        When_Modal_Shown(Quit_Screen(), [] {
            QCOMPARE(Quit_Screen()->SSFrame1->title(),
                     QStringLiteral("Do you really want to Quit?"));
            QCOMPARE(Quit_Screen()->cmd_NoQuit->text(), QStringLiteral("< &No"));
            QVERIFY(Quit_Screen()->cmd_NoQuit->hasFocus() ||
                    QApplication::focusWidget() == nullptr); // offscreen focus may lag
            QTest::mouseClick(Quit_Screen()->cmd_NoQuit, Qt::LeftButton);
        });
        QTest::mouseClick(title->cmd_Abort, Qt::LeftButton);
        QVERIFY(!Quit_Screen()->isVisible());
        QVERIFY(title->isVisible());
        QCOMPARE(terminations, 0);
    }

    void closingTheHomeScreenAlwaysAsksAndYesTerminates() {
        ScriptedMessages messages;
        frm_HomeScreen* home = Home_Screen();
        home->show();
        home->Activate();
        When_Modal_Shown(Quit_Screen(),
                         [] { QTest::mouseClick(Quit_Screen()->cmd_NoQuit, Qt::LeftButton); });
        home->close();
        QVERIFY(home->isVisible()); // the close was cancelled
        QCOMPARE(terminations, 0);

        When_Modal_Shown(Quit_Screen(),
                         [] { QTest::mouseClick(Quit_Screen()->cmd_YesQuit, Qt::LeftButton); });
        home->mnu_Quit->trigger();
        QCOMPARE(terminations, 1);
    }

    void escapeOnTheQuitScreenMeansNo() {
        frm_HomeScreen* home = Home_Screen();
        home->show();
        home->Activate();
        bool hiddenByEscape = false;
        When_Modal_Shown(Quit_Screen(), [&hiddenByEscape] {
            QTest::keyClick(Quit_Screen()->cmd_NoQuit, Qt::Key_Escape);
            hiddenByEscape = !Quit_Screen()->isVisible();
        });
        QTest::mouseClick(home->cmd_Quit, Qt::LeftButton);
        QVERIFY(hiddenByEscape);
        QVERIFY(home->isVisible());
        QCOMPARE(terminations, 0);
    }

    void f1OpensTheGeneralHelp() {
        ScriptedMessages messages;
        First_Activate = false;
        frm_HomeScreen* home = Home_Screen();
        home->show();
        home->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(home));
        QTest::keyClick(home, Qt::Key_F1);
        QTRY_VERIFY(Help_Screen()->isVisible());
        QVERIFY(messages.shown.empty());
    }

    // Alt with a letter presses one button only: two buttons of a screen sharing it
    // would leave the key doing nothing.
    void everyButtonOfAScreenHasItsOwnMnemonic() {
        const QList<QWidget*> screens{Home_Screen(),  Matrix_Screen(), PrintData_Screen(),
                                      Quit_Screen(),  Title_Screen(),  Disclaimer_Screen(),
                                      About_Screen(), Help_Screen(),   User_Screen()};
        for (QWidget* screen : screens) {
            QMap<QKeySequence, QString> seen;
            for (QAbstractButton* button : screen->findChildren<QAbstractButton*>()) {
                const QKeySequence key = QKeySequence::mnemonic(button->text());
                if (key.isEmpty()) continue;
                QVERIFY2(!seen.contains(key), qPrintable(screen->objectName() + u' ' +
                                                         button->text() + u' ' + seen.value(key)));
                seen.insert(key, button->text());
            }
        }
    }

    void commandStatesFollowSolved() {
        ScriptedMessages messages;
        frm_HomeScreen* home = Home_Screen();
        QVERIFY(!home->cmd_Print->isEnabled());
        QVERIFY(!home->cmd_Printer->isEnabled());
        home->show();
        home->Activate();
        QVERIFY(!home->mnu_New->isEnabled());
        QVERIFY(!home->mnu_Save->isEnabled());
        QVERIFY(!home->mnu_Saveas->isEnabled());
        QVERIFY(!home->mnu_Export->isEnabled());
        QVERIFY(!home->mnu_P->menuAction()->isEnabled());
        QVERIFY(!home->cmd_Print->isEnabled());
        QVERIFY(home->cmd_Input->isEnabled());

        // Solve on the entry screen, then come back with Next >.
        frm_Matrix* matrix = Matrix_Screen();
        When_Modal_Shown(matrix, [matrix] {
            QTest::mouseClick(matrix->cmd_Solve, Qt::LeftButton);
            QVERIFY(Solved);
            QTest::mouseClick(matrix->cmd_Done, Qt::LeftButton);
        });
        QTest::mouseClick(home->cmd_Input, Qt::LeftButton);
        QVERIFY(home->mnu_P->menuAction()->isEnabled());
        QVERIFY(home->mnu_toScreen->isEnabled());
        QVERIFY(home->cmd_Print->isEnabled());

        // Back to the entry screen and out without solving: Print to Screen follows Solved
        // like the other commands, so no report shows a solution of another system.
        When_Modal_Shown(matrix,
                         [matrix] { QTest::mouseClick(matrix->cmd_Cancel, Qt::LeftButton); });
        QTest::mouseClick(home->cmd_Input, Qt::LeftButton);
        QVERIFY(!Solved);
        QVERIFY(!home->mnu_P->menuAction()->isEnabled());
        QVERIFY(!home->cmd_Print->isEnabled());
        QCOMPARE(messages.shown.size(), size_t(1)); // the first-activate message only
    }

    void firstActivateMessageOnlyOnceAndNotForAdministrators() {
        {
            ScriptedMessages messages;
            Is_Admin = true;
            Home_Screen()->show();
            Home_Screen()->Activate();
            QVERIFY(messages.shown.empty());
            QVERIFY(!First_Activate);
        }
        Unload_All_Forms();
        First_Activate = true;
        Is_Admin = false;
        ScriptedMessages messages;
        frm_HomeScreen* home = Home_Screen();
        home->show();
        home->Activate();
        When_Modal_Shown(Matrix_Screen(), [] {});
        QTest::mouseClick(home->cmd_Input, Qt::LeftButton);
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].icon, MsgIcon::Information);
    }

    void helpMenuOpensTheViewerOnItsDocument() {
        ScriptedMessages messages;
        Home_Screen()->mnu_GeneralHelp->trigger();
        QTRY_VERIFY(Help_Screen()->isVisible());
        QVERIFY(messages.shown.empty());
    }

    void userMenuMessages() {
        ScriptedMessages messages;
        frm_HomeScreen* home = Home_Screen();
        home->mnu_UserName->trigger();
        home->mnu_FilePath->trigger();
        home->mnu_AppPath->trigger();
        QCOMPARE(messages.Texts(),
                 (std::vector<QString>{
                     QStringLiteral("User Name is ann"),
                     QStringLiteral("Path for saved files is /home/ann/Documents/KORVEL/"),
                     QStringLiteral("The application path is /opt/korvel/")}));
    }

    void menuCaptionsAndStates() {
        ScriptedMessages messages;
        frm_HomeScreen* home = Home_Screen();
        QCOMPARE(home->mnu_File->title(), QStringLiteral("&File"));
        QCOMPARE(home->mnu_Saveas->text(), QStringLiteral("Save &as"));
        QCOMPARE(home->mnu_P->title(), QStringLiteral("&Print"));
        QCOMPARE(home->mnu_toScreen->text(), QStringLiteral("to &Screen"));
        QCOMPARE(home->mnu_Printer->text(), QStringLiteral("to Prin&ter"));
        QCOMPARE(home->mnu_Examp->title(), QStringLiteral("&Examples"));
        QCOMPARE(home->mnu_test->text(), QStringLiteral("&Test Matrix"));
        QCOMPARE(home->mnu_ChangeUser->text(), QStringLiteral("Change Project/File Name"));
        QCOMPARE(home->mnu_Fullscreen->text(), QStringLiteral("Maximize"));
        QCOMPARE(home->mnu_About->text(), QStringLiteral("&About Korvel"));
        QVERIFY(home->mnu_Sep1->isSeparator());
        QVERIFY(home->mnu_sep4->isSeparator());
        // File order as listed, separators included, with Open Recent beside Open.
        QStringList names;
        for (QAction* a : home->mnu_File->actions())
            names << a->objectName();
        QCOMPARE(names, QStringList({"mnu_New", "mnu_Open", "mnu_Recent", "mnu_Import", "mnu_Sep1",
                                     "mnu_Save", "mnu_Saveas", "mnu_Sep2", "mnu_P", "mnu_Sep3",
                                     "mnu_Export", "mnu_sep4", "mnu_Quit"}));
        Solved = true;
        home->show();
        home->Activate();
        QVERIFY(home->mnu_P->menuAction()->isEnabled());
        QVERIFY(home->mnu_Printer->isEnabled());
        QVERIFY(home->mnu_About->isEnabled());
        QVERIFY(home->mnu_GeneralHelp->isEnabled());
    }

    void examplesKeepHiddenValues() {
        ScriptedMessages messages;
        frm_HomeScreen* home = Home_Screen();
        frm_Matrix* matrix = Matrix_Screen();
        When_Modal_Shown(matrix, [matrix] {
            QCOMPARE(matrix->txt_equations->text(), QStringLiteral(" 9"));
            QCOMPARE(matrix->findChild<QLineEdit*>(QStringLiteral("txt_Var[8]"))->text(),
                     QStringLiteral("Y 9"));
            QTest::mouseClick(matrix->cmd_Cancel, Qt::LeftButton);
        });
        home->mnu_ex11_03->trigger();
        When_Modal_Shown(matrix, [matrix] {
            QCOMPARE(matrix->txt_equations->text(), QStringLiteral(" 3"));
            matrix->txt_equations->selectAll();
            QTest::keyClicks(matrix->txt_equations, QStringLiteral("9"));
            // Outside the 3 × 3 block, Example 11-3's values are back: A(6,4) and C(9).
            QCOMPARE(matrix->findChild<QLineEdit*>(QStringLiteral("txt_row1[83]"))->text(),
                     QStringLiteral(" 3.673"));
            QCOMPARE(matrix->findChild<QLineEdit*>(QStringLiteral("txt_C[8]"))->text(),
                     QStringLiteral(" 101.031"));
            QVERIFY(matrix->findChild<QLineEdit*>(QStringLiteral("txt_row1[83]"))->isVisible());
            QTest::mouseClick(matrix->cmd_Cancel, Qt::LeftButton);
        });
        home->mnu_test->trigger();
        QCOMPARE(Num_Equations, int16_t(9));
    }
};

QTEST_MAIN(HomeScreenTest)
#include "frm_homescreen_test.moc"
