// The file-type association: its three entries, the command written for the program,
// values of each type, silent refusals, reported conversion errors, and long paths.
#include "platform/cregistry.h"
#include "platform/mod_assoc.h"
#include "platform/registry_store.h"
#include "support/read_only_root.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <optional>

using namespace korvel;
using namespace Qt::StringLiterals;
using korvel::testing::ScriptedMessages;
using namespace korvel::testing;

namespace {

class AssocTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = qEnvironmentVariableIsSet("KORVEL_REGISTRY_DIR")
                        ? std::optional(qgetenv("KORVEL_REGISTRY_DIR"))
                        : std::nullopt;
        qputenv("KORVEL_REGISTRY_DIR", QFile::encodeName(folder_.path()));
        openBefore_ = Open_Key_Count();
    }
    void TearDown() override {
        EXPECT_EQ(Open_Key_Count(), openBefore_) << "every key opened is closed again";
        EXPECT_TRUE(messages_.shown.empty());
        Make_Root_Writable(HKEY_CLASSES_ROOT);
        previous_ ? qputenv("KORVEL_REGISTRY_DIR", *previous_) : qunsetenv("KORVEL_REGISTRY_DIR");
        Registry_Error = false;
    }

    // The default value of a key below HKEY_CLASSES_ROOT; nothing for a missing key.
    static std::optional<QString> Default_Value(const QString& key) {
        Registry_Error = false;
        CRegistry registry;
        registry.OpenKey(HKEY_CLASSES_ROOT, key, false);
        if (Registry_Error) return std::nullopt;
        return registry.ReadValue(QString());
    }

    // The store's file without its last write times, which differ from run to run.
    static QStringList Entries() {
        QFile file(Root_File_Path(HKEY_CLASSES_ROOT));
        if (!file.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(u"\r\n"_s);
        lines.removeIf([](const QString& line) { return line.startsWith(u"; last write"_s); });
        return lines;
    }

    // A value's type and data as stored.
    static std::optional<std::pair<int32_t, QByteArray>> Stored(RegHandle key,
                                                                const QString& name) {
        int32_t type = 0;
        QByteArray data;
        uint32_t size = 255;
        if (Reg_Query_Value(key, name, type, data, size) != RegResult::Success) return std::nullopt;
        return std::pair(type, data);
    }

    // Every write syncs to disk: keep the store in memory where there is such a folder.
    QTemporaryDir folder_{
        (QFileInfo(u"/dev/shm"_s).isWritable() ? u"/dev/shm"_s : QDir::tempPath()) +
        u"/korvel-assoc-XXXXXX"_s};
    std::optional<QByteArray> previous_;
    int openBefore_ = 0;
    ScriptedMessages messages_;
};

QByteArray Dword_Bytes(uint32_t number) {
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(number >> (8 * i) & 0xFF);
    return bytes;
}

// ------------------------------------------------------------------ the association

TEST_F(AssocTest, WritesTheThreeEntriesAndASecondRunLeavesThemTheSame) {
    CreateAssociation(u"Korvel"_s, u"kvl"_s, u"/opt/korvel/bin"_s, u"korvel"_s);
    EXPECT_EQ(Default_Value(u".kvl"_s), u"Korvel.Document"_s);
    EXPECT_EQ(Default_Value(u"Korvel.Document"_s), u"Korvel File"_s);
    EXPECT_EQ(Default_Value(u"Korvel.Document\\shell\\open\\command"_s),
              u"/opt/korvel/bin/korvel %1"_s);
    const QStringList first = Entries();
    EXPECT_EQ(
        first.filter(QRegularExpression(u"^\\["_s)),
        QStringList({u"[HKEY_CLASSES_ROOT\\.kvl]"_s, u"[HKEY_CLASSES_ROOT\\Korvel.Document]"_s,
                     u"[HKEY_CLASSES_ROOT\\Korvel.Document\\shell]"_s,
                     u"[HKEY_CLASSES_ROOT\\Korvel.Document\\shell\\open]"_s,
                     u"[HKEY_CLASSES_ROOT\\Korvel.Document\\shell\\open\\command]"_s}));

    CreateAssociation(u"Korvel"_s, u"kvl"_s, u"/opt/korvel/bin"_s, u"korvel"_s);
    EXPECT_EQ(Entries(), first);
}

TEST_F(AssocTest, TheProgramFolderIsWrittenUnchangedAndUnquoted) {
    const struct {
        QString folder, executable, command;
    } cases[] = {
        {u"/opt/My Programs/Korvel 9"_s, u"korvel"_s, u"/opt/My Programs/Korvel 9/korvel %1"_s},
        {u"/home/ada/apps/"_s, u"korvel"_s, u"/home/ada/apps/korvel %1"_s},
        {u"/home/ada/Korvel Apps"_s, u"Korvel App"_s, u"/home/ada/Korvel Apps/Korvel App %1"_s},
    };
    for (const auto& c : cases) {
        CreateAssociation(u"Korvel"_s, u"kvl"_s, c.folder, c.executable);
        EXPECT_EQ(Default_Value(u"Korvel.Document\\shell\\open\\command"_s), c.command);
    }
}

