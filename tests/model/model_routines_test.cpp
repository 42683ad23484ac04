// The equation set's defaults, clearing and copying routines, and how it paints the
// entry screen.
#include "model/entry_view.h"
#include "model/mod_matrix.h"

#include "base/runtime_error.h"

#include <QDateTime>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <map>

using namespace korvel;

namespace {

class RecordingView : public EntryView {
  public:
    void Paint_Coefficient(int index, const QString& text, BoxColour colour) override {
        grid[index] = {text, colour};
    }
    void Paint_Constant(int row, const QString& text, BoxColour colour) override {
        constants[row] = {text, colour};
    }
    void Paint_Name(int row, const QString& text) override { names[row] = text; }

    std::map<int, std::pair<QString, BoxColour>> grid, constants;
    std::map<int, QString> names;
};

class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Set_Model_Screens([this] { return &view; }, [] {});
        Initialize();
    }
    void TearDown() override { Set_Model_Screens(nullptr, nullptr); }
    RecordingView view;
};

} // namespace

TEST_F(ModelTest, StartUpModelIsTheDefaultSystem) {
    EXPECT_EQ(Num_Equations, 3);
    EXPECT_EQ(Last_Index, 2);
    EXPECT_EQ(File_Name, QStringLiteral("Korvel 1"));
    EXPECT_FALSE(Solved);
    EXPECT_EQ(Design_No, 1);
    const double a[3][3] = {{-2, -1, 1}, {1, 1, 1}, {3, 1, -1}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(A_Matrix[i + 1][j + 1], a[i][j]);
            EXPECT_EQ(A_Save[i + 1][j + 1], a[i][j]);
        }
    EXPECT_EQ(C_Work[2], 6);
    for (int j = 1; j <= 16; ++j)
        EXPECT_EQ(Var_Name[j], QStringLiteral("Y %1").arg(j));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d\\d-\\d\\d-\\d{4}$")).match(Model_Date).hasMatch());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(Model_Time).hasMatch());
}

TEST_F(ModelTest, PaintsNumberTextWithGreyForZeroAtThreeDecimals) {
    EXPECT_EQ(view.grid.size(), 9u);
    EXPECT_EQ(view.grid[0].first, QStringLiteral("-2"));
    EXPECT_EQ(view.grid[0].second, BoxColour::Red);
    EXPECT_EQ(view.grid[16 * 1 + 0].first, QStringLiteral(" 1")); // A(2,1)
    EXPECT_EQ(view.grid[16 * 2 + 2].first, QStringLiteral("-1"));
    EXPECT_EQ(view.constants[1].first, QStringLiteral(" 6"));
    EXPECT_EQ(view.names[2], QStringLiteral("Y 3"));

    A_Matrix[1][1] = 0.0004;
    A_Matrix[1][2] = 0.002;
    A_Matrix[1][3] = 0;
    C_Vector[1] = -0.0004; // rounds to -0 at three decimals: still grey
    Show_A();
    Show_C();
    EXPECT_EQ(view.grid[0], std::make_pair(QStringLiteral(" .0004"), BoxColour::Grey));
    EXPECT_EQ(view.grid[1], std::make_pair(QStringLiteral(" .002"), BoxColour::Red));
    EXPECT_EQ(view.grid[2], std::make_pair(QStringLiteral(" 0"), BoxColour::Grey));
    EXPECT_EQ(view.constants[0], std::make_pair(QStringLiteral("-.0004"), BoxColour::Grey));
}

TEST_F(ModelTest, ClearingTouchesOnlyTheLeadingBlock) {
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 6; ++j)
            A_Matrix[i][j] = 10 * i + j;
        C_Vector[i] = i;
        X_Vector[i] = -i;
    }
    Clear_Model(3);
    EXPECT_EQ(A_Matrix[3][3], 0);
    EXPECT_EQ(A_Matrix[3][4], 34);
    EXPECT_EQ(A_Matrix[4][1], 41);
    EXPECT_EQ(C_Vector[4], 4);
    EXPECT_EQ(X_Vector[3], 0);
    EXPECT_EQ(X_Vector[4], -4);
    EXPECT_EQ(C_Work[3], 0);
    EXPECT_EQ(A_Save[2][2], 0);

    A_Matrix[1][1] = 5;
    C_Vector[2] = 7;
    X_Vector[2] = 8;
    Zero_C(3);
    EXPECT_EQ(C_Vector[2], 0);
    EXPECT_EQ(X_Vector[2], 0); // clearing the constants also clears the solution
    EXPECT_EQ(A_Matrix[1][1], 5);
    Zero_A(3);
    EXPECT_EQ(A_Matrix[1][1], 0);
    EXPECT_EQ(A_Save[1][1], 0);
}

TEST_F(ModelTest, WorkingCopiesMoveOnlyTheirBlock) {
    A_Matrix[2][2] = 99;
    A_Matrix[4][4] = 44;
    Save_A(3);
    A_Matrix[2][2] = 0;
    A_Matrix[4][4] = 0;
    Restore_A(3);
    EXPECT_EQ(A_Matrix[2][2], 99);
    EXPECT_EQ(A_Matrix[4][4], 0);

    C_Work[1] = 11;
    Work_To_X(1);
    EXPECT_EQ(X_Vector[1], 11);
    C_Vector[1] = 12;
    C_To_X(1);
    EXPECT_EQ(X_Vector[1], 12);
}

TEST_F(ModelTest, CountOutsideTheArraysIsARunTimeError) {
    EXPECT_THROW(Clear_Model(17), RuntimeError);
    EXPECT_THROW(Save_A(-1), RuntimeError);
    try {
        Zero_C(40);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), Err::SubscriptOutOfRange);
    }
}

TEST(ModelWithoutScreens, PaintingWithoutAnEntryScreenDoesNothing) {
    Set_Model_Screens(nullptr, nullptr);
    Initialize();
    EXPECT_NO_THROW(Show_A());
    EXPECT_EQ(Num_Equations, 3);
}

// A new model is stamped with today's local date and time in the forms its file keeps.
TEST(ModelStamp, DateAndTimeAreTodaysInTheFileForms) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QDateTime before = QDateTime::currentDateTime();
        const QString date = Current_Model_Date();
        const QString time = Current_Model_Time();
        const QDateTime after = QDateTime::currentDateTime();
        if (before.toSecsSinceEpoch() != after.toSecsSinceEpoch()) continue; // a second turned
        EXPECT_EQ(date, before.date().toString(QStringLiteral("MM-dd-yyyy")));
        EXPECT_EQ(time, before.time().toString(QStringLiteral("HH:mm:ss")));
        return;
    }
    FAIL() << "the clock kept turning over";
}
