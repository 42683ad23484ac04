#include "base/report_error.h"

#include "base/shell_actions.h"

#include <new>

namespace korvel {

namespace {
const QString CRLF = QStringLiteral("\r\n");

QString Memory_Advice(const QString& whatToClear) {
    return QStringLiteral("You should try to save your model from the Home Screen's 'File' "
                          "pulldown menu, ") +
           CRLF + QStringLiteral("then Quit this program and restart it to clear the ") +
           whatToClear + QStringLiteral(".") + CRLF +
           QStringLiteral("It may help to close other programs that are running at the same "
                          "time.") +
           CRLF + QStringLiteral("Good luck! ");
}
} // namespace

ErrorReport Compose_Error_Report(int32_t number, const QString& description, const QString& label) {
    ErrorReport report{QStringLiteral("Error ") + QString::number(number) + QStringLiteral("   (") +
                           description + QStringLiteral(")  has occurred in ") + label + CRLF +
                           CRLF,
                       MsgIcon::Information, false};
    switch (number) {
    case Err::OutOfMemory:
        report.text += Memory_Advice(QStringLiteral("memory"));
        report.icon = MsgIcon::None;
        report.showsHomeScreen = true;
        break;
    case Err::OutOfStack:
        report.text += Memory_Advice(QStringLiteral("stacks"));
        break;
    case Err::BadFileNameOrNumber:
        report.text += QStringLiteral(
            "The filename clicked on has a problem.  Try opening it from within the program.");
        break;
    case Err::FileNotFound:
    case Err::BadFileName:
        report.text +=
            QStringLiteral("There are no files with your chosen name in the selected directory");
        break;
    case Err::DeviceIoError:
        report.text += QStringLiteral("Device I/O error- bad drive or disk - please try another");
        break;
    case Err::DiskFull:
        report.text +=
            QStringLiteral(" The floppy disk in the drive is full - please substitute another");
        break;
    case Err::DiskNotReady:
        report.text += QStringLiteral("Disk not ready - is the drive empty or its door open?");
        break;
    case Err::OutOfMemoryAlt:
        report.text += QStringLiteral("Out of memory.  Close other programs and retry.");
        break;
    default:
        break;
    }
    return report;
}

void Report_Error(int32_t number, const QString& description, const QString& label) {
    const ErrorReport report = Compose_Error_Report(number, description, label);
    MsgBox(report.text, report.icon, MsgButtons::OK);
    ShellActions* actions = Shell_Actions();
    if (!actions) return;
    if (report.showsHomeScreen) actions->Show_Home_Screen();
    actions->Reset_Pointer();
}

void Report_Error(const RuntimeError& error, const QString& label) {
    Report_Error(error.number(), error.description(), label);
}

RuntimeError Current_Error(std::exception_ptr thrown) {
    try {
        std::rethrow_exception(thrown);
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError(Err::OutOfMemory);
    } catch (const std::exception& other) {
        return RuntimeError(Err::InternalError, Error_Description(Err::InternalError) +
                                                    QStringLiteral(": ") +
                                                    QString::fromLocal8Bit(other.what()));
    } catch (...) {
        return RuntimeError(Err::InternalError);
    }
}

} // namespace korvel
