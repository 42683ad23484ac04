#include "session/confirm_direct_print.h"

#include "base/messages.h"

namespace korvel {

namespace {
// The key combination that copies the active window to the clipboard.
const QString Copy_Screen_Keys = QStringLiteral("Alt-PrintScrn");
} // namespace

bool Confirm_Direct_Print() {
    const QChar CR(13);
    const QString text =
        QStringLiteral("You can print this form directly to a printer from here.") + CR + CR +
        QStringLiteral("But a better quality print can be obtained by copying the") + CR +
        QStringLiteral("screen to the clipboard with the key combo ") + Copy_Screen_Keys +
        QLatin1Char(',') + CR +
        QStringLiteral("and pasting it into a word processing or graphics program,") + CR +
        QStringLiteral("then printing it from that program.") + CR + CR +
        QStringLiteral("Do you want to proceed with a direct print?");
    return MsgBox(text, MsgIcon::Information, MsgButtons::YesNo) == MsgAnswer::Yes;
}

void Show_Copy_Screen_Hint() {
    MsgBox(QStringLiteral("Use the ") + Copy_Screen_Keys +
               QStringLiteral(" key combo to copy the screen to the clipboard"),
           MsgIcon::Information, MsgButtons::OK);
}

} // namespace korvel
