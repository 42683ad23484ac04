// The home screen's desktop conventions: shortcut keys, the extension added on saving,
// Open Recent, files dropped on the home and entry screens, and the report as a PDF file,
// also offered when no printer is installed.
#include "base/app_globals.h"
#include "files/model_io.h"
#include "model/entry_view.h"
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/entry/frm_matrix.h"
#include "screens/entry/matrix_box.h"
#include "screens/home/frm_homescreen.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "session/recent_files.h"
#include "session/save_name.h"
#include "session/show_results.h"
#include "support/file_command_helpers.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

#include <QAction>
#include <QMenu>
#include <QMimeData>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace korvel;
using korvel::testing::Close_Entry_Screen_When_Shown;
using korvel::testing::File_Bytes;
using korvel::testing::ScriptedDialogs;
using korvel::testing::ScriptedMessages;
using korvel::testing::Solve_Default;

class DesktopCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QTemporaryDir store;
    QString Path(const QString& name) const { return dir.filePath(name); }

    // A model file of n equations that solves, saved by the program itself.
    QString Model_File(const QString& name, int16_t n) {
        ScriptedMessages quiet;
        const int16_t kept = Num_Equations;
        Num_Equations = n, Last_Index = static_cast<int16_t>(n - 1);
        for (int i = kept + 1; i <= n; ++i)
            A_Matrix[i][i] = 1, C_Vector[i] = i;
        const QString path = Path(name);
        Write_Model_File(path);
        Num_Equations = kept, Last_Index = static_cast<int16_t>(kept - 1);
        return path;
    }

    static QStringList Recent_Menu() {
        Home_Screen()->Refresh_Recent_Menu();
        QStringList names;
        for (QAction* item : Home_Screen()->mnu_Recent->actions())
            names << item->objectName() + QLatin1Char('=') + item->text();
        return names;
    }

    static void Drop(QWidget* target, const QString& path, bool* accepted = nullptr) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        mime.setText(path);
        const QPoint at(target->width() / 2, target->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (accepted) *accepted = enter.isAccepted();
        if (!enter.isAccepted()) return;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

  private slots:
    void initTestCase() { qputenv("KORVEL_REGISTRY_DIR", QFile::encodeName(store.path())); }

    void init() {
        Set_Identity();
        Title_Caption = Build_Title_Caption();
        First_Activate = false;
        Data_Saved = false;
        Project_ID = QStringLiteral(" Acme");
        File_Path = dir.path() + QLatin1Char('/');
        Solved = false;
        Connect_Screens_To_Model();
        Initialize();
        for (const QString& file : Recent_Files())
            Forget_Recent_File(file);
        Home_Screen();
    }
    void cleanup() { Unload_All_Forms(); }

    void shortcutsShownOnTheMenuItemsWithTheirCaptions() {
        frm_HomeScreen* home = Home_Screen();
        const std::tuple<QAction*, const char*, const char*> items[] = {
            {home->mnu_Open, "&Open", "Ctrl+O"},
            {home->mnu_Save, "&Save", "Ctrl+S"},
            {home->mnu_Saveas, "Save &as", "Ctrl+Shift+S"},
            {home->mnu_Printer, "to Prin&ter", "Ctrl+P"},
            {home->mnu_Quit, "&Quit", "Ctrl+Q"},
            {home->mnu_GeneralHelp, "General", "F1"}};
        for (const auto& [action, caption, keys] : items) {
            QCOMPARE(action->text(), QLatin1String(caption));
            QCOMPARE(action->shortcut().toString(), QLatin1String(keys));
        }
        QCOMPARE(home->mnu_Recent->title(), QStringLiteral("Open &Recent"));
        // The items added to the menus have mnemonics, none taken twice in a menu.
        for (QAction* added : {home->mnu_Preview, home->mnu_PdfFile, home->mnu_Import,
                               home->mnu_Recent->menuAction(), home->mnu_ExactCheck})
            QVERIFY2(!QKeySequence::mnemonic(added->text()).isEmpty(), qPrintable(added->text()));
        for (const QMenu* menu : home->findChildren<QMenu*>()) {
            QSet<QKeySequence> letters;
            for (const QAction* action : menu->actions()) {
                const QKeySequence letter = QKeySequence::mnemonic(action->text());
                if (letter.isEmpty()) continue;
                QVERIFY2(!letters.contains(letter), qPrintable(action->text()));
                letters.insert(letter);
            }
        }

        // The keys reach the commands, and only the commands the model allows.
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        home->show();
        home->Activate();
        QVERIFY(QTest::qWaitForWindowActive(home));
        QTest::keyClick(home, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(dialogs.fileDialogs, 1); // cancelled
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Open a model"));
        QTest::keyClick(home, Qt::Key_P, Qt::ControlModifier); // nothing solved: no report
        QCOMPARE(dialogs.printerDialogs, 0);

        // Solved, the home screen becomes active anew and follows the model.
        Unload_All_Forms();
        home = Home_Screen();
        Solve_Default();
        home->show();
        home->Activate();
        QVERIFY(QTest::qWaitForWindowActive(home));
        QTest::keyClick(home, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(dialogs.printerDialogs, 1);
        Data_Saved = true; // Quit asks nothing more than its confirmation
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QWidget* quit = QApplication::activeModalWidget();
            QCOMPARE(quit->objectName(), QStringLiteral("frm_Quit"));
            QTest::keyClick(quit, Qt::Key_Escape); // "< No"
        });
        QTest::keyClick(home, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(home->isVisible());
    }

    void saveAsAndExportAddTheirExtensionAndAskAboutTheFinalName() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        dialogs.Answer_File(Path(QStringLiteral("truss")));
        QVERIFY(Home_Screen()->mnu_Saveas_Click());
        QVERIFY(QFile::exists(Path(QStringLiteral("truss.kvl"))));
        QVERIFY(!QFile::exists(Path(QStringLiteral("truss"))));
        QCOMPARE(File_Path, Path(QStringLiteral("truss.kvl")));
        QCOMPARE(File_Name, QStringLiteral("truss"));
        QCOMPARE(messages.Texts().back(),
                 QStringLiteral("File was successfully written to \r") + File_Path);

        // The extension makes it an existing file: No keeps that file and saves nothing.
        QFile old(Path(QStringLiteral("bridge.kvl")));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old model");
        old.close();
        messages.shown.clear();
        messages.Answer(MsgAnswer::No);
        dialogs.Answer_File(Path(QStringLiteral("bridge")));
        QVERIFY(!Home_Screen()->mnu_Saveas_Click());
        QCOMPARE(messages.Texts(),
                 std::vector<QString>{Replace_File_Question(Path(QStringLiteral("bridge.kvl")))});
        QCOMPARE(File_Bytes(Path(QStringLiteral("bridge.kvl"))), QByteArray("old model"));
        QCOMPARE(File_Path, Path(QStringLiteral("truss.kvl")));

        dialogs.Answer_File(Path(QStringLiteral("results")));
        Home_Screen()->mnu_Export_Click();
        QVERIFY(File_Bytes(Path(QStringLiteral("results.txt"))).contains("Y 1"));
        QCOMPARE(File_Path, Path(QStringLiteral("truss.kvl")));
    }

    void openRecentListsOpenedAndSavedFilesAndDropsMissingOnes() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        QVERIFY(!Home_Screen()->mnu_Recent->menuAction()->isEnabled());
        const QString four = Model_File(QStringLiteral("four.kvl"), 4);
        const QString five = Path(QStringLiteral("five & more.kvl"));
        dialogs.Answer_File(four);
        Close_Entry_Screen_When_Shown();
        Home_Screen()->mnu_Open_Click();
        Solve_Default();
        Num_Equations = 5, Last_Index = 4;
        A_Matrix[5][5] = 1;
        Solve_Default();
        dialogs.Answer_File(five);
        QVERIFY(Home_Screen()->mnu_Saveas_Click());
        // Enabled at once: a disabled menu is never about to show, so never filled then.
        QVERIFY(Home_Screen()->mnu_Recent->menuAction()->isEnabled());
        QCOMPARE(Recent_Menu(), QStringList({"mnu_Recent[0]=&1 " + QString(five).replace("&", "&&"),
                                             "mnu_Recent[1]=&2 " + four}));
        QVERIFY(Home_Screen()->mnu_Recent->menuAction()->isEnabled());

        QVERIFY(QFile::remove(four));
        messages.shown.clear();
        Home_Screen()->findChild<QAction*>(QStringLiteral("mnu_Recent[1]"))->trigger();
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("The file ") + four +
                                                  QStringLiteral(" no longer exists.")));
        QCOMPARE(Recent_Files(), QStringList({five}));

        // A solved model never saved is offered for saving before the recent file opens.
        Data_Saved = false;
        Solve_Default();
        Num_Equations = 2, Last_Index = 1;
        messages.shown.clear();
        messages.Answer(MsgAnswer::No);
        Close_Entry_Screen_When_Shown();
        Home_Screen()->findChild<QAction*>(QStringLiteral("mnu_Recent[0]"))->trigger();
        QVERIFY(messages.shown.at(0).text.startsWith(QStringLiteral("The current data has not")));
        QCOMPARE(Num_Equations, int16_t(5));
        QCOMPARE(File_Path, five);
    }

    void droppedModelFileOpensOnTheHomeAndTheEntryScreen() {
        ScriptedMessages messages;
        const QString four = Model_File(QStringLiteral("four.kvl"), 4);
        const QString six = Model_File(QStringLiteral("six.kvl"), 6);
        Home_Screen()->show();
        bool accepted = false;
        Drop(Home_Screen(), Path(QStringLiteral("notes.doc")), &accepted);
        QVERIFY(!accepted);
        Drop(Home_Screen(), four, &accepted);
        QVERIFY(accepted);
        Close_Entry_Screen_When_Shown(); // after the open, which waits for the drag to end
        QTRY_COMPARE(Num_Equations, int16_t(4));
        QCOMPARE(Recent_Files().value(0), four);

        // On the entry screen, over a box: the screen shows the new model where it stands.
        frm_Matrix* matrix = Matrix_Screen();
        bool shownAgain = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(matrix->isVisible());
            Drop(matrix->txt_row1[0], six, &accepted);
            QTRY_COMPARE(Num_Equations, int16_t(6));
            QTRY_VERIFY(matrix->txt_C[5]->isVisible());
            shownAgain = matrix->isVisible() && matrix->txt_equations->text() == " 6";
            matrix->hide();
        });
        Home_Screen()->cmd_Input_Click();
        QVERIFY(accepted);
        QVERIFY(shownAgain);
        QVERIFY(!matrix->isVisible());
    }

    // A system text file dropped on the home screen is imported as File > Import... does,
    // after the question about the solved model that was never saved.
    void droppedSystemTextIsImportedAfterTheUnsavedQuestion() {
        ScriptedMessages messages;
        const QString csv = Path(QStringLiteral("frame.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("2,1,3\n1,3,5\n");
        file.close();
        Solve_Default();
        Data_Saved = false;
        messages.Answer(MsgAnswer::No); // do not save first
        Home_Screen()->show();
        bool accepted = false;
        Drop(Home_Screen(), csv, &accepted);
        QVERIFY(accepted);
        Close_Entry_Screen_When_Shown();
        QTRY_COMPARE(Num_Equations, int16_t(2));
        QCOMPARE(A_Matrix[1][1], 2.0);
        QCOMPARE(C_Vector[2], 5.0);
        QVERIFY(!messages.shown.empty());
        QCOMPARE(messages.shown[0].buttons, MsgButtons::YesNo);
    }

    void pdfFileHoldsTheReportAsText() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        Var_Name[2] = QStringLiteral("tension");
        dialogs.Answer_File(Path(QStringLiteral("report")));
        Home_Screen()->mnu_PdfFile->trigger();
        const QString pdf = Path(QStringLiteral("report.pdf"));
        QCOMPARE(messages.Texts(),
                 std::vector<QString>{QStringLiteral("File was successfully written to \r") + pdf});
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Print the Report to a PDF File"));
        QCOMPARE(dialogs.lastSuggestedName, File_Name + QStringLiteral(".pdf"));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString out = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* expected : {"KORVEL", "Variable", "Value", "tension", "Acme"})
            QVERIFY2(out.contains(QLatin1String(expected)), qPrintable(expected + (" in " + out)));
    }

    void noPrinterInstalledOffersThePdf() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer installed");
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        dialogs.Answer_Printer_Pdf(ScriptedDialogs::System_Printer);
        messages.Answer(MsgAnswer::No);
        Home_Screen()->mnu_Printer->trigger();
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].buttons, MsgButtons::YesNo);
        QVERIFY(messages.shown[0].text.contains(QStringLiteral("no printer is installed")));
        QVERIFY(messages.shown[0].text.endsWith(
            QStringLiteral("Do you want to write the report to a PDF file instead?")));
        QCOMPARE(dialogs.fileDialogs, 0);

        dialogs.Answer_Printer_Pdf(ScriptedDialogs::System_Printer);
        dialogs.Answer_File(Path(QStringLiteral("instead.pdf")));
        messages.Answer(MsgAnswer::Yes);
        Home_Screen()->Printer_Command(QStringLiteral("cmd_Printer"));
        QVERIFY(File_Bytes(Path(QStringLiteral("instead.pdf"))).startsWith("%PDF"));
    }
};

QTEST_MAIN(DesktopCommandsTest)
#include "desktop_commands_test.moc"
