// The check screen's picture of two equations: the lines drawn by the same routine that
// prints them, scaled to the page.
#pragma once

#include "reports/line_picture.h"

#include <QWidget>

namespace korvel {

class LinePictureView : public QWidget {
  public:
    explicit LinePictureView(QWidget* parent);

    void Set_Picture(const LinePicture& picture);
    const LinePicture& Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    LinePicture picture_;
};

} // namespace korvel
