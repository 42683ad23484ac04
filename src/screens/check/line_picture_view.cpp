#include "screens/check/line_picture_view.h"

#include "reports/line_picture_drawing.h"

#include <QPainter>

namespace korvel {

LinePictureView::LinePictureView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setMinimumSize(fontMetrics().height() * 16, fontMetrics().height() * 16);
}

void LinePictureView::Set_Picture(const LinePicture& picture) {
    picture_ = picture;
    update();
}

void LinePictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int margin = fontMetrics().height() / 2;
    Draw_Line_Picture(painter, QRectF(rect().adjusted(margin, margin, -margin, -margin)), picture_);
}

} // namespace korvel
