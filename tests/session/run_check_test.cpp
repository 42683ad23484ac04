// The run-check file across starts: first start, normal runs, a crash, a second copy,
// an unreadable file; and the identification defaults.
#include "base/app_globals.h"
#include "platform/cregistry.h"
#include "platform/registry_store.h"
#include "session/identification.h"
#include "session/run_check.h"
#include "session/terminate.h"
#include "support/read_only_root.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace korvel;
using korvel::testing::ScriptedMessages;

namespace {

class RunCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedHome_ = qgetenv("HOME");
        qputenv("HOME", home_.path().toLocal8Bit());
        qunsetenv("XDG_DOCUMENTS_DIR");
        qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral(".config")).toLocal8Bit());
        Set_Identity();
        App_Path = program_.path() + QLatin1Char('/');
        Checkfile_Name.clear();
        Start_Again();
    }
    // The next run of the program, in this process: nothing has begun to end yet.
    void Start_Again() {
        Set_Program_Ender([this] { ++ended_; });
    }
    void TearDown() override {
        qputenv("HOME", savedHome_);
        qunsetenv("XDG_CONFIG_HOME");
        Set_Program_Ender(nullptr);
    }

    QByteArray Checkfile() const {
        QFile file(program_.filePath(QStringLiteral("Run_Check.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Write_Checkfile_Bytes(const QByteArray& bytes) {
        QFile file(program_.filePath(QStringLiteral("Run_Check.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir home_, program_;
    QByteArray savedHome_;
    int ended_ = 0;
};

const QByteArray Running_Record =
    "\"Running\"\r\n\r\n\"This file records an abnormal exit from the program on last "
    "execution\"\r\n\"and is checked at each startup.  Please do not move or delete it.\"\r\n";
const QByteArray Normal_Record =
    "\"Normal Exit\"\r\n\r\n\"This file records a normal exit from the program on last run\"\r\n"
    "\"and is checked at each startup.  Please do not move or delete.\"\r\n";

} // namespace

TEST_F(RunCheckTest, FirstStartCreatesTheFolderAndRecordsRunning) {
    ScriptedMessages messages;
    Check_for_Crash({});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Checkfile(), Running_Record);
    EXPECT_EQ(Checkfile_Name, program_.filePath(QStringLiteral("Run_Check.txt")));
    EXPECT_TRUE(File_Path.endsWith(QStringLiteral("/KORVEL/"))) << File_Path.toStdString();
    EXPECT_TRUE(QDir(File_Path).exists());
    EXPECT_FALSE(User_Name.isEmpty());
}

TEST_F(RunCheckTest, NormalRunsAreSilentAndACrashIsReportedOnce) {
    ScriptedMessages messages;
    Check_for_Crash({});
    Terminate(); // Quit > Yes
    EXPECT_EQ(Checkfile(), Normal_Record);
    EXPECT_EQ(ended_, 1);
    Start_Again();
    Check_for_Crash({});
    EXPECT_TRUE(messages.shown.empty());

    // This run is killed: the next start finds "Running".
    Start_Again();
    Check_for_Crash({});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Improper_Shutdown_Message());
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("   The program did not shut down properly on its last run.     \r\r")));
    EXPECT_EQ(Checkfile(), Running_Record);
    Terminate();
    Start_Again();
    Check_for_Crash({});
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(RunCheckTest, SecondCopyFromAModelFileIsRefusedAndLeavesTheFile) {
    ScriptedMessages messages;
    Write_Checkfile_Bytes(Running_Record);
    Check_for_Crash({QStringLiteral("/home/ann/truss.kvl")});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("   You double-clicked on a KORVEL data file when the program was "
                             "already running.\r   You cannot have two instances of KORVEL "
                             "running at once.\r\r   Please open the data file from within "
                             "KORVEL with File/Open  \r"));
    EXPECT_EQ(ended_, 1);
    EXPECT_TRUE(Program_Ending());
    EXPECT_EQ(Checkfile(), Running_Record);
}

TEST_F(RunCheckTest, AnythingButRunningCountsAsANormalExit) {
    ScriptedMessages messages;
    Write_Checkfile_Bytes("\"Whatever\"\r\n");
    Check_for_Crash({});
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Checkfile(), Running_Record);
}

TEST_F(RunCheckTest, AnEmptyFileIsReportedAtEveryStartAndNotRewritten) {
    Write_Checkfile_Bytes("");
    for (int start = 0; start < 2; ++start) {
        ScriptedMessages messages;
        Check_for_Crash({});
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown[0].text.startsWith(
            QStringLiteral("Error 62   (Input past end of file)  has occurred in "
                           "Check_for_Crash  when reading Checkfile\r\n")));
        EXPECT_EQ(Checkfile(), QByteArray());
    }
}

TEST_F(RunCheckTest, AFifoInPlaceOfTheFileIsReportedAtOnceNotWaitedOn) {
    const QString path = program_.filePath(QStringLiteral("Run_Check.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    ScriptedMessages messages;
    Check_for_Crash({}); // opening a FIFO for reading would wait for a writer for ever
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        QStringLiteral("Error 75   (Path/File access error: not a regular file: ") + path +
        QStringLiteral(")  has occurred in Check_for_Crash  when opening Checkfile\r\n")))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(ended_, 0);
}

TEST_F(RunCheckTest, AnUnwritableProgramFolderUsesTheUsersDataFolder) {
    const QString missing = program_.filePath(QStringLiteral("no/such/folder/"));
    EXPECT_NE(Checkfile_Folder(missing), missing);
    EXPECT_EQ(Checkfile_Folder(App_Path), App_Path);
    EXPECT_TRUE(QDir(Checkfile_Folder(missing)).exists());
}

TEST(Identification, DesignNumbers) {
    const struct {
        const char* text;
        std::optional<int16_t> value;
    } cases[] = {
        {"12abc", 12},
        {"2.5", 2},
        {"3.5", 4},
        {"", 0},
        {"-7", -7},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", std::nullopt},
        {"40000", std::nullopt},
        {"-32769", std::nullopt},
        {"1e400", std::nullopt},
        {"&HFFFF", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Design_Number_From_Text(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(Identification, ProjectIdStartsFromTheRegisteredOrganisation) {
    if (!korvel::testing::Permission_Bits_Bind())
        GTEST_SKIP() << "permission bits do not bind this user (root)";
    QTemporaryDir store;
    qputenv("KORVEL_REGISTRY_DIR", store.path().toLocal8Bit());
    qputenv("ORGANIZATION", "ACME");
    ScriptedMessages messages;

    EXPECT_TRUE(Check_Administrator());
    Set_User();
    EXPECT_EQ(Project_ID, QStringLiteral(" ACME")); // five characters, the first a blank
    EXPECT_EQ(Default_ID, Project_ID);
    QString organization, owner, os;
    Get_Owner(organization, owner, os);
    EXPECT_EQ(os, QStringLiteral("Linux"));

    // A user who may not open the machine-wide keys for full access: a single blank.
    korvel::testing::Make_Root_File_Read_Only(HKEY_LOCAL_MACHINE);
    Reg_Organization.clear();
    EXPECT_FALSE(Check_Administrator());
    Set_User();
    EXPECT_EQ(Project_ID, QStringLiteral(" "));
    EXPECT_TRUE(messages.shown.empty());

    korvel::testing::Make_Root_Writable(HKEY_LOCAL_MACHINE);
    qunsetenv("ORGANIZATION");
    qunsetenv("KORVEL_REGISTRY_DIR");
}
