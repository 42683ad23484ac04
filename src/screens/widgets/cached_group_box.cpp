#include "screens/widgets/cached_group_box.h"

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

void CachedGroupBox::paintEvent(QPaintEvent* event) {
    if (picturing_) {
        Paint_Directly(event);
        return;
    }
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QPainter painter(this);
    if (Picture_Is_Current(option, painter.device()->devicePixelRatio())) {
        painter.drawPixmap(0, 0, picture_);
        return;
    }
    painter.end();
    Paint_Directly(event);
    // The picture is taken through Qt's own rendering, which cannot run inside a paint.
    if (!pictureQueued_) {
        pictureQueued_ = true;
        const auto takePicture = [this] { Take_Picture(); };
        QMetaObject::invokeMethod(this, takePicture, Qt::QueuedConnection);
    }
}

void CachedGroupBox::Paint_Directly(QPaintEvent* event) {
    if (testAttribute(Qt::WA_OpaquePaintEvent)) { // Qt leaves the background to the box
        QPainter background(this);
        background.fillRect(rect(), palette().brush(backgroundRole()));
    }
    QGroupBox::paintEvent(event);
}

void CachedGroupBox::Take_Picture() {
    pictureQueued_ = false;
    const qreal dpr = devicePixelRatio();
    QPixmap picture(size() * dpr);
    picture.setDevicePixelRatio(dpr);
    // Over an opaque background the picture needs no alpha channel.
    if (!testAttribute(Qt::WA_OpaquePaintEvent)) picture.fill(Qt::transparent);
    picturing_ = true;
    render(&picture, QPoint(), QRegion(), RenderFlags()); // the box alone, no children
    picturing_ = false;
    picture_ = picture;
    initStyleOption(&pictured_);
    picturedFont_ = font();
    picturedStyle_ = style();
}

void CachedGroupBox::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) Set_Opaque(this);
}

} // namespace korvel
