#include "screens/shell/qt_message_service.h"

#include "base/app_globals.h"
#include "text/line_ends.h"

#include <QApplication>
#include <QMessageBox>

namespace korvel {

namespace {
QMessageBox::Icon Qt_Icon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons Qt_Buttons(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OK:
        return QMessageBox::Ok;
    case MsgButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}
} // namespace

MsgAnswer QtMessageService::Show(const QString& text, MsgIcon icon, MsgButtons buttons) {
    const QString title = Program_Name.isEmpty() ? QStringLiteral("KORVEL") : Program_Name;
    QMessageBox box(Qt_Icon(icon), title, Lf_Lines(text), Qt_Buttons(buttons),
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // The pointer may show the hourglass while a command works; a question needs the arrow.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    QApplication::restoreOverrideCursor();
    // The program ended while the box was open (a termination signal closes every event
    // loop): nobody chose the button it gives back.
    if (Nobody_Answers()) return Cautious_Answer(buttons);
    switch (answer) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::OK;
    }
}

} // namespace korvel
