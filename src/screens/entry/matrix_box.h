// A text box of the entry screen: selects its whole text when it gains the focus, and
// reports leaving it and the Up and Down keys to the screen.
//
// A box without the focus paints itself from a shared image of its empty panel and its
// text laid out once, which looks the same as the line edit's own painting but costs a
// fraction of it: a solve repaints every box of the grid at once.
#pragma once

#include <QColor>
#include <QLineEdit>
#include <QStaticText>

namespace korvel {

class MatrixBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit MatrixBox(QWidget* parent = nullptr);

    // Sets the text scrolled to its start, so a long number shows its sign and first
    // digits rather than its last ones.
    void Show_Text(const QString& text);

    // The colour of the text. The palette carries it only when the line edit's own
    // painting is in use: changing a palette is costly, and a solve recolours every box.
    // An invalid colour stands for the ordinary text colour.
    void Set_Text_Colour(const QColor& colour);
    QColor Text_Colour() const;

    // A border of the given colour drawn over the box, with a tooltip saying why; an
    // invalid colour takes the mark away.
    void Set_Mark(const QColor& colour, const QString& why);
    bool Is_Marked() const { return markColour_.isValid(); }

    // The full value of the number the box shows, as its tooltip (a mark's reason comes
    // first); empty when the text says it all.
    void Set_Full_Value(const QString& value);
    QString Full_Value() const { return fullValue_; }

    // The font the text is drawn in: the box's own, or a smaller one when the text would
    // not fit (a number cut short reads as another number).
    QFont Shown_Font() const;

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
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Decides, after anything that bears on it changed, whether the box paints itself
    // (no focus, no selection, plain ASCII text that fits, the usual line edit set-up)
    // or leaves it to the line edit, whose palette then gets the text colour.
    void Choose_Painting();
    void Paint_Quickly();
    void Paint_Fitted();
    void Show_Tip();

    bool selectOnClick_ = false;
    bool quick_ = false;
    bool fitted_ = false;     // too wide for the line: drawn smaller, whole
    bool layoutStale_ = true; // the text or the font changed since shownText_ was laid out
    QColor textColour_;       // invalid: the palette's
    QColor markColour_;       // invalid: no mark
    QString markWhy_;
    QString fullValue_;
    QStaticText shownText_;
    QRect textRect_; // where the line edit would put the text, and clips it to
};

} // namespace korvel
