#include "screens/widgets/wrapping_label.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace korvel {

namespace {
QTextOption Wrap_Option(Qt::Alignment alignment) {
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}
} // namespace

WrappingLabel::WrappingLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

QRect WrappingLabel::Text_Rect() const {
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

int WrappingLabel::Wrapped_Height() const {
    const qreal width = Text_Rect().width();
    qreal height = 0;
    // Each line of the text is its own paragraph, as QPainter lays it out.
    for (const QString& paragraph : text().split(QChar(u'\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(Wrap_Option(alignment()));
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            height += line.height();
        }
        layout.endLayout();
    }
    return int(std::ceil(height)) + (this->height() - Text_Rect().height());
}

void WrappingLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QRectF(Text_Rect()), text(), Wrap_Option(alignment()));
}

} // namespace korvel