TEST_F(AssocTest, RefusalsByTheRegistryAreSilent) {
    if (!Permission_Bits_Bind()) GTEST_SKIP() << "permission bits do not bind this user (root)";
    Make_Root_Folder_Read_Only(HKEY_CLASSES_ROOT);
    CreateAssociation(u"Korvel"_s, u"kvl"_s, u"/opt/korvel"_s, u"korvel"_s);
    EXPECT_FALSE(QFileInfo::exists(Root_File_Path(HKEY_CLASSES_ROOT)));

    // A key that does not exist takes no value, and is not made by trying.
    Make_Root_Writable(HKEY_CLASSES_ROOT);
    SetKeyValue(u"Missing.Document"_s, QString(), u"x"_s, REG_SZ);
    EXPECT_FALSE(Default_Value(u"Missing.Document"_s));
    EXPECT_EQ(SetValueEx(0, u"Text"_s, REG_SZ, u"x"_s), RegResult::InvalidHandle);
}

// ------------------------------------------------------------------ SetValueEx

TEST_F(AssocTest, SetValueExStoresTextAndWholeNumbersAndReportsWhatIsNone) {
    RegHandle key = 0;
    ASSERT_EQ(Reg_Create_Key(HKEY_CLASSES_ROOT, u"Korvel.Test"_s, QString(), 0x3F, key),
              RegResult::Success);
    EXPECT_EQ(SetValueEx(key, u"Text"_s, REG_SZ, u"Korvel File"_s), 0);
    EXPECT_EQ(Stored(key, u"Text"_s), std::pair(REG_SZ, QByteArray("Korvel File", 12)));
    // Other types write nothing.
    EXPECT_EQ(SetValueEx(key, u"Binary"_s, REG_BINARY, QByteArray("x")), 0);
    EXPECT_FALSE(Stored(key, u"Binary"_s));

    const auto mismatch = u"Error 13   (Type mismatch)  has occurred in SetValueEx\r\n\r\n"_s;
    const auto overflow = u"Error 6   (Overflow)  has occurred in SetValueEx\r\n\r\n"_s;
    const struct {
        QVariant setting;
        std::optional<uint32_t> stored; // nothing: reported and not written
        QString report;
    } numbers[] = {
        {QVariant(10), 10, {}},
        {QVariant(2.5), 2, {}},
        {QVariant(3.5), 4, {}},
        {QVariant(-1), 0xFFFFFFFF, {}},
        {QVariant(true), 0xFFFFFFFF, {}},
        {QVariant(u" 12 "_s), 12, {}},
        {QVariant(), 0, {}},
        {QVariant(2147483647.0), 0x7FFFFFFF, {}},
        {QVariant(u"abc"_s), {}, mismatch},
        {QVariant(QString()), {}, mismatch},
        {QVariant(1e10), {}, overflow},
        {QVariant(2147483647.5), {}, overflow},
    };
    for (const auto& n : numbers) {
        ScriptedMessages messages;
        EXPECT_EQ(SetValueEx(key, u"Number"_s, REG_DWORD, n.setting), 0);
        const auto stored = Stored(key, u"Number"_s);
        if (n.stored) {
            EXPECT_EQ(stored, std::pair(REG_DWORD, Dword_Bytes(*n.stored)))
                << n.setting.toString().toStdString();
            EXPECT_TRUE(messages.shown.empty());
        } else {
            EXPECT_FALSE(stored) << n.setting.toString().toStdString();
            EXPECT_EQ(messages.Texts(), std::vector{n.report});
        }
        Reg_Delete_Value(key, u"Number"_s);
    }
    Reg_Close_Key(key);
}

// ------------------------------------------------------------------ long paths

TEST_F(AssocTest, GetLongPathFromShortPathGivesTheCanonicalPathOfWhatExists) {
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    const QString root = QFileInfo(base.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(root).mkpath(u"Model Files"_s));
    const QString model = root + u"/Model Files/A long model name.kvl"_s;
    ASSERT_TRUE(QFile(model).open(QIODevice::WriteOnly));

    EXPECT_EQ(GetLongPathFromShortPath(model), model);
    EXPECT_EQ(
        GetLongPathFromShortPath(root + u"/Model Files/./../Model Files//A long model name.kvl"_s),
        model);
    EXPECT_EQ(GetLongPathFromShortPath(root + u"/Model Files"_s), root + u"/Model Files"_s);
    EXPECT_EQ(GetLongPathFromShortPath(root + u"/Model Files/missing.kvl"_s), QString());
    EXPECT_EQ(GetLongPathFromShortPath(QString()), QString());

    // Longer than the old limit of 260 characters: returned whole.
    QString deep = root;
    for (int i = 0; i < 6; ++i)
        deep += u"/a folder with a rather long name number %1"_s.arg(i);
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString deepModel = deep + u"/model.kvl"_s;
    ASSERT_TRUE(QFile(deepModel).open(QIODevice::WriteOnly));
    ASSERT_GT(deepModel.size(), 260);
    EXPECT_EQ(GetLongPathFromShortPath(deepModel), deepModel);
}

} // namespace
