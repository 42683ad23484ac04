// A message service for tests: records every box and answers from a script.
#pragma once

#include "base/messages.h"

#include <QString>

#include <deque>
#include <vector>

namespace korvel::testing {

struct ShownMessage {
    QString text;
    MsgIcon icon;
    MsgButtons buttons;
};

class ScriptedMessages : public MessageService {
  public:
    ScriptedMessages() : previous_(Message_Service()) { Set_Message_Service(this); }
    ~ScriptedMessages() override { Set_Message_Service(previous_); }

    // Answers given in turn; when the script runs out, OK / Yes is given.
    void Answer(MsgAnswer answer) { script_.push_back(answer); }

    MsgAnswer Show(const QString& text, MsgIcon icon, MsgButtons buttons) override {
        shown.push_back({text, icon, buttons});
        if (!script_.empty()) {
            const MsgAnswer answer = script_.front();
            script_.pop_front();
            return answer;
        }
        return buttons == MsgButtons::OK || buttons == MsgButtons::OKCancel ? MsgAnswer::OK
                                                                            : MsgAnswer::Yes;
    }

    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const auto& m : shown)
            texts.push_back(m.text);
        return texts;
    }

    std::vector<ShownMessage> shown;

  private:
    MessageService* previous_;
    std::deque<MsgAnswer> script_;
};

} // namespace korvel::testing
