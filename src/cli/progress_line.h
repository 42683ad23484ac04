// "checked 120 of 1000 files" on a terminal, rewritten in place, for a run long enough to
// wonder about.
#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>

namespace korvel::cli {

// Whether and when a run shows its progress: only when standard error is a terminal (a log
// or a pipe gets only the messages), and only once the run has taken longer than `after`.
// When standard output is that terminal too, the line makes way for each file's output.
struct ProgressDisplay {
    bool terminal = false;
    bool output_on_terminal = false;
    std::chrono::milliseconds after{1000};
};

class ProgressLine {
  public:
    ProgressLine(std::ostream& err, const ProgressDisplay& display, size_t total);
    ~ProgressLine() { Clear(); }

    // "\rchecked DONE of TOTAL files", at most ten times a second, and always for the last.
    void Update(size_t done);
    // Before a file's output and messages: takes the line away where they would be written
    // over it.
    void Make_Way(bool output, bool messages);
    // After a file's output: output to the same terminal is written out at once, or it would
    // come out after the line is shown again.
    void Written(std::ostream& out);
    // Takes the line away; the next Update shows it again.
    void Clear();

  private:
    std::ostream& err_;
    const ProgressDisplay display_;
    const size_t total_;
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point shown_at_{};
    size_t shown_length_ = 0; // of the line now on the terminal; 0 when there is none
};

} // namespace korvel::cli
