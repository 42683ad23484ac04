#include "session/run_check.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/read_file.h"
#include "base/report_error.h"
#include "base/save_file.h"
#include "files/record_reader.h"
#include "platform/system_names.h"
#include "session/terminate.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace korvel {

namespace {

const QChar CR(13);
const QString CRLF = QStringLiteral("\r\n");

void Write_Record(const QString& first, const QString& third, const QString& fourth,
                  QString& context) {
    context = QStringLiteral(" when opening Checkfile");
    QSaveFile file(Checkfile_Name);
    Open_For_Saving(file);
    context = QStringLiteral(" when writing Checkfile");
    const QString text = QLatin1Char('"') + first + QLatin1Char('"') + CRLF + CRLF +
                         QLatin1Char('"') + third + QLatin1Char('"') + CRLF + QLatin1Char('"') +
                         fourth + QLatin1Char('"') + CRLF;
    Write_And_Commit(file, text.toUtf8());
}

} // namespace

QString Second_Copy_Message() {
    return QStringLiteral("   You double-clicked on a ") + Program_Name +
           QStringLiteral(" data file when the program was already running.") + CR +
           QStringLiteral("   You cannot have two instances of ") + Program_Name +
           QStringLiteral(" running at once.") + CR + CR +
           QStringLiteral("   Please open the data file from within ") + Program_Name +
           QStringLiteral(" with File/Open  ") + CR;
}

QString Improper_Shutdown_Message() {
    return QStringLiteral("   The program did not shut down properly on its last run.     ") + CR +
           CR + QStringLiteral("            This problem will now be corrected.") + CR + CR +
           QStringLiteral("   To avoid this problem in the future, please use the   ") + CR +
           QStringLiteral("   Quit button or File/Quit menu to stop the program.   ") + CR;
}

QString Saved_Files_Folder() {
    return QDir(Get_Documents_Folder()).filePath(Program_Name.left(7)) + QLatin1Char('/');
}

QString Checkfile_Folder(const QString& appPath) {
    const QFileInfo folder(appPath);
    if (folder.isDir() && folder.isWritable()) return appPath;
    return User_Data_Folder();
}

QString User_Data_Folder() {
    QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) data = QDir::home().filePath(QStringLiteral(".local/share/korvel"));
    QDir().mkpath(data);
    return data + QLatin1Char('/');
}

void Write_Checkfile(QString& context) {
    // Ended during a start-up question: the normal exit is recorded and must stay.
    if (Program_Ending()) return;
    try {
        Write_Record(QStringLiteral("Running"),
                     QStringLiteral("This file records an abnormal exit from the program on last "
                                    "execution"),
                     QStringLiteral("and is checked at each startup.  Please do not move or "
                                    "delete it."),
                     context);
    } catch (...) {
        Report_Error(Current_Error(std::current_exception()),
                     QStringLiteral("Write_Checkfile ") + context);
    }
}

void Write_Normal_Exit() {
    if (Checkfile_Name.isEmpty()) return;
    QString context;
    Write_Record(QStringLiteral("Normal Exit"),
                 QStringLiteral("This file records a normal exit from the program on last run"),
                 QStringLiteral("and is checked at each startup.  Please do not move or delete."),
                 context);
}

void Check_for_Crash(const QStringList& commandLine) {
    QString context = QStringLiteral("Unknown cause");
    try {
        User_Name = Get_Login_Name();
        File_Path = Saved_Files_Folder();
        Checkfile_Name = Checkfile_Folder(App_Path) + QStringLiteral("Run_Check.txt");
        if (!QFileInfo::exists(Checkfile_Name)) {
            QDir().mkpath(File_Path); // a first start: make the saved-files folder
            Write_Checkfile(context);
            return;
        }
        context = QStringLiteral(" when opening Checkfile");
        // Read_Whole_File refuses a FIFO or device at once, so start-up never waits on one.
        const QByteArray content = Read_Whole_File(Checkfile_Name);
        context = QStringLiteral(" when reading Checkfile");
        RecordReader in(QString::fromUtf8(content));
        const QString state = in.Read_Text();
        if (state == QLatin1String("Running")) {
            if (!commandLine.join(QString()).trimmed().isEmpty()) {
                MsgBox(Second_Copy_Message());
                End_Program(); // the run-check file stays as the running copy left it
                return;
            }
            MsgBox(Improper_Shutdown_Message());
        }
        Write_Checkfile(context);
    } catch (...) {
        Report_Error(Current_Error(std::current_exception()),
                     QStringLiteral("Check_for_Crash ") + context);
    }
}

} // namespace korvel
