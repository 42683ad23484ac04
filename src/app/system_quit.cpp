#include "app/system_quit.h"

#include "session/recovery.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace korvel {

namespace {

// The self-pipe: the handler only writes one byte; the event loop does the rest.
int g_pipe[2] = {-1, -1};
constexpr int Handled_Signals[] = {SIGTERM, SIGHUP, SIGINT};

extern "C" void On_Quit_Signal(int signal) {
    const int saved = errno;
    const char byte = char(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void Install_Handlers() {
    struct sigaction action = {};
    action.sa_handler = On_Quit_Signal;
    sigemptyset(&action.sa_mask);
    // A second signal ends the program at once, should it hang.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int signal : Handled_Signals)
        sigaction(signal, &action, nullptr);
}

} // namespace

SystemQuitWatcher::SystemQuitWatcher() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) == 0) {
        notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &SystemQuitWatcher::Signal_Arrived);
        Install_Handlers();
    }
    // The session ending: nobody is there to answer questions, so no screen is shown.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [](QSessionManager& manager) {
        manager.release();
        Quit_On_System_Request();
    });
    // Any other end of the event loop that did not come through Terminate.
    connect(qGuiApp, &QGuiApplication::aboutToQuit, this, [] { Quit_On_System_Request(); });
}

SystemQuitWatcher::~SystemQuitWatcher() {
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int signal : Handled_Signals)
        sigaction(signal, &action, nullptr);
    if (g_pipe[0] >= 0) {
        delete notifier_;
        ::close(g_pipe[0]);
        ::close(g_pipe[1]);
        g_pipe[0] = g_pipe[1] = -1;
    }
}

void SystemQuitWatcher::Signal_Arrived() {
    char bytes[16];
    while (::read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    Quit_On_System_Request();
}

} // namespace korvel
