#include "screens/widgets/line_edit_panel.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include <deque>

namespace korvel {

namespace {

struct Panel {
    const QStyle* style;
    QStyle::State state;
    QSize size;
    qreal dpr;
    int lineWidth;
    int midLineWidth;
    QStyleOptionFrame::FrameFeatures features;
    Qt::LayoutDirection direction;
    QPalette palette;
    QPixmap image;

    bool Matches(const QStyle* s, const QStyleOptionFrame& o, qreal r) const {
        return style == s && state == o.state && size == o.rect.size() && dpr == r &&
               lineWidth == o.lineWidth && midLineWidth == o.midLineWidth &&
               features == o.features && direction == o.direction && palette == o.palette;
    }
};

// A few looks are in use at a time: a size or two per column of boxes, an active and an
// inactive window, a palette per text colour (the text is not part of the panel, but the
// palette that carries it is compared whole). The oldest goes when a new look comes.
constexpr std::size_t Kept_Panels = 64;

} // namespace

QPixmap Line_Edit_Panel(const QStyleOptionFrame& option, const QWidget* widget, qreal dpr) {
    static std::deque<Panel> panels;
    static const bool dropAtExit = [] {
        qAddPostRoutine([] { panels.clear(); }); // pixmaps go before the application
        return true;
    }();
    Q_UNUSED(dropAtExit);
    const QStyle* style = widget->style();
    for (const Panel& panel : panels)
        if (panel.Matches(style, option, dpr)) return panel.image;

    QPixmap image(option.rect.size() * dpr);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QStyleOptionFrame atOrigin = option;
        atOrigin.rect.moveTopLeft(QPoint(0, 0));
        QPainter painter(&image);
        style->drawPrimitive(QStyle::PE_PanelLineEdit, &atOrigin, &painter, widget);
    }
    if (panels.size() == Kept_Panels) panels.pop_back();
    panels.push_front({style, option.state, option.rect.size(), dpr, option.lineWidth,
                       option.midLineWidth, option.features, option.direction, option.palette,
                       image});
    return image;
}

} // namespace korvel
