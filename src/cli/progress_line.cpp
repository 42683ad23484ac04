#include "cli/progress_line.h"

#include <ostream>

namespace korvel::cli {

ProgressLine::ProgressLine(std::ostream& err, const ProgressDisplay& display, size_t total)
    : err_(err), display_(display), total_(total) {}

void ProgressLine::Update(size_t done) {
    if (!display_.terminal) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - start_ < display_.after) return;
    if (done < total_ && now - shown_at_ < std::chrono::milliseconds(100)) return;
    const std::string line =
        "checked " + std::to_string(done) + " of " + std::to_string(total_) + " files";
    err_ << '\r' << line << std::flush;
    shown_at_ = now;
    shown_length_ = line.size();
}

void ProgressLine::Make_Way(bool output, bool messages) {
    if (messages || (output && display_.output_on_terminal)) Clear();
}

void ProgressLine::Written(std::ostream& out) {
    if (display_.terminal && display_.output_on_terminal) out.flush();
}

void ProgressLine::Clear() {
    if (shown_length_ == 0) return;
    err_ << '\r' << std::string(shown_length_, ' ') << '\r' << std::flush;
    shown_length_ = 0;
}

} // namespace korvel::cli
