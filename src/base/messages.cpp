#include "base/messages.h"

#include <cstdio>

namespace korvel {

namespace {
MessageService* g_service = nullptr;
bool g_nobody_answers = false;
} // namespace

MsgAnswer Cautious_Answer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OK:
        return MsgAnswer::OK;
    case MsgButtons::OKCancel:
        return MsgAnswer::Cancel;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Cancel;
    }
    return MsgAnswer::OK;
}

void Set_Message_Service(MessageService* service) {
    g_service = service;
}
MessageService* Message_Service() {
    return g_service;
}

void Set_Nobody_Answers(bool nobodyAnswers) {
    g_nobody_answers = nobodyAnswers;
}
bool Nobody_Answers() {
    return g_nobody_answers;
}

MsgAnswer MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons) {
    if (g_service && !g_nobody_answers) return g_service->Show(text, icon, buttons);
    QString shown = text;
    shown.replace(QChar('\r'), QChar('\n'));
    std::fprintf(stderr, "%s\n", shown.toLocal8Bit().constData());
    return Cautious_Answer(buttons);
}

} // namespace korvel
