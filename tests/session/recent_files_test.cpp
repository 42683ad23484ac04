// The recent files list in the registry store: newest first, eight at most, no entry
// twice, files taken off, and a store the user may not write.
#include "base/runtime_error.h"
#include "files/default_extension.h"
#include "platform/registry_store.h"
#include "session/recent_files.h"
#include "session/save_name.h"
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

class RecentFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { qputenv("KORVEL_REGISTRY_DIR", QFile::encodeName(store_.path())); }
    void TearDown() override {
        korvel::testing::Make_Root_Writable(HKEY_CURRENT_USER);
        qunsetenv("KORVEL_REGISTRY_DIR");
    }
    static QString File(int i) { return QStringLiteral("/models/m%1.kvl").arg(i); }

    QTemporaryDir store_;
};

TEST_F(RecentFilesTest, NewestFirstEightAtMostAndNoFileTwice) {
    EXPECT_TRUE(Recent_Files().isEmpty());
    for (int i = 1; i <= 10; ++i)
        ASSERT_TRUE(Remember_Recent_File(File(i)));
    EXPECT_EQ(Recent_Files(), QStringList({File(10), File(9), File(8), File(7), File(6), File(5),
                                           File(4), File(3)}));
    // Opening one already on the list moves it up.
    ASSERT_TRUE(Remember_Recent_File(File(5)));
    EXPECT_EQ(Recent_Files().mid(0, 3), QStringList({File(5), File(10), File(9)}));
    EXPECT_EQ(Recent_Files().size(), Recent_Files_Kept);
    // A file gone is taken off; the others keep their order.
    ASSERT_TRUE(Forget_Recent_File(File(10)));
    EXPECT_EQ(Recent_Files().mid(0, 2), QStringList({File(5), File(9)}));
    EXPECT_EQ(Open_Key_Count(), 0);
}

TEST_F(RecentFilesTest, KeptAsFileValuesUnderTheUsersKeyWithRelativePathsMadeWhole) {
    Remember_Recent_File(QStringLiteral("/models/a.kvl"));
    Remember_Recent_File(QStringLiteral("relative.kvl"));
    RegHandle key = 0;
    ASSERT_EQ(Reg_Open_Key(HKEY_CURRENT_USER, QStringLiteral("Software\\Korvel\\Recent Files"),
                           KEY_READ, key),
              RegResult::Success);
    int32_t type = 0;
    QByteArray data;
    uint32_t size = 4096;
    ASSERT_EQ(Reg_Query_Value(key, QStringLiteral("File2"), type, data, size), RegResult::Success);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_TRUE(data.startsWith("/models/a.kvl"));
    size = 4096;
    EXPECT_EQ(Reg_Query_Value(key, QStringLiteral("File3"), type, data, size),
              RegResult::FileNotFound);
    Reg_Close_Key(key);
    EXPECT_TRUE(QDir::isAbsolutePath(Recent_Files().front()));
    EXPECT_TRUE(Recent_Files().front().endsWith(QStringLiteral("/relative.kvl")));
}

TEST_F(RecentFilesTest, LongPathsAreKeptWhole) {
    // Longer than the 255 bytes a registry text value is read with elsewhere.
    const QString deep =
        QStringLiteral("/") + QString(300, QLatin1Char('d')) + QStringLiteral("/model & co.kvl");
    ASSERT_TRUE(Remember_Recent_File(deep));
    EXPECT_EQ(Recent_Files(), QStringList({deep}));
}

TEST_F(RecentFilesTest, AStoreThatCannotBeWrittenKeepsItsList) {
    if (!korvel::testing::Permission_Bits_Bind())
        GTEST_SKIP() << "permission bits do not bind this user (root)";
    ASSERT_TRUE(Remember_Recent_File(File(2)));
    korvel::testing::Make_Root_File_Read_Only(HKEY_CURRENT_USER);
    EXPECT_FALSE(Remember_Recent_File(File(1)));
    EXPECT_EQ(Recent_Files(), QStringList({File(2)})); // still readable, unchanged
}

TEST(RecentFileProblem, SaysWhatTheListedPathHasBecome) {
    QTemporaryDir dir;
    const QString model = dir.filePath(QStringLiteral("m.kvl"));
    const QString pipe = dir.filePath(QStringLiteral("pipe.kvl"));
    QFile file(model);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct {
        QString path;
        const char* says; // empty: opens as usual
    } cases[] = {{model, ""},
                 {dir.filePath(QStringLiteral("gone.kvl")), "no longer exists"},
                 {dir.path(), "is now a folder"},
                 {pipe, "pipe, socket or device"},
                 {QStringLiteral("/dev/null"), "pipe, socket or device"}};
    for (const auto& c : cases) {
        const QString problem = Recent_File_Problem(c.path);
        if (*c.says == 0)
            EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        else
            EXPECT_TRUE(problem.contains(QLatin1String(c.says))) << c.path.toStdString();
    }
}

TEST(SaveName, ExtensionAddedOnlyToANameWithoutOne) {
    // A dot in a folder's name or a hidden file's leading dot is no extension.
    const std::pair<const char*, const char*> names[] = {
        {"/m/bridge", "/m/bridge.kvl"},       {"/m/bridge.", "/m/bridge.kvl"},
        {"/m/bridge.kvl", "/m/bridge.kvl"},   {"/m/bridge.old", "/m/bridge.old"},
        {"/m.v2/bridge", "/m.v2/bridge.kvl"}, {"C:\\a.b\\x", "C:\\a.b\\x.kvl"},
        {"/m/.notes", "/m/.notes.kvl"}};
    for (const auto& [chosen, saved] : names)
        EXPECT_EQ(With_Default_Extension(QLatin1String(chosen), QStringLiteral("kvl")),
                  QLatin1String(saved))
            << chosen;
}

TEST(SaveName, ReplacingTheFileTheExtensionNamesIsAskedFirst) {
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("truss"));
    ScriptedMessages messages;
    // No file there yet: no question.
    EXPECT_EQ(Final_Save_Name(chosen, QStringLiteral("kvl")), chosen + QStringLiteral(".kvl"));
    EXPECT_TRUE(messages.shown.empty());

    QFile existing(chosen + QStringLiteral(".kvl"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    messages.Answer(MsgAnswer::No);
    try {
        Final_Save_Name(chosen, QStringLiteral("kvl"));
        ADD_FAILURE() << "No must end the command";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), Err::Cancel);
    }
    ASSERT_EQ(messages.shown.size(), size_t(1));
    EXPECT_EQ(messages.shown[0].text, Replace_File_Question(chosen + QStringLiteral(".kvl")));
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);

    messages.Answer(MsgAnswer::Yes);
    EXPECT_EQ(Final_Save_Name(chosen, QStringLiteral("kvl")), chosen + QStringLiteral(".kvl"));
    // A name typed with its extension was asked about by the dialog already.
    EXPECT_EQ(Final_Save_Name(chosen + QStringLiteral(".kvl"), QStringLiteral("kvl")),
              chosen + QStringLiteral(".kvl"));
    EXPECT_EQ(messages.shown.size(), size_t(2));
}

} // namespace
