// A group box that keeps a picture of itself, on its background, and paints from it.
// The style stretches an image over the whole box to draw its frame; on the entry screen
// that was repeated whenever any of the hundreds of boxes inside changed.
#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QStyleOptionGroupBox>

namespace korvel {

class CachedGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit CachedGroupBox(const QString& title, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool Picture_Is_Current(const QStyleOptionGroupBox& option, qreal dpr) const;
    void Paint_Directly(QPaintEvent* event);
    void Take_Picture();

    bool picturing_ = false;     // Take_Picture is rendering the box
    bool pictureQueued_ = false; // a Take_Picture call is waiting in the event queue
    QPixmap picture_;
    QStyleOptionGroupBox pictured_; // what picture_ shows
    QFont picturedFont_;
    const QStyle* picturedStyle_ = nullptr;
};

} // namespace korvel
