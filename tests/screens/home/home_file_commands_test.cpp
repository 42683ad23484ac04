// The File menu through the home screen: New, Open, Save, Save as, Export, and the
// printed report, with scripted dialogs and message boxes.
#include "base/app_globals.h"
#include "model/entry_view.h"
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "screens/entry/frm_matrix.h"
#include "screens/home/frm_homescreen.h"
#include "screens/printing/print_form.h"
#include "screens/shell/forms.h"
#include "screens/shell/model_screens.h"
#include "session/show_results.h"
#include "support/file_command_helpers.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

#include <QAction>
#include <QFile>
#include <QPrinterInfo>
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

class HomeFileCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Path(const QString& name) const { return dir.filePath(name); }

  private slots:
    void init() {
        Set_Identity();
        Title_Caption = Build_Title_Caption();
        First_Activate = false;
        Data_Saved = false;
        Project_ID = QStringLiteral(" Acme");
        File_Path = dir.path() + QLatin1Char('/');
        Solved = false; // as at start-up: loading the entry screen must not clear the model
        Connect_Screens_To_Model();
        Set_Entry_Screen_Opener([] { Matrix_Screen()->Show_Modal(); });
        Initialize();
        Home_Screen(); // loaded at start-up, before anything is solved
    }
    void cleanup() {
        Unload_All_Forms();
        Set_Entry_Screen_Opener(nullptr);
    }

    void saveAsThenSaveWritesSilentlyToTheSameFile() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        dialogs.Answer_File(Path(QStringLiteral("truss.kvl")));
        Home_Screen()->mnu_Saveas->trigger();
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Save the Model"));
        QCOMPARE(dialogs.lastFilter, QStringLiteral("*.kvl"));
        QCOMPARE(dialogs.lastSuggestedName, QStringLiteral("Korvel 1.kvl"));
        QVERIFY(Data_Saved);
        QCOMPARE(File_Name, QStringLiteral("truss"));
        QCOMPARE(File_Path, Path(QStringLiteral("truss.kvl")));
        // The file keeps the name the model had when it was saved.
        QVERIFY(File_Bytes(File_Path).startsWith(
            "\"KORVEL\"\r\n\"9.0\"\r\n\"Korvel 1\"\r\n\" Acme\"\r\n1\r\n"));

        A_Matrix[1][1] = 42;
        Home_Screen()->mnu_Save->trigger();
        QCOMPARE(dialogs.fileDialogs, 1); // no second dialog
        QVERIFY(File_Bytes(File_Path).contains("\r\n42\r\n"));
        QCOMPARE(messages.Texts(),
                 (std::vector<QString>{
                     QStringLiteral("File was successfully written to \r") + File_Path,
                     QStringLiteral("File was successfully written to \r") + File_Path}));
    }

    void saveOnANeverSavedModelIsSaveAsAndCancelWritesNothing() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        dialogs.Answer_File(QString()); // Cancel
        Home_Screen()->mnu_Save->trigger();
        QCOMPARE(dialogs.fileDialogs, 1);
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Save the Model"));
        QVERIFY(!Data_Saved);
        QVERIFY(messages.shown.empty());
    }

    void openCancelKeepsTheEquationsAndOpenReadsTheFile() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        dialogs.Answer_File(QString());
        Home_Screen()->mnu_Open->trigger();
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Open a model"));
        QCOMPARE(dialogs.lastFilter,
                 QStringLiteral("Korvel for Windows (*.kvl)|*.kvl | All (*.*)|*.*|"));
        QCOMPARE(A_Matrix[1][1], -2.0); // Cancel threw nothing away
        QVERIFY(messages.shown.empty());

        // Save the default set under another name, change the model, open the file again.
        dialogs.Answer_File(Path(QStringLiteral("bridge.kvl")));
        Home_Screen()->mnu_Saveas->trigger();
        A_Matrix[1][1] = 7;
        Num_Equations = 5;
        dialogs.Answer_File(Path(QStringLiteral("bridge.kvl")));
        Close_Entry_Screen_When_Shown();
        Home_Screen()->mnu_Open->trigger();
        QCOMPARE(Num_Equations, int16_t(3));
        QCOMPARE(A_Matrix[1][1], -2.0);
        QCOMPARE(File_Name, QStringLiteral("bridge"));
        QVERIFY(!Solved);
        QCOMPARE(messages.Texts().back(), QStringLiteral("File ") +
                                              Path(QStringLiteral("bridge.kvl")) +
                                              QStringLiteral(" successfully read."));
        QVERIFY(Home_Screen()->mnu_New->isEnabled());
    }

    void refusedOrFailedFilesNeverBecomeTheFileThatSaveWrites() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        dialogs.Answer_File(Path(QStringLiteral("truss.kvl")));
        Home_Screen()->mnu_Saveas->trigger();
        QVERIFY(Data_Saved);
        const QString trussPath = File_Path;

        // Another version's file is refused: the model, File_Path and File_Name stay.
        const QString otherVersion = Path(QStringLiteral("v8copy.kvl"));
        const QByteArray v8 = "\"KORVEL\"\r\n\"8.0\"\r\n\"m\"\r\n";
        QFile file(otherVersion);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(v8);
        file.close();
        messages.shown.clear();
        dialogs.Answer_File(otherVersion);
        Home_Screen()->mnu_Open->trigger();
        QCOMPARE(messages.Texts(),
                 std::vector<QString>{QStringLiteral(
                     "This data file is not compatible with this version of KORVEL. ")});
        QCOMPARE(File_Path, trussPath);
        QCOMPARE(File_Name, QStringLiteral("truss"));
        QCOMPARE(A_Matrix[1][1], -2.0);
        QCOMPARE(Num_Equations, int16_t(3));
        Home_Screen()->mnu_Save->trigger();
        QCOMPARE(File_Bytes(otherVersion), v8);

        // A Save As that cannot create its file keeps the model's file.
        messages.shown.clear();
        dialogs.Answer_File(Path(QStringLiteral("no such folder/x.kvl")));
        Home_Screen()->mnu_Saveas->trigger();
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral("Error 76")));
        QCOMPARE(File_Path, trussPath);

        // A file cut short is reported, never confirmed; its part in the model must not go
        // silently into the old file.
        const QString cut = Path(QStringLiteral("cut.kvl"));
        QFile cutFile(cut);
        QVERIFY(cutFile.open(QIODevice::WriteOnly));
        cutFile.write(File_Bytes(trussPath).left(60));
        cutFile.close();
        messages.shown.clear();
        dialogs.Answer_File(cut);
        Close_Entry_Screen_When_Shown();
        Home_Screen()->mnu_Open->trigger();
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY(messages.shown[0].text.startsWith(
            QStringLiteral("Error 62   (Input past end of file: ") + cut +
            QStringLiteral(" line ")));
        QCOMPARE(File_Path, trussPath);
        QVERIFY(!Data_Saved);
    }

    void unsavedSolvedModelIsOfferedForSavingBeforeNewAndOpen() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        messages.Answer(MsgAnswer::No);     // do not save
        messages.Answer(MsgAnswer::Cancel); // do not reset
        Home_Screen()->mnu_New->trigger();
        QCOMPARE(messages.shown.size(), size_t(2));
        QCOMPARE(messages.shown[0].text,
                 QStringLiteral("The current data has not been saved.  Do you "
                                "want to save it before resetting?"));
        QCOMPARE(messages.shown[0].buttons, MsgButtons::YesNo);
        QCOMPARE(messages.shown[1].text, QStringLiteral("Please confirm your order to reset all "
                                                        "variables to initial values"));
        QCOMPARE(A_Matrix[1][1], -2.0); // Cancel: nothing changed

        messages.Answer(MsgAnswer::Yes); // save first
        dialogs.Answer_File(Path(QStringLiteral("kept.kvl")));
        messages.Answer(MsgAnswer::OK); // the "written" message
        messages.Answer(MsgAnswer::OK); // confirm the reset
        Home_Screen()->mnu_New->trigger();
        QVERIFY(QFile::exists(Path(QStringLiteral("kept.kvl"))));
        QVERIFY(Data_Saved);
        QCOMPARE(A_Matrix[1][1], 0.0);
        QCOMPARE(Num_Equations, int16_t(3)); // the count and names stay
        QCOMPARE(Var_Name[2], QStringLiteral("Y 2"));

        // Once saved, the question is not asked again even after another solve.
        Load_Test_Matrix();
        Solve_Default();
        const size_t before = messages.shown.size();
        dialogs.Answer_File(QString());
        Home_Screen()->mnu_Open->trigger();
        QCOMPARE(messages.shown.size(), before);
    }

    void exportNeedsASolutionAndKeepsTheModelPath() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Home_Screen()->mnu_Export->trigger();
        QCOMPARE(messages.Texts(),
                 std::vector<QString>{QStringLiteral(
                     "The current model is blank.  There is nothing to export.  Use Input button "
                     "to calculate the model, then export")});
        QCOMPARE(dialogs.fileDialogs, 0);

        Solve_Default();
        File_Name = QStringLiteral("truss");
        const QString modelPath = File_Path;
        dialogs.Answer_File(Path(QStringLiteral("truss.txt")));
        Home_Screen()->mnu_Export->trigger();
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Export Data to a Text File"));
        QCOMPARE(dialogs.lastFilter, QStringLiteral("*.txt"));
        QCOMPARE(dialogs.lastSuggestedName, QStringLiteral("truss.txt"));
        const QList<QByteArray> lines = File_Bytes(Path(QStringLiteral("truss.txt"))).split('\n');
        QCOMPARE(lines.size(),
                 3 + 3 + 1); // three lines, three results, nothing after the last CR LF
        QVERIFY(lines[0].startsWith("KORVEL\tFile: \ttruss\t\tDesign #\t 1 \r"));
        QCOMPARE(File_Path, modelPath); // a later Save does not overwrite the export
    }

    void printerReportCancelIsSilentAndPrintingMakesAPdf() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        Home_Screen()->show();
        Home_Screen()->Activate();
        messages.shown.clear();
        dialogs.Answer_Printer_Pdf(QString());
        QTest::mouseClick(Home_Screen()->cmd_Printer, Qt::LeftButton);
        QVERIFY(messages.shown.empty());

        const QString pdf = Path(QStringLiteral("report.pdf"));
        dialogs.Answer_Printer_Pdf(pdf);
        Home_Screen()->mnu_Printer->trigger();
        QVERIFY(messages.shown.empty());
        QVERIFY(File_Bytes(pdf).startsWith("%PDF"));
    }

    void printingWithNoPrinterInstalledSaysSo() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("this machine has a printer installed");
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        Home_Screen()->show();
        Home_Screen()->Activate();
        messages.shown.clear();
        dialogs.Answer_Printer_Pdf(ScriptedDialogs::System_Printer);
        QTest::mouseClick(Home_Screen()->cmd_Printer, Qt::LeftButton);
        QCOMPARE(messages.shown.size(), size_t(1));
        QVERIFY(messages.shown[0].text.startsWith(QStringLiteral(
            "Error 68   (Device unavailable: no printer is installed on this computer)")));
        // The printed screen image says so too.
        messages.shown.clear();
        messages.Answer(MsgAnswer::Yes); // print directly
        dialogs.Answer_Printer_Pdf(ScriptedDialogs::System_Printer);
        Print_Form_Command(Home_Screen(), QStringLiteral("frm_Plot1.PrintForm"));
        QCOMPARE(messages.shown.size(), size_t(2));
        QVERIFY(messages.shown[1].text.contains(QStringLiteral("no printer is installed")));
    }

    void quitOffersSaveAsForASolvedUnsavedModel() {
        ScriptedMessages messages;
        ScriptedDialogs dialogs;
        Solve_Default();
        dialogs.Answer_File(QString()); // cancel the save; the quit question still comes
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget() || true);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("frm_Quit") && w->isVisible()) w->hide();
        });
        Home_Screen()->cmd_Quit_Click();
        QCOMPARE(dialogs.fileDialogs, 1);
        QCOMPARE(dialogs.lastTitle, QStringLiteral("Save the Model"));
    }
};

QTEST_MAIN(HomeFileCommandsTest)
#include "home_file_commands_test.moc"
