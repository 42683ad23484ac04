// Ctrl+C on the results screen: the whole table with its header lines as plain text,
// rather than the one cell the table itself would copy.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace korvel {

class frm_PrintData;

// The identification block's lines, the table's title, then one line per table row with
// TAB between the cells (the headings first).
QString Results_Text(const frm_PrintData* screen);

class ResultsCopy : public QObject {
    Q_OBJECT
  public:
    // Watches the screen and its table for Ctrl+C.
    explicit ResultsCopy(frm_PrintData* screen);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    frm_PrintData* screen_;
};

} // namespace korvel
