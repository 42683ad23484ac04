#include "base/messages.h"

#include <cstdio>

namespace korvel {

namespace {
MessageService* g_service = nullptr;

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
} // namespace

void Set_Message_Service(MessageService* service) {
    g_service = service;
}
MessageService* Message_Service() {
    return g_service;
}

MsgAnswer MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons) {
    if (g_service) return g_service->Show(text, icon, buttons);
    QString shown = text;
    shown.replace(QChar('\r'), QChar('\n'));
    std::fprintf(stderr, "%s\n", shown.toLocal8Bit().constData());
    return Cautious_Answer(buttons);
}

} // namespace korvel
