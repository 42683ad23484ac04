// The one way a failure reaches the user: a message box naming the error, where it
// happened and, for a few kinds of failure, what to do about it.
#pragma once

#include "base/messages.h"
#include "base/runtime_error.h"

#include <QString>

#include <cstdint>
#include <exception>
#include <utility>

namespace korvel {

struct ErrorReport {
    QString text;
    MsgIcon icon;
    bool showsHomeScreen; // only for out of memory
};

// The text and box style for an error, exactly as Report_Error shows it.
ErrorReport Compose_Error_Report(int32_t number, const QString& description, const QString& label);

// Shows the report, brings the home screen forward for error 7, and sets the mouse
// pointer back to the arrow.
void Report_Error(int32_t number, const QString& description, const QString& label);
void Report_Error(const RuntimeError& error, const QString& label);

// The error currently being handled, whatever was thrown: a RuntimeError as it is,
// std::bad_alloc as error 7, anything else as an internal error (51).
RuntimeError Current_Error(std::exception_ptr thrown);

// Runs body under an error handler in the program's convention: any error is reported
// with label, cancel (32755) silently where ignoreCancel is set. Returns true when the
// body ran to its end.
template <class Body>
bool With_Handler(const QString& label, Body&& body, bool ignoreCancel = false) {
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        const RuntimeError error = Current_Error(std::current_exception());
        if (!(ignoreCancel && error.number() == Err::Cancel)) Report_Error(error, label);
        return false;
    }
}

} // namespace korvel
