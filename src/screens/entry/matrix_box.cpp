#include "screens/entry/matrix_box.h"

#include "screens/shell/guarded_slot.h"
#include "screens/widgets/alt_keys.h"
#include "screens/widgets/font_to_fit.h"
#include "screens/widgets/line_edit_panel.h"
#include "screens/widgets/quick_text.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace korvel {

namespace {

// The line edit's own margins around its line of text, in pixels.
constexpr int Line_Margin = 2;

} // namespace

MatrixBox::MatrixBox(QWidget* parent) : QLineEdit(parent) {
    Connect_Guarded(this, &QLineEdit::textChanged, this, [this] {
        layoutStale_ = true;
        Choose_Painting();
    });
    Connect_Guarded(this, &QLineEdit::selectionChanged, this, [this] { Choose_Painting(); });
    Choose_Painting();
}

void MatrixBox::Show_Text(const QString& text) {
    if (text == this->text() && cursorPosition() == 0) return; // nothing to repaint
    setText(text);
    setCursorPosition(0);
}

void MatrixBox::Set_Text_Colour(const QColor& colour) {
    if (colour == textColour_) return;
    textColour_ = colour;
    // Back to the ordinary colour: the palette set for an earlier colour goes too.
    if (!colour.isValid() && testAttribute(Qt::WA_SetPalette)) setPalette(QPalette());
    if (quick_)
        update();
    else
        Choose_Painting(); // puts the colour into the palette
}

QColor MatrixBox::Text_Colour() const {
    return textColour_.isValid() ? textColour_ : palette().color(QPalette::Text);
}

void MatrixBox::Set_Mark(const QColor& colour, const QString& why) {
    if (colour == markColour_ && why == markWhy_) return;
    markColour_ = colour;
    markWhy_ = why;
    setAccessibleDescription(why); // heard as well as seen
    Show_Tip();
    update();
}

void MatrixBox::Set_Full_Value(const QString& value) {
    if (value == fullValue_) return;
    fullValue_ = value;
    Show_Tip();
}

void MatrixBox::Show_Tip() {
    if (markWhy_.isEmpty())
        setToolTip(fullValue_);
    else if (fullValue_.isEmpty())
        setToolTip(markWhy_);
    else
        setToolTip(markWhy_ + QChar(10) + fullValue_);
}

QFont MatrixBox::Shown_Font() const {
    if (!fitted_) return font();
    return Font_To_Fit(font(), text(), textRect_.width() - 2 * Line_Margin - 1);
}

void MatrixBox::Choose_Painting() {
    const QString shown = text();
    if (layoutStale_) {
        shownText_ = Laid_Out(shown, font());
        layoutStale_ = false;
    }
    const bool own = !hasFocus() && !hasSelectedText() && isEnabled() && hasFrame() &&
                     echoMode() == Normal && inputMask().isEmpty() && textMargins().isNull() &&
                     alignment() == (Qt::AlignLeft | Qt::AlignVCenter) &&
                     layoutDirection() == Qt::LeftToRight && !testAttribute(Qt::WA_StyleSheet) &&
                     (!shown.isEmpty() || placeholderText().isEmpty());
    bool quick = own && Plain_Ascii_Within_Line(shown, font());
    bool fitted = false;
    if (own) {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
        const int room = contents.width() - 2 * Line_Margin;
        // The line edit scrolls a text wider than its line, and what shows of a number
        // then reads as another number: such a text is drawn smaller, whole.
        if (quick) quick = qRound(shownText_.size().width()) + 1 <= room;
        fitted = !quick && QFontMetricsF(font()).horizontalAdvance(shown) + 1 > room;
        textRect_ = contents;
    }
    if (fitted != fitted_) {
        fitted_ = fitted;
        update();
    }
    if (!quick && textColour_.isValid() && palette().color(QPalette::Text) != textColour_) {
        QPalette withColour = palette();
        withColour.setColor(QPalette::Text, textColour_);
        setPalette(withColour);
    }
    if (quick != quick_) {
        quick_ = quick;
        update();
    }
}

void MatrixBox::paintEvent(QPaintEvent* event) {
    if (quick_)
        Paint_Quickly();
    else if (fitted_)
        Paint_Fitted();
    else
        QLineEdit::paintEvent(event);
    if (markColour_.isValid()) {
        QPainter painter(this);
        painter.setPen(QPen(markColour_, 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

// The same picture as the line edit paints for a box without the focus: the style's
// panel, then the text, left-aligned on a line centred in the box by the font's height.
void MatrixBox::Paint_Quickly() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.drawPixmap(0, 0, Line_Edit_Panel(option, this, painter.device()->devicePixelRatio()));
    if (shownText_.text().isEmpty()) return;
    painter.setClipRect(textRect_);
    painter.setPen(Text_Colour());
    const int top = textRect_.y() + (textRect_.height() - fontMetrics().height() + 1) / 2;
    painter.drawStaticText(textRect_.x() + Line_Margin, top, shownText_);
}

void MatrixBox::Paint_Fitted() {
    QStyleOptionFrame option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.drawPixmap(0, 0, Line_Edit_Panel(option, this, painter.device()->devicePixelRatio()));
    painter.setClipRect(textRect_);
    painter.setPen(Text_Colour());
    painter.setFont(Shown_Font());
    painter.drawText(textRect_.adjusted(Line_Margin, 0, -Line_Margin, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
}

void MatrixBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    Choose_Painting();
}

void MatrixBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        layoutStale_ = true;
        Choose_Painting();
        break;
    case QEvent::StyleChange:
    case QEvent::EnabledChange:
    case QEvent::LayoutDirectionChange:
        Choose_Painting();
        break;
    default:
        break;
    }
}

void MatrixBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // The click that gave the focus would place the cursor and drop the selection.
    selectOnClick_ = event->reason() == Qt::MouseFocusReason;
    Choose_Painting();
}

void MatrixBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    selectOnClick_ = false;
    Choose_Painting();
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit focusLeft();
}

void MatrixBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (selectOnClick_) selectAll();
    selectOnClick_ = false;
}

void MatrixBox::keyPressEvent(QKeyEvent* event) {
    if (Is_Alt_Typing(event)) {
        event->ignore();
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit stepRequested(event->key() == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace korvel
