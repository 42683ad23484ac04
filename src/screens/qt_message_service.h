// Message boxes shown with QMessageBox, titled with the program's name.
#pragma once

#include "base/messages.h"

namespace korvel {

class QtMessageService : public MessageService {
public:
    MsgAnswer Show(const QString& text, MsgIcon icon, MsgButtons buttons) override;
};

// Lone carriage returns (the program's line separator) become line feeds for display.
QString Display_Text(const QString& text);

} // namespace korvel
