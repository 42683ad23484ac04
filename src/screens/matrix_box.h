// A text box of the entry screen: selects its whole text when it gains the focus, and
// reports leaving it and the Up and Down keys to the screen.
#pragma once

#include <QLineEdit>

namespace korvel {

class MatrixBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit MatrixBox(QWidget* parent = nullptr);

    // Sets the text scrolled to its start, so a long number shows its sign and first
    // digits rather than its last ones.
    void Show_Text(const QString& text);

  signals:
    // The focus moved to another control. Switching windows or a message box coming up
    // does not count: the user has not left the box.
    void focusLeft();
    // Up (-1) or Down (+1) without modifiers.
    void stepRequested(int rows);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool selectOnClick_ = false;
};

} // namespace korvel
