// Undo and redo over whole states: the state before each remembered action is kept, the
// oldest dropped beyond a limit. Undo hands back the state to return to and keeps the
// current one for Redo; a new action forgets what could be redone.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

namespace korvel {

template <class State> class UndoHistory {
  public:
    explicit UndoHistory(std::size_t levels = 32) : levels_(levels < 1 ? 1 : levels) {}

    void Remember(State before) {
        undo_.push_back(std::move(before));
        if (undo_.size() > levels_) undo_.pop_front();
        redo_.clear();
    }

    // The state before the last remembered action; current goes onto the redo side.
    std::optional<State> Undo(State current) { return Step(undo_, redo_, std::move(current)); }

    std::optional<State> Redo(State current) { return Step(redo_, undo_, std::move(current)); }

    // The state the next Undo returns to; nullptr when there is none.
    const State* Newest() const { return undo_.empty() ? nullptr : &undo_.back(); }

    bool Can_Undo() const { return !undo_.empty(); }
    bool Can_Redo() const { return !redo_.empty(); }

    void Clear() {
        undo_.clear();
        redo_.clear();
    }

  private:
    std::optional<State> Step(std::deque<State>& from, std::deque<State>& to, State current) {
        if (from.empty()) return std::nullopt;
        State target = std::move(from.back());
        from.pop_back();
        to.push_back(std::move(current));
        if (to.size() > levels_) to.pop_front();
        return target;
    }

    std::size_t levels_;
    std::deque<State> undo_;
    std::deque<State> redo_;
};

} // namespace korvel
