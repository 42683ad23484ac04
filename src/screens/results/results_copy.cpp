#include "screens/results/results_copy.h"

#include "screens/results/frm_printdata.h"
#include "screens/shell/guarded_slot.h"
#include "text/line_ends.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>

namespace korvel {

QString Results_Text(const frm_PrintData* screen) {
    QString text;
    for (const char* name : {"lbl_Header", "lbl_Header2"})
        if (const auto* label = screen->findChild<QLabel*>(QLatin1String(name)))
            for (const QString& line : Lf_Lines(label->text()).split(QChar(10)))
                if (!line.trimmed().isEmpty()) text += line.trimmed() + QChar(10);
    const QTableWidget* grid = screen->grd_Data();
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid->columnCount(); ++c)
            cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        // Rows past the last one written are empty.
        if (cells.join(QString()).trimmed().isEmpty()) continue;
        text += cells.join(QChar(9)) + QChar(10);
    }
    return text;
}

ResultsCopy::ResultsCopy(frm_PrintData* screen) : QObject(screen), screen_(screen) {
    screen->installEventFilter(this);
    screen->grd_Data()->installEventFilter(this);
}

bool ResultsCopy::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy))
        return false;
    Run_Guarded(watched, [this] { QGuiApplication::clipboard()->setText(Results_Text(screen_)); });
    return true;
}

} // namespace korvel
