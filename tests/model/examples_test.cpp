// The example sets load exactly as tabled and solve to the published values.
#include "model/examples.h"
#include "model/mod_matrix.h"
#include "model/solve_equations.h"
#include "session/show_results.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <vector>

using namespace korvel;

namespace {

std::vector<double> Solve_Loaded() {
    korvel::testing::ScriptedMessages messages;
    Load_C_Work(Num_Equations);
    Show_Solve_Result(Solve_Equations());
    EXPECT_EQ(Solve_Error, 0);
    EXPECT_TRUE(messages.shown.empty());
    return std::vector<double>(X_Vector + 1, X_Vector + 1 + Num_Equations);
}

void Expect_Three_Decimals(const std::vector<double>& got, const std::vector<double>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 0.0005) << "x" << i + 1;
}

} // namespace

TEST(Examples, TestMatrixSolvesToOneTwoThree) {
    Initialize();
    Load_Test_Matrix();
    EXPECT_EQ(Num_Equations, 3);
    Expect_Three_Decimals(Solve_Loaded(), {1, 2, 3});
}

TEST(Examples, Example11_2) {
    Initialize();
    Load_Example_11_2();
    EXPECT_EQ(Num_Equations, 6);
    EXPECT_EQ(Last_Index, 5);
    EXPECT_EQ(A_Matrix[3][3], -1.333);
    EXPECT_EQ(A_Matrix[6][5], -8.5944);
    EXPECT_EQ(C_Vector[6], -136.987);
    EXPECT_FALSE(Solved);
    Expect_Three_Decimals(Solve_Loaded(), {-39.232, -10.336, 39.373, -3.164, -5.295, 177.590});
}

TEST(Examples, Example11_3) {
    Initialize();
    Load_Example_11_3();
    EXPECT_EQ(Num_Equations, 9);
    EXPECT_EQ(A_Matrix[3][3], -1.33);
    EXPECT_EQ(A_Matrix[3][9], 1);
    EXPECT_EQ(C_Vector[9], 101.031);
    Expect_Three_Decimals(Solve_Loaded(), {-117.654, -107.841, 118.134, 100.341, -1.331, 87.433,
                                           -20.227, 77.706, 243.230});
}

TEST(Examples, LoadingKeepsIdentificationAndHiddenValues) {
    Initialize();
    File_Name = QStringLiteral("bridge");
    Design_No = 7;
    Var_Name[1] = QStringLiteral("truss");
    Load_Example_11_3();
    Load_Test_Matrix();
    EXPECT_EQ(Num_Equations, 3);
    EXPECT_EQ(File_Name, QStringLiteral("bridge"));
    EXPECT_EQ(Design_No, 7);
    EXPECT_EQ(Var_Name[1], QStringLiteral("Y 1"));
    // Outside the 3 × 3 block the values of Example 11-3 are still there.
    EXPECT_EQ(A_Matrix[6][4], 3.673);
    EXPECT_EQ(A_Matrix[9][8], 1.244);
    EXPECT_EQ(C_Vector[7], -18.896);
    EXPECT_EQ(A_Matrix[3][3], -1); // the default system inside it
}

TEST(Examples, NamesForTheCommandLine) {
    EXPECT_EQ(Example_From_Name(QStringLiteral("test")), Example::TestMatrix);
    EXPECT_EQ(Example_From_Name(QStringLiteral("11-2")), Example::Example11_2);
    EXPECT_EQ(Example_From_Name(QStringLiteral("11-3")), Example::Example11_3);
    EXPECT_FALSE(Example_From_Name(QStringLiteral("11-4")).has_value());
}
