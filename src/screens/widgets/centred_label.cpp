#include "screens/widgets/centred_label.h"

#include <QLabel>

namespace korvel {

QLabel* Centred_Label(const char* name, const QString& text, double scale, bool bold,
                      QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace korvel
