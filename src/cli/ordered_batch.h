// A batch of files worked on by several threads, each file's output written in the order
// of the files as soon as those before it are written: `check` over a thousand files uses
// every core and still prints what one thread would.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace korvel::cli {

// What one file came to: its exit code, its output and its messages.
struct FileOutcome {
    int code = 0;
    std::string out, err;
};

struct BatchWork {
    // Works on file i; called on the worker threads, several at once.
    std::function<FileOutcome(size_t i)> work;
    // Takes file i's outcome, on the calling thread, for i = 0, 1, 2... in order.
    std::function<void(size_t i, FileOutcome& outcome)> deliver;
    // How many files are done, on the calling thread: after each delivery, and about ten
    // times a second while it waits.
    std::function<void(size_t done)> progress;
    // The last call of each worker thread (to free what a library keeps per thread).
    std::function<void()> at_thread_end;
};

// Runs the work for files 0..count-1 on `threads` threads (at most one per file), or on the
// calling thread alone for one thread or one file, and delivers the outcomes in order.
void Run_In_Order(size_t count, unsigned threads, const BatchWork& batch);

// The same for work of a few microseconds a file, where waking the calling thread for every
// file would cost more than the file: the calling thread works beside the others, and the
// outcomes are delivered in order a window of files at a time. No progress is told.
void Run_In_Windows(size_t count, unsigned threads, const BatchWork& batch);

} // namespace korvel::cli
