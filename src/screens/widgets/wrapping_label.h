// A label whose plain text wraps at word boundaries and, where a single word is wider
// than the label (a long model name), inside the word: no line is cut at the edge.
#pragma once

#include <QLabel>

namespace korvel {

class WrappingLabel : public QLabel {
    Q_OBJECT
  public:
    explicit WrappingLabel(QWidget* parent = nullptr);

    // The height the text needs at the label's width, frame and margins included.
    int Wrapped_Height() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect Text_Rect() const;
};

} // namespace korvel
