// What reading a model file came to: read complete, refused (a file of another version),
// or stopped by an error at one of its records.
#pragma once

#include "base/outcome.h"

namespace korvel {

struct ReadResult {
    enum class Status { Complete, Refused, Error };
    Status status = Status::Complete;
    ErrorOutcome error; // labelled "Readfile", "Read_Matrix" or "Read Oldfile"
    int record = 0;     // the record (line, counting from 1) at which the error happened

    bool Complete() const { return status == Status::Complete; }
    static ReadResult Read() { return {}; }
    static ReadResult Refused() { return {Status::Refused, {}, 0}; }
    static ReadResult Error(const RuntimeError& e, const QString& label, int record) {
        return {Status::Error, ErrorOutcome::Of(e, label), record};
    }
};

} // namespace korvel
