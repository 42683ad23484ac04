// The system ends the program while a box is open: the box closes unanswered, the program
// takes its orderly way out, and what fails on the way is told on standard error, never in
// a box that nobody will answer. The real watcher, signal and message boxes, offscreen.
#include "app/system_quit.h"
#include "base/app_globals.h"
#include "model/mod_matrix.h"
#include "screens/shell/qt_message_service.h"
#include "session/recovery.h"
#include "session/terminate.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <unistd.h>

using namespace korvel;

class SystemQuitTest : public QObject {
    Q_OBJECT

  private slots:
    void aSignalClosesTheOpenBoxAndEnds_data() {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("recoveryQuestion");
        QTest::newRow("SIGTERM") << true << false;
        QTest::newRow("SIGTERM, folder refuses") << false << false;
        QTest::newRow("SIGTERM, recovery question") << true << true;
    }

    void aSignalClosesTheOpenBoxAndEnds() {
        QFETCH(bool, folderWritable);
        QFETCH(bool, recoveryQuestion);
        QTemporaryDir dir;
        // A plain file where the folder should be refuses every write, even root's.
        QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        const QString folder = dir.filePath(folderWritable ? "data" : "file/data");
        qputenv("XDG_DATA_HOME", folder.toLocal8Bit());
        Checkfile_Name = folder + QStringLiteral("/Run_Check.txt");
        Solved = true, Data_Saved = false; // an unsaved model for the recovery file
        QVERIFY(!recoveryQuestion || Write_Recovery_File());
        Solved = !recoveryQuestion; // at start-up nothing is solved yet

        QtMessageService boxes;
        Set_Message_Service(&boxes);
        Set_Program_Ender([] { QCoreApplication::exit(0); }); // as main() has it
        SystemQuitWatcher watcher;
        int strayBoxes = 0;
        QTimer::singleShot(300, [] { ::raise(SIGTERM); });
        QTimer::singleShot(3000, [&] { // a box opened on the way out waits for nobody
            for (QWidget* window : QApplication::topLevelWidgets())
                if (qobject_cast<QMessageBox*>(window) && window->isVisible())
                    ++strayBoxes, window->hide();
        });
        QTemporaryFile errors;
        QVERIFY(errors.open());
        const int standardError = ::dup(2);
        ::dup2(errors.handle(), 2);
        const MsgAnswer answer = recoveryQuestion ? (Offer_Recovered_Model(), MsgAnswer::No)
                                                  : MsgBox(QStringLiteral("Save first?"),
                                                           MsgIcon::Question, MsgButtons::YesNo);
        ::dup2(standardError, 2);
        ::close(standardError);
        Set_Message_Service(nullptr);
        errors.seek(0); // from the start, not from where standard error left off
        const QString told = QString::fromLocal8Bit(errors.readAll());

        QCOMPARE(strayBoxes, 0);
        QVERIFY(Program_Ending());
        QCOMPARE(answer, MsgAnswer::No);
        QFile checkfile(Checkfile_Name);
        QCOMPARE(checkfile.open(QIODevice::ReadOnly), folderWritable);
        QVERIFY2(folderWritable ? checkfile.readLine().startsWith("\"Normal Exit\"")
                                : told.contains(QStringLiteral("in Terminate")),
                 qPrintable(told));
        if (recoveryQuestion) QVERIFY(QFile::exists(Recovery_File_Name()));
    }

    void cleanup() {
        Set_Program_Ender(nullptr);
        Checkfile_Name.clear();
        Solved = false;
        // Leaving every event loop stays in force until an application loop has run once.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
};

QTEST_MAIN(SystemQuitTest)
#include "system_quit_test.moc"
