#include "screens/entry/answer_status_label.h"

#include "screens/shell/guarded_slot.h"

#include <QAccessible>

namespace korvel {

namespace {

const char* const Details_Link = "details";

} // namespace

AnswerStatusLabel::AnswerStatusLabel(QWidget* parent) : QLabel(parent) {
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The link is reached with Tab and followed with Enter as well as clicked.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setAccessibleName(QStringLiteral("Check of the answer"));
    Connect_Guarded(this, &QLabel::linkActivated, this, [this](const QString& link) {
        if (link == QLatin1String(Details_Link)) emit detailsRequested();
    });
    setContentsMargins(6, 2, 6, 2);
}

void AnswerStatusLabel::Show_Status(const AnswerStatus& status) {
    plain_ = status.text;
    warning_ = status.warning;
    // Dark text on a pale amber panel: seen at a glance, readable in any colour scheme.
    setStyleSheet(status.warning ? QStringLiteral("background-color: #fff4d6; color: #5c3b00; "
                                                  "border: 1px solid #d9a300;")
                                 : QString());
    setText(plain_.toHtmlEscaped() +
            QStringLiteral(" <a href=\"%1\">Details</a>").arg(QLatin1String(Details_Link)));
    setAccessibleDescription(plain_);
}

void AnswerStatusLabel::Clear_Status() {
    if (plain_.isEmpty()) return;
    plain_.clear();
    warning_ = false;
    setStyleSheet(QString());
    clear();
    setAccessibleDescription(QString());
}

} // namespace korvel
