// A line printer over QPainter: text goes out line by line, items placed in print zones
// of 14 average character widths of the font.
#pragma once

#include <QFont>
#include <QString>

#include <initializer_list>

class QPainter;

namespace korvel {

class LinePrinter {
  public:
    static constexpr int Zone_Columns = 14;

    // Prints with the painter's font from the top left of its paint area.
    explicit LinePrinter(QPainter& painter);

    // One line of items: the first in zone 2 (zone 1 stays empty), each further item in the
    // next zone, or the next zone boundary after the previous item if it reaches into it.
    void Print_Line(std::initializer_list<QString> items);
    void Empty_Line();

    double Zone_Width() const { return zoneWidth_; }
    int Lines_Printed() const { return lines_; }

  private:
    QPainter& painter_;
    double zoneWidth_;
    double lineHeight_;
    double ascent_;
    int lines_ = 0;
};

} // namespace korvel
