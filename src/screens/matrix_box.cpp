#include "screens/matrix_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace korvel {

MatrixBox::MatrixBox(QWidget* parent) : QLineEdit(parent) {}

void MatrixBox::Show_Text(const QString& text) {
    if (text == this->text() && cursorPosition() == 0) return; // nothing to repaint
    setText(text);
    setCursorPosition(0);
}

void MatrixBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // The click that gave the focus would place the cursor and drop the selection.
    selectOnClick_ = event->reason() == Qt::MouseFocusReason;
}

void MatrixBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    selectOnClick_ = false;
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit focusLeft();
}

void MatrixBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnClick_) selectAll();
    selectOnClick_ = false;
}

void MatrixBox::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit stepRequested(event->key() == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace korvel
