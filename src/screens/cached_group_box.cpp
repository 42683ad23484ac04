#include "screens/cached_group_box.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace korvel {

namespace {

// A group box filled with its background hides whatever is behind it.
void Set_Opaque(QWidget* box) {
    box->setAttribute(Qt::WA_OpaquePaintEvent,
                      box->palette().brush(box->backgroundRole()).isOpaque());
}

} // namespace

CachedGroupBox::CachedGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    Set_Opaque(this);
}

bool CachedGroupBox::Picture_Is_Current(const QStyleOptionGroupBox& option, qreal dpr) const {
    const QStyleOptionGroupBox& p = pictured_;
    return !picture_.isNull() && picture_.devicePixelRatio() == dpr && picturedStyle_ == style() &&
           picturedFont_ == font() && p.rect == option.rect && p.state == option.state &&
           p.text == option.text && p.textAlignment == option.textAlignment &&
           p.textColor == option.textColor && p.subControls == option.subControls &&
           p.activeSubControls == option.activeSubControls && p.features == option.features &&
           p.lineWidth == option.lineWidth && p.midLineWidth == option.midLineWidth &&
           p.direction == option.direction && p.palette == option.palette;
}

void CachedGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QPainter painter(this);
    const qreal dpr = painter.device()->devicePixelRatio();
    if (!Picture_Is_Current(option, dpr)) {
        picture_ = QPixmap(size() * dpr);
        picture_.setDevicePixelRatio(dpr);
        // Over an opaque background the picture needs no alpha channel.
        if (!testAttribute(Qt::WA_OpaquePaintEvent)) picture_.fill(Qt::transparent);
        QPainter picture(&picture_);
        // As a painter on the widget starts: its background, font and text colour.
        picture.fillRect(rect(), palette().brush(backgroundRole()));
        picture.setFont(font());
        picture.setPen(palette().color(foregroundRole()));
        picture.setLayoutDirection(layoutDirection());
        style()->drawComplexControl(QStyle::CC_GroupBox, &option, &picture, this);
        pictured_ = option;
        picturedFont_ = font();
        picturedStyle_ = style();
    }
    painter.drawPixmap(0, 0, picture_);
}

void CachedGroupBox::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) Set_Opaque(this);
}

} // namespace korvel
