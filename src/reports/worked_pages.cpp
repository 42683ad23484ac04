#include "reports/worked_pages.h"

#include "reports/line_picture_drawing.h"
#include "reports/pdf_report.h"

#include <QPdfWriter>

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace korvel {

namespace {

constexpr double Largest_Points = 10;
constexpr double Smallest_Points = 7;

// A fixed-width font at the largest size (10 pt down to 7 pt) at which the widest line fits.
QFont Text_Font(const QStringList& lines, double width, QPaintDevice& device) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    double points = Largest_Points;
    for (; points > Smallest_Points; points -= 0.5) {
        font.setPointSizeF(points);
        const QFontMetricsF metrics(font, &device);
        double widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= width) return font;
    }
    font.setPointSizeF(Smallest_Points);
    return font;
}

// A line cut into pieces that fit the width, the pieces after the first indented.
QStringList Fitted(const QString& line, const QFontMetricsF& metrics, double width) {
    QStringList pieces;
    QString rest = line;
    const QString indent = QStringLiteral("    ");
    while (metrics.horizontalAdvance(rest) > width && rest.size() > indent.size() + 1) {
        qsizetype cut = rest.size() - 1;
        while (cut > indent.size() + 1 && metrics.horizontalAdvance(rest.left(cut)) > width)
            --cut;
        pieces << rest.left(cut);
        rest = indent + rest.mid(cut);
    }
    pieces << rest;
    return pieces;
}

} // namespace

void Draw_Worked_Pages(QPainter& painter, QPagedPaintDevice& device, const QString& text,
                       const LinePicture* picture) {
    const QRectF page(0, 0, device.width(), device.height());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QFont font = Text_Font(lines, page.width(), device);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, &device);
    double y = page.top();
    for (const QString& line : lines) {
        for (const QString& piece : Fitted(line, metrics, page.width())) {
            if (y + metrics.height() > page.bottom()) {
                device.newPage();
                y = page.top();
            }
            painter.drawText(QPointF(page.left(), y + metrics.ascent()), piece);
            y += metrics.height();
        }
    }
    if (!picture) return;
    // The picture takes at least half a page: on this one when that much is left.
    const double wanted = page.height() / 2;
    if (page.bottom() - y < wanted) {
        device.newPage();
        y = page.top();
    } else {
        y += metrics.height();
    }
    QFont label_font = painter.font();
    label_font.setPointSizeF(std::max(font.pointSizeF(), 8.0));
    painter.setFont(label_font);
    Draw_Line_Picture(painter, QRectF(page.left(), y, page.width(), page.bottom() - y), *picture);
}

WriteResult Write_Worked_Pdf(const QString& path, const QString& text, const LinePicture* picture) {
    return Write_Pdf_Document(path, QStringLiteral("Korvel worked solution"),
                              QStringLiteral("Print_Worked_Solution"),
                              [&](QPainter& painter, QPdfWriter& pdf) {
                                  Draw_Worked_Pages(painter, pdf, text, picture);
                              });
}

} // namespace korvel
