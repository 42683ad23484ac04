// The message seam: every message box of the program goes through MsgBox, so the
// program shows real boxes and tests script the answers.
#pragma once

#include <QString>

namespace korvel {

enum class MsgIcon { None, Information, Question, Exclamation, Critical };
enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel };
enum class MsgAnswer { OK, Cancel, Yes, No };

class MessageService {
  public:
    virtual ~MessageService() = default;
    // Shows one modal box with the application's title and returns the button pressed.
    virtual MsgAnswer Show(const QString& text, MsgIcon icon, MsgButtons buttons) = 0;
};

// Installs the service that shows messages (nullptr: messages go to standard error and
// every question is answered with its last, most cautious button).
void Set_Message_Service(MessageService* service);
MessageService* Message_Service();

MsgAnswer MsgBox(const QString& text, MsgIcon icon = MsgIcon::Information,
                 MsgButtons buttons = MsgButtons::OK);

// Once the program is ending nobody answers boxes: from then on every message goes to
// standard error, whatever service is installed, and a box still open counts as unanswered.
void Set_Nobody_Answers(bool nobodyAnswers);
bool Nobody_Answers();

// What an unanswered box gives: its last, most cautious button.
MsgAnswer Cautious_Answer(MsgButtons buttons);

} // namespace korvel
