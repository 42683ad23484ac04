// Event handlers that nothing escapes: every slot, event filter and deferred call of the
// screens runs under the program's last error handler, so no exception ever unwinds
// through Qt's event delivery (which Qt does not support: it skips Qt's own clean-up).
#pragma once

#include <QObject>

#include <functional>
#include <type_traits>
#include <utility>

namespace korvel {

// The name a report gives to the handler of an event sent to (or a signal sent by) source:
// its window's and its own object names ("frm_Matrix.cmd_Solve"), or the class name when
// unnamed.
QString Handler_Name(const QObject* source);

// Runs handler; anything it throws is reported (Report_Error, labelled with source's
// handler name) and goes no further. Returns true when the handler ran to its end.
bool Run_Guarded(const QObject* source, const std::function<void()>& handler);

// Connects signal to handler, run through Run_Guarded. handler is a member function of
// receiver or a callable; either takes the signal's arguments or none of them.
template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection Connect_Guarded(Sender* sender, Signal signal, Receiver* receiver,
                                        Handler handler) {
    return QObject::connect(
        sender, signal, receiver,
        [sender, receiver, handler = std::move(handler)](const auto&... args) mutable -> void {
            Run_Guarded(sender, [&] {
                if constexpr (std::is_member_function_pointer_v<Handler>) {
                    if constexpr (std::is_invocable_v<Handler, Receiver*, decltype(args)...>)
                        std::invoke(handler, receiver, args...);
                    else
                        std::invoke(handler, receiver);
                } else if constexpr (std::is_invocable_v<Handler&, decltype(args)...>) {
                    handler(args...);
                } else {
                    handler();
                }
            });
        });
}

} // namespace korvel
