// What a run-time error was, kept as a value so the caller decides how to show it.
#pragma once

#include "base/runtime_error.h"

#include <QString>

#include <cstdint>

namespace korvel {

// A run-time error together with the label of the procedure it stopped, exactly what
// Report_Error would be handed.
struct ErrorOutcome {
    int32_t number = 0;
    QString description;
    QString label;

    static ErrorOutcome Of(const RuntimeError& error, const QString& label) {
        return {error.number(), error.description(), label};
    }
};

// The result of writing a whole file: written, or the error that stopped it.
struct WriteResult {
    bool written = false;
    ErrorOutcome error; // when not written

    static WriteResult Done() { return {true, {}}; }
    static WriteResult Failed(const RuntimeError& error, const QString& label) {
        return {false, ErrorOutcome::Of(error, label)};
    }
};

} // namespace korvel
