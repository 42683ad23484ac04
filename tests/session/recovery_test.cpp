// The recovery file: kept only for a solved, unsaved model and without any message;
// offered once at the next start, opened without taking over the save path, then removed.
#include "base/app_globals.h"
#include "files/model_file.h"
#include "model/mod_matrix.h"
#include "session/recovery.h"
#include "session/run_check.h"
#include "session/terminate.h"
#include "support/scripted_messages.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

class RecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("XDG_DATA_HOME", data_.path().toLocal8Bit());
        Initialize();
        Clear_Model(Max_Equations);
        Num_Equations = 2, Last_Index = 1;
        A_Matrix[1][1] = 2, A_Matrix[1][2] = 1, C_Vector[1] = 3;
        A_Matrix[2][1] = 1, A_Matrix[2][2] = 3, C_Vector[2] = 5;
        File_Name = QStringLiteral("truss");
        File_Path = QStringLiteral("/home/ann/Documents/KORVEL/");
        Solved = true;
        Data_Saved = false;
        Checkfile_Name = data_.filePath(QStringLiteral("Run_Check.txt"));
        Set_Program_Ender([this] { ++ended_; });
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        Set_Program_Ender(nullptr);
        Checkfile_Name.clear();
        Solved = false;
    }

    static QByteArray Recovery_Bytes() {
        QFile file(Recovery_File_Name());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir data_;
    int ended_ = 0;
};

} // namespace

TEST_F(RecoveryTest, OnlyASolvedUnsavedModelIsKeptAndNoMessageIsShown) {
    ScriptedMessages messages;
    EXPECT_TRUE(Recovery_File_Name().startsWith(data_.path()))
        << Recovery_File_Name().toStdString();

    Solved = false;
    EXPECT_FALSE(Write_Recovery_File());
    Solved = true, Data_Saved = true;
    EXPECT_FALSE(Write_Recovery_File());
    EXPECT_FALSE(QFile::exists(Recovery_File_Name()));

    Data_Saved = false;
    EXPECT_TRUE(Write_Recovery_File());
    EXPECT_EQ(Recovery_Bytes(), Model_File_Content()); // the model file's own layout
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecoveryTest, SystemQuitKeepsTheModelAndEndsNormallyOnce) {
    ScriptedMessages messages;
    Quit_On_System_Request();
    Quit_On_System_Request(); // a second request while ending changes nothing
    EXPECT_EQ(ended_, 1);
    EXPECT_FALSE(Recovery_Bytes().isEmpty());
    QFile checkfile(Checkfile_Name);
    ASSERT_TRUE(checkfile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(checkfile.readLine().startsWith("\"Normal Exit\""));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(RecoveryTest, YesOpensTheKeptModelWithoutTakingItsPath) {
    ASSERT_TRUE(Write_Recovery_File());
    Clear_Model(Max_Equations);
    File_Name.clear();
    ScriptedMessages messages;
    messages.Answer(MsgAnswer::Yes);
    Offer_Recovered_Model();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages.shown[0].text, Recovered_Model_Question());
    EXPECT_EQ(Num_Equations, 2);
    EXPECT_EQ(A_Matrix[2][2], 3);
    EXPECT_EQ(C_Vector[2], 5);
    EXPECT_EQ(File_Name, QStringLiteral("truss"));
    EXPECT_EQ(File_Path, QStringLiteral("/home/ann/Documents/KORVEL/")); // Save asks for a name
    EXPECT_FALSE(Data_Saved);
    EXPECT_FALSE(QFile::exists(Recovery_File_Name()));

    Offer_Recovered_Model(); // gone: the next start asks nothing
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(RecoveryTest, NoLeavesTheModelAsItIsAndRemovesTheFile) {
    ASSERT_TRUE(Write_Recovery_File());
    A_Matrix[1][1] = 7;
    ScriptedMessages messages;
    messages.Answer(MsgAnswer::No);
    Offer_Recovered_Model();
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(A_Matrix[1][1], 7);
    EXPECT_FALSE(QFile::exists(Recovery_File_Name()));
}

// The system ends the program while the question is up (a logout): the box closes without
// an answer, and the kept model waits for the next start.
TEST_F(RecoveryTest, AQuestionTheProgramEndedDuringKeepsTheFile) {
    ASSERT_TRUE(Write_Recovery_File());
    struct EndedWhileAsking : ScriptedMessages {
        MsgAnswer Show(const QString&, MsgIcon, MsgButtons) override {
            Quit_On_System_Request();
            return MsgAnswer::No; // as the closed box gives
        }
    } messages;
    Offer_Recovered_Model();
    EXPECT_TRUE(ended_ == 1 && QFile::exists(Recovery_File_Name()));
}

TEST_F(RecoveryTest, ChangedWorkIsKeptSolvedOrNotUntilSavedFromTheScreensSource) {
    ScriptedMessages messages;
    Solved = false, Data_Saved = true; // a saved model, changed and not solved again
    EXPECT_FALSE(Write_Recovery_File());
    Keep_Changed_Work();
    EXPECT_EQ(Recovery_Bytes(), Model_File_Content());

    // What the screen shows stands in for the model, which has not read it yet.
    Set_Recovery_Source([] { return QByteArray("typed"); });
    EXPECT_TRUE(Write_Recovery_File());
    EXPECT_EQ(Recovery_Bytes(), QByteArray("typed"));
    Set_Recovery_Source({});

    Forget_Recovery_File(); // saved
    EXPECT_FALSE(QFile::exists(Recovery_File_Name()));
    EXPECT_FALSE(Write_Recovery_File());
    EXPECT_TRUE(messages.shown.empty());
}
