// Undo and redo over whole states, and the model snapshot they keep for the entry screen.
#include "model/mod_matrix.h"
#include "model/model_snapshot.h"
#include "session/undo_history.h"

#include <gtest/gtest.h>

using namespace korvel;

TEST(UndoHistory, UndoAndRedoWalkBackAndForthInOrder) {
    Undo_History<int> history(10);
    EXPECT_FALSE(history.Undo(0).has_value());
    // States 1, 2, 3 each before an action; 4 is where the user stands.
    history.Remember(1);
    history.Remember(2);
    history.Remember(3);
    EXPECT_EQ(history.Undo(4), 3);
    EXPECT_EQ(history.Undo(3), 2);
    EXPECT_EQ(history.Redo(2), 3);
    EXPECT_EQ(history.Redo(3), 4);
    EXPECT_FALSE(history.Redo(4).has_value());
    EXPECT_EQ(history.Undo(4), 3);
    EXPECT_EQ(history.Undo(3), 2);
    EXPECT_EQ(history.Undo(2), 1);
    EXPECT_FALSE(history.Undo(1).has_value());
}

TEST(UndoHistory, KeepsTheNewestLevelsAndANewActionForgetsTheRedo) {
    Undo_History<int> history(10);
    for (int state = 1; state <= 15; ++state)
        history.Remember(state);
    int current = 16;
    std::vector<int> undone;
    while (auto before = history.Undo(current)) {
        undone.push_back(*before);
        current = *before;
    }
    EXPECT_EQ(undone, (std::vector<int>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6}));

    EXPECT_EQ(history.Redo(6), 7);
    history.Remember(7); // a new action where a redo was possible
    EXPECT_FALSE(history.Can_Redo());
    EXPECT_EQ(history.Undo(8), 7);
    history.Clear();
    EXPECT_FALSE(history.Can_Undo());
    EXPECT_FALSE(history.Can_Redo());
}

TEST(ModelSnapshot, RestoresEveryPartOfTheSetAndItsFlags) {
    Initialize();
    Num_Equations = 3, Last_Index = 2;
    A_Matrix[1][1] = 2.5, A_Matrix[3][2] = -7, A_Matrix[16][16] = 9; // hidden values too
    C_Vector[2] = 4, X_Vector[3] = 0.125, Var_Name[2] = QStringLiteral("force");
    Solved = true, Data_Saved = true;
    const Model_Snapshot kept = Take_Model_Snapshot();

    Clear_Model(Max_Equations);
    Default_Names();
    Num_Equations = 16, Last_Index = 15;
    Solved = false, Data_Saved = false;
    Restore_Model_Snapshot(kept);

    EXPECT_EQ(Num_Equations, 3);
    EXPECT_EQ(Last_Index, 2);
    EXPECT_EQ(A_Matrix[1][1], 2.5);
    EXPECT_EQ(A_Matrix[3][2], -7);
    EXPECT_EQ(A_Matrix[16][16], 9);
    EXPECT_EQ(C_Vector[2], 4);
    EXPECT_EQ(C_Work[2], 4); // the solver's working copy follows the constants
    EXPECT_EQ(X_Vector[3], 0.125);
    EXPECT_EQ(Var_Name[2], QStringLiteral("force"));
    EXPECT_TRUE(Solved);
    EXPECT_TRUE(Data_Saved);
    Solved = false, Data_Saved = false;
}
