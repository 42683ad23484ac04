// Message boxes shown with QMessageBox, titled with the program's name.
#pragma once

#include "base/messages.h"

namespace korvel {

class QtMessageService : public MessageService {
  public:
    MsgAnswer Show(const QString& text, MsgIcon icon, MsgButtons buttons) override;
};

} // namespace korvel
