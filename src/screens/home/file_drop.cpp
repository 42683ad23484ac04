#include "screens/home/file_drop.h"

#include "screens/home/frm_homescreen.h"
#include "screens/shell/guarded_slot.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace korvel {

namespace {

bool Takes(const QString& path) {
    switch (Kind_Of_Dropped_File(path)) {
    case DroppedKind::Model:
    case DroppedKind::System_Text:
        return true;
    case DroppedKind::None:
        return false;
    }
    return false;
}

} // namespace

DroppedKind Kind_Of_Dropped_File(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("kvl")) return DroppedKind::Model;
    if (suffix == QLatin1String("csv") || suffix == QLatin1String("tsv") ||
        suffix == QLatin1String("txt"))
        return DroppedKind::System_Text;
    return DroppedKind::None;
}

QString Dropped_File(const QMimeData* mime) {
    if (!mime || !mime->hasUrls()) return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
    return urls.front().toLocalFile();
}

void Accept_File_Drops(QWidget* screen) {
    auto* filter = new FileDrop(screen);
    screen->setAcceptDrops(true);
    screen->installEventFilter(filter);
    // A text box takes any drag with text, a file's path among them.
    for (QLineEdit* box : screen->findChildren<QLineEdit*>())
        box->installEventFilter(filter);
}

bool FileDrop::eventFilter(QObject* /*watched*/, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (!Takes(Dropped_File(drag->mimeData()))) return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = Dropped_File(drop->mimeData());
        if (!Takes(path)) return false;
        drop->acceptProposedAction();
        // The drag ends first: the file manager waits for it while questions are asked.
        QTimer::singleShot(0, Home_Screen(), [path] {
            Run_Guarded(Home_Screen(), [&] { Home_Screen()->Open_Dropped_File(path); });
        });
        return true;
    }
    default:
        return false;
    }
}

} // namespace korvel
