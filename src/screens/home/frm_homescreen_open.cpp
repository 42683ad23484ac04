// The home screen's other ways to open a model file: File > Open Recent, and a file
// dropped on the home or entry screen.
#include "screens/home/frm_homescreen.h"

#include "base/messages.h"
#include "base/report_error.h"
#include "screens/home/file_drop.h"
#include "screens/shell/guarded_slot.h"
#include "session/recent_files.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace korvel {

void frm_HomeScreen::Refresh_Recent_Menu() {
    mnu_Recent->clear();
    const QStringList files = Recent_Files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&")); // not a mnemonic
        QAction* item = mnu_Recent->addAction(QStringLiteral("&%1 ").arg(i + 1) + shown);
        item->setObjectName(QStringLiteral("mnu_Recent[%1]").arg(i));
        Connect_Guarded(item, &QAction::triggered, this, [this, path] { Open_Recent_File(path); });
    }
    mnu_Recent->menuAction()->setEnabled(!files.isEmpty());
}

void frm_HomeScreen::Open_Recent_File(const QString& path) {
    With_Handler(
        QStringLiteral("frm_Homescreen.OpenRecent"),
        [&] {
            if (const QString problem = Recent_File_Problem(path); !problem.isEmpty()) {
                Forget_Recent_File(path);
                Refresh_Recent_Menu();
                MsgBox(QStringLiteral("The file ") + path + problem + QChar(13) +
                           QStringLiteral("It has been removed from the list of recent files."),
                       MsgIcon::Exclamation);
                return;
            }
            Offer_Save_Before_Reset();
            Open_Model_Path(path);
        },
        /*ignoreCancel=*/true);
}

void frm_HomeScreen::Open_Dropped_File(const QString& path) {
    switch (Kind_Of_Dropped_File(path)) {
    case DroppedKind::Model:
        With_Handler(
            QStringLiteral("frm_Homescreen.Open"),
            [&] {
                Offer_Save_Before_Reset();
                Open_Model_Path(path);
            },
            /*ignoreCancel=*/true);
        return;
    case DroppedKind::System_Text:
        With_Handler(
            QStringLiteral("frm_Homescreen.Import"),
            [&] {
                Offer_Save_Before_Reset();
                Import_System_Path(path);
            },
            /*ignoreCancel=*/true);
        return;
    case DroppedKind::None:
        return;
    }
}

} // namespace korvel
