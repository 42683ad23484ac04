#include "session/recovery.h"

#include "base/app_globals.h"
#include "base/messages.h"
#include "base/report_error.h"
#include "base/save_file.h"
#include "files/model_file.h"
#include "files/model_io.h"
#include "model/mod_matrix.h"
#include "session/run_check.h"
#include "session/show_results.h"
#include "session/terminate.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace korvel {

QString Recovery_File_Name() {
    return User_Data_Folder() + QStringLiteral("Recovered_Model.kvl");
}

namespace {
bool work_changed = false; // since the model was last saved or opened
std::function<QByteArray()> recovery_source;

// Writes the recovery file where there is a model to keep; a failure throws.
bool Keep_Model() {
    if (!work_changed && (!Solved || Data_Saved)) return false;
    const QByteArray content = recovery_source ? recovery_source() : Model_File_Content();
    QSaveFile file(Recovery_File_Name());
    Open_For_Saving(file);
    Write_And_Commit(file, content);
    return true;
}
} // namespace

bool Write_Recovery_File() {
    // Silent: it runs after every Solve and every change, and a folder that refuses it must
    // not nag then.
    try {
        return Keep_Model();
    } catch (...) {
        return false;
    }
}

QString Recovered_Model_Question() {
    const QChar CR(13);
    return QStringLiteral("   ") + Program_Name +
           QStringLiteral(" ended before the model it held was saved.") + CR +
           QStringLiteral("   The model was kept in ") +
           QDir::toNativeSeparators(Recovery_File_Name()) + CR + CR +
           QStringLiteral("   Do you want to open it now? (No discards it.)");
}

void Offer_Recovered_Model() {
    const QString recovery = Recovery_File_Name();
    // A program already ending asks nothing: the kept model waits for the next start.
    if (Program_Ending() || !QFile::exists(recovery)) return;
    work_changed = false;
    const MsgAnswer answer =
        MsgBox(Recovered_Model_Question(), MsgIcon::Question, MsgButtons::YesNo);
    // Ended while asking (a logout): nobody answered, so nothing is discarded.
    if (Program_Ending()) return;
    if (answer == MsgAnswer::Yes) {
        With_Handler(QStringLiteral("Open_Recovered_Model"), [&] {
            // File_Path and File_Name stay as they are: the recovery file is no place to save.
            Show_Read_Result(Read_Model_File(recovery), recovery);
            Data_Saved = false;
        });
    }
    QFile::remove(recovery);
    // Opened again, it is unsaved work until saved: kept by the next change or signal.
    work_changed = answer == MsgAnswer::Yes;
}

void Keep_Changed_Work() {
    work_changed = true;
    Write_Recovery_File();
}

void Set_Recovery_Source(std::function<QByteArray()> source) {
    recovery_source = std::move(source);
}

void Forget_Recovery_File() {
    work_changed = false;
    QFile::remove(Recovery_File_Name());
}

void Quit_On_System_Request() {
    if (Program_Ending()) return;
    // Nobody is there to answer: a failure on the way out goes to standard error, and a box
    // still open when the program ends closes unanswered.
    Set_Nobody_Answers(true);
    With_Handler(QStringLiteral("Quit_On_System_Request"), [] { Keep_Model(); });
    Terminate();
}

} // namespace korvel
