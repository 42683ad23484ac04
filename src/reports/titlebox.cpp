#include "reports/titlebox.h"

#include "base/app_globals.h"
#include "model/mod_matrix.h"

namespace korvel {

QString Titlebox_Text() {
    const QChar CR(13);
    const QChar LF(10);
    QString text = Project_ID + CR + QStringLiteral(" Design No. ") + QString::number(Design_No) +
                   CR + LF + Model_Date + CR + QStringLiteral(" at ") + Model_Time;
    if (!File_Path.isEmpty()) text += CR + QStringLiteral(" File: ") + File_Name;
    return text;
}

} // namespace korvel
