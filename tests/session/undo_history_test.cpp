// Undo and redo over whole states: order, the levels kept, and a new action forgetting
// what could be redone.
#include "session/undo_history.h"

#include <gtest/gtest.h>

using namespace korvel;

TEST(UndoHistory, WalksBackAndForthKeepsTheNewestLevelsAndForgetsTheRedo) {
    UndoHistory<int> history(10);
    EXPECT_FALSE(history.Undo(0).has_value());
    for (int state = 1; state <= 15; ++state) // each the state before an action
        history.Remember(state);
    EXPECT_EQ(history.Undo(16), 15);
    EXPECT_EQ(history.Redo(15), 16);
    EXPECT_FALSE(history.Redo(16).has_value());
    std::vector<int> undone;
    int current = 16;
    while (const auto before = history.Undo(current))
        undone.push_back(current = *before);
    EXPECT_EQ(undone, (std::vector<int>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6}));

    EXPECT_EQ(history.Redo(6), 7);
    history.Remember(7); // a new action where a redo was possible
    EXPECT_FALSE(history.Can_Redo());
    EXPECT_EQ(history.Undo(8), 7);
}
