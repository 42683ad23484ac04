// The registry class and its store: paths, failed opens and reads, access rights, values,
// keys and their information, the .reg file a person reads, writers running together,
// damaged files, and the machine root's facts about the system.
#include "base/runtime_error.h"
#include "platform/cregistry.h"
#include "platform/registry_store.h"
#include "platform/system_names.h"
#include "support/read_only_root.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeZone>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace korvel;
using namespace Qt::StringLiterals;
using korvel::testing::ScriptedMessages;
using namespace korvel::testing;

namespace {

const QString Current_Version_Key = u"Software\\Microsoft\\Windows NT\\CurrentVersion"_s;
const QString Environment_Key =
    u"System\\CurrentControlSet\\Control\\Session Manager\\Environment"_s;
const QString Reg_File_Header = u"Windows Registry Editor Version 5.00\r\n\r\n"_s;

// What the store tells about a key of the user's root, through a handle of its own.
RegKeyInfo Key_Info(const QString& path) {
    RegKeyInfo info;
    RegHandle key = 0;
    EXPECT_EQ(Reg_Open_Key(HKEY_CURRENT_USER, path, KEY_READ, key), RegResult::Success)
        << path.toStdString();
    EXPECT_EQ(Reg_Query_Info_Key(key, info), RegResult::Success) << path.toStdString();
    Reg_Close_Key(key);
    return info;
}

// Sets (or, given nothing, unsets) an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, std::optional<QByteArray> value)
        : name_(name),
          old_(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        value ? qputenv(name, *value) : qunsetenv(name);
    }
    ~ScopedEnv() { old_ ? qputenv(name_, *old_) : qunsetenv(name_); }

  private:
    const char* name_;
    std::optional<QByteArray> old_;
};

QString Registry_Report(const QString& description, const QString& label) {
    return u"Error -2147221502   ("_s + description + u")  has occurred in "_s + label +
           u"\r\n\r\n"_s;
}

QString Command_Output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// The account's full name as the system's own tool lists it.
QString Account_Full_Name() {
    const QStringList fields =
        Command_Output(u"getent"_s, {u"passwd"_s, QString::number(getuid())}).split(u':');
    if (fields.size() < 5) return {};
    const QString fullName = fields[4].section(u',', 0, 0);
    return fullName.isEmpty() ? fields[0] : fullName;
}

// Runs check as an account without administrator rights and gives its exit status: in a
// child that gives up root's rights when the tests run as root, else right here.
int Run_As_Ordinary_User(const std::function<int()>& check) {
    if (geteuid() != 0) return check();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        _exit(check());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

QByteArray Dword_Bytes(uint32_t number) {
    QByteArray bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(number >> (8 * i) & 0xFF);
    return bytes;
}

// Every write of the store syncs its file to disk: the tests keep it in memory where they can.
QString Temporary_Folder_Template() {
    const QFileInfo memory(u"/dev/shm"_s);
    return (memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath()) +
           u"/korvel-registry-XXXXXX"_s;
}

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        Registry_Error = false;
        Quiet_Registry = false;
    }
    void TearDown() override {
        for (const int32_t root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            Make_Root_Writable(root);
        Registry_Error = false;
        Quiet_Registry = false;
    }

    static QByteArray File_Bytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QString User_File_Text() {
        return QString::fromUtf8(File_Bytes(Root_File_Path(HKEY_CURRENT_USER)));
    }
    static QString Set_Aside_Path() { return Root_File_Path(HKEY_CURRENT_USER) + u".damaged"_s; }
    static void Write_User_File(const QByteArray& bytes) {
        QFile file(Root_File_Path(HKEY_CURRENT_USER));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QString Read(int32_t root, const QString& key, const QString& name) {
        CRegistry registry;
        registry.OpenKey(root, key, false);
        return registry.ReadValue(name);
    }

    QTemporaryDir folder_{Temporary_Folder_Template()};
    ScopedEnv store_{"KORVEL_REGISTRY_DIR", QFile::encodeName(folder_.path())};
    ScriptedMessages messages_;
};

// ------------------------------------------------------------------ opening and reading

TEST_F(RegistryTest, PathsLoseOneLeadingBackslashBeforeSlashesBecomeBackslashes) {
    const struct {
        QString given, opened;
    } cases[] = {
        {u"\\Software\\Korvel"_s, u"Software\\Korvel"_s},
        {u"Software/Korvel/Paths"_s, u"Software\\Korvel\\Paths"_s},
        {u"\\Software/Korvel/Mixed"_s, u"Software\\Korvel\\Mixed"_s},
    };
    for (const auto& c : cases) {
        CRegistry key;
        key.OpenKey(HKEY_CURRENT_USER, c.given, true);
        EXPECT_EQ(key.CurrentKey(), c.opened);
        key.WriteValue(u"Given"_s, c.given);
        EXPECT_EQ(Read(HKEY_CURRENT_USER, c.opened, u"Given"_s), c.given);
    }
    EXPECT_TRUE(messages_.shown.empty());

    // "/Software/Korvel" keeps a leading backslash, which no key name begins with.
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"/Software/Korvel"_s, true);
    EXPECT_TRUE(Registry_Error);
    EXPECT_TRUE(key.CurrentKey().isEmpty());
    EXPECT_EQ(messages_.Texts(), std::vector{Registry_Report(
                                     u"Failed to create key \\Software\\Korvel."_s, u"Openkey"_s)});
}

TEST_F(RegistryTest, AMissingKeyOnlySetsTheFlagAndAReadThenReportsThatNoKeyIsOpen) {
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Missing"_s, false);
    EXPECT_TRUE(Registry_Error);
    EXPECT_TRUE(key.CurrentKey().isEmpty());
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_FALSE(QFileInfo::exists(Root_File_Path(HKEY_CURRENT_USER)));

    EXPECT_EQ(key.ReadValue(u"Anything"_s), QString());
    EXPECT_EQ(messages_.Texts(), std::vector{Registry_Report(u"No key is currently open."_s,
                                                             u"ReadValue: Check =  2"_s)});

    Quiet_Registry = true;
    Registry_Error = false;
    EXPECT_EQ(key.ReadValue(u"Anything"_s), QString());
    EXPECT_TRUE(Registry_Error);
    EXPECT_EQ(messages_.shown.size(), 1u);
}

TEST_F(RegistryTest, AValueOfMoreThan255BytesReadsAsEmptyText) {
    const struct {
        QString text;
        bool fits; // its bytes and the terminating null fit 255 bytes
    } cases[] = {
        {QString(254, u'x'), true},
        {QString(255, u'x'), false},
        {QString(127, QChar(0xE9)), true}, // two bytes each
        {QString(128, QChar(0xE9)), false},
    };
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
    for (const auto& c : cases) {
        key.WriteValue(u"Long"_s, c.text);
        EXPECT_EQ(key.ReadValue(u"Long"_s), c.fits ? c.text : QString()) << c.text.size();
    }
    EXPECT_FALSE(Registry_Error);
    EXPECT_TRUE(messages_.shown.empty());
}

// ------------------------------------------------------------------ access rights

TEST_F(RegistryTest, FullAccessToAMachineRootTheUserMayNotWriteFails) {
    if (!Permission_Bits_Bind()) GTEST_SKIP() << "permission bits do not bind this user (root)";
    Make_Root_File_Read_Only(HKEY_LOCAL_MACHINE);
    CRegistry key;
    key.OpenKey(HKEY_LOCAL_MACHINE, Current_Version_Key, false);
    EXPECT_TRUE(Registry_Error);
    EXPECT_TRUE(key.CurrentKey().isEmpty());
    EXPECT_TRUE(messages_.shown.empty());

    key.OpenKey(HKEY_LOCAL_MACHINE, u"Software\\Korvel"_s, true);
    EXPECT_EQ(messages_.Texts(), std::vector{Registry_Report(
                                     u"Failed to create key Software\\Korvel."_s, u"Openkey"_s)});

    // Asking only to read is allowed; the user's own root stays writable.
    RegHandle reader = 0;
    EXPECT_EQ(Reg_Open_Key(HKEY_LOCAL_MACHINE, Current_Version_Key, KEY_READ, reader),
              RegResult::Success);
    Reg_Close_Key(reader);
    Registry_Error = false;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
    EXPECT_FALSE(Registry_Error);
}

TEST_F(RegistryTest, FilePermissionsDecideWhetherAnOrdinaryUserGetsFullAccess) {
    {
        CRegistry key;
        key.OpenKey(HKEY_LOCAL_MACHINE, u"Software\\Korvel"_s, true);
    }
    const QByteArray folder = QFile::encodeName(folder_.path());
    const QByteArray machineFile = QFile::encodeName(Root_File_Path(HKEY_LOCAL_MACHINE));
    // Exit status 0 when full access gives expected, on the machine root's file and on the
    // user root that has no file yet (its folder decides), and reading is allowed.
    const auto check = [](int32_t expected) {
        return [expected] {
            RegHandle key = 0;
            const auto open = [&](int32_t root, const QString& path, uint32_t access) {
                const int32_t result = Reg_Open_Key(root, path, access, key);
                Reg_Close_Key(key);
                return result;
            };
            const bool full =
                open(HKEY_LOCAL_MACHINE, u"Software\\Korvel"_s, KEY_ALL_ACCESS) == expected &&
                open(HKEY_CURRENT_USER, QString(), KEY_ALL_ACCESS) == expected;
            return full && open(HKEY_LOCAL_MACHINE, u"Software\\Korvel"_s, KEY_READ) == 0 ? 0 : 1;
        };
    };
    chmod(folder.constData(), 0555);
    chmod(machineFile.constData(), 0444);
    EXPECT_EQ(Run_As_Ordinary_User(check(RegResult::AccessDenied)), 0);
    chmod(folder.constData(), 0777);
    chmod(machineFile.constData(), 0666);
    EXPECT_EQ(Run_As_Ordinary_User(check(RegResult::Success)), 0);
    chmod(folder.constData(), 0700);
}

// ------------------------------------------------------------------ values and keys

TEST_F(RegistryTest, ValuesOfAnyTextReadBackAndAreOverwrittenAndDeletedWhateverTheirCase) {
    const QString texts[] = {u"plain"_s,      u"C:\\Models\\"_s,      u"say \"hi\""_s,
                             u"one\r\ntwo"_s, u"tab\there"_s,         u"Grüße, € and ñ"_s,
                             QString(),       u"  blanks around  "_s, u"name \"odd\" \\"_s};
    {
        CRegistry key;
        key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
        for (const QString& text : texts)
            key.WriteValue(text.simplified(), text);
    }
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"software\\KORVEL"_s, false);
    for (const QString& text : texts)
        EXPECT_EQ(key.ReadValue(text.simplified()), text);
    // A line break never splits a line of the file: such text is kept in hex form.
    EXPECT_FALSE(User_File_Text().contains(u"\ntwo"_s));

    key.WriteValue(u"PLAIN"_s, u"changed"_s);
    EXPECT_EQ(Key_Info(u"Software\\Korvel"_s).values, 9u);
    EXPECT_TRUE(User_File_Text().contains(u"\"plain\"=\"changed\""_s));
    key.DeleteValue(u"Plain"_s);
    EXPECT_EQ(key.ReadValue(u"plain"_s), QString()); // a missing value reads empty, silently
    EXPECT_EQ(Key_Info(u"Software\\Korvel"_s).values, 8u);
    EXPECT_FALSE(Registry_Error);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RegistryTest, FailedWritesGoToTheCaller) {
    CRegistry closed;
    CRegistry writer;
    writer.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
    const struct {
        std::function<void()> call;
        QString source, description;
    } cases[] = {
        {[&] { closed.WriteValue(u"A"_s, u"1"_s); }, u"CRegistry:WriteValue"_s,
         u"No key is currently open."_s},
        {[&] { closed.DeleteValue(u"A"_s); }, u"CRegistry:DeleteValue"_s,
         u"No key is currently open."_s},
        {[&] { writer.DeleteValue(u"Absent"_s); }, u"CRegistry:DeleteValue"_s,
         u"Failed to delete value Absent from Registry."_s},
        {[&] {
             CRegistry deleter;
             deleter.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, false);
             deleter.DeleteKey();
             writer.WriteValue(u"Late"_s, u"1"_s);
         },
         u"CRegistry:WriteValue"_s, u"Failed to write new value to Late from Registry."_s},
    };
    for (const auto& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.description.toStdString();
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), Err::Registry);
            EXPECT_EQ(error.source(), c.source);
            EXPECT_EQ(error.description(), c.description);
        }
    }
    EXPECT_FALSE(Registry_Error);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RegistryTest, KeysAreCreatedWithTheirParentsAndDeletedOnlyWithoutSubkeys) {
    const int openBefore = Open_Key_Count();
    CRegistry leaf;
    leaf.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel\\Deep\\Leaf"_s, true);
    CRegistry parent;
    parent.OpenKey(HKEY_CURRENT_USER, u"software\\korvel\\deep"_s, false);
    EXPECT_FALSE(Registry_Error);
    parent.DeleteKey();
    EXPECT_TRUE(parent.CurrentKey().isEmpty());
    EXPECT_EQ(messages_.Texts(),
              std::vector{Registry_Report(u"Failed to delete key software\\korvel\\deep."_s,
                                          u"Deletekey"_s)});

    leaf.DeleteKey();
    parent.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel\\Deep"_s, false);
    parent.DeleteKey();
    EXPECT_EQ(messages_.shown.size(), 1u);
    leaf.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel\\Deep"_s, false);
    EXPECT_TRUE(Registry_Error);
    EXPECT_EQ(Open_Key_Count(), openBefore);

    // After its key is closed an object has no key to delete: the root itself stays.
    leaf.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, false);
    leaf.CloseKey();
    leaf.DeleteKey();
    EXPECT_EQ(messages_.shown.back().text,
              Registry_Report(u"Failed to delete key ."_s, u"Deletekey"_s));
    Registry_Error = false;
    leaf.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, false);
    EXPECT_FALSE(Registry_Error);
}

TEST_F(RegistryTest, ClosingTwiceOrDestroyingAClosedObjectClosesNothingTwice) {
    const int openBefore = Open_Key_Count();
    {
        CRegistry writer;
        writer.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
        writer.WriteValue(u"Kept"_s, u"yes"_s);
    }
    EXPECT_EQ(Open_Key_Count(), openBefore); // destroying an open object closes its key

    auto first = std::make_unique<CRegistry>();
    first->OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, false);
    first->CloseKey();
    // Handle numbers are reused: the second object gets the number just freed, which a
    // second close by the first object would take away from it.
    CRegistry second;
    second.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, false);
    first->CloseKey();
    first.reset();
    EXPECT_EQ(Open_Key_Count(), openBefore + 1);
    EXPECT_EQ(second.ReadValue(u"Kept"_s), u"yes"_s);
    EXPECT_TRUE(messages_.shown.empty());
}

// ------------------------------------------------------------------ key information

TEST_F(RegistryTest, KeyInformationCountsSubkeysAndValuesAndTheirLongestNames) {
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
    key.WriteValue(u"x"_s, u"12345"_s);  // 6 bytes with the null
    key.WriteValue(u"value name"_s, {}); // 1 byte
    key.WriteValue(u"é"_s, u"ééé"_s);    // 7 bytes
    {
        CRegistry sub;
        for (const QString& path : {u"a"_s, u"Longer name"_s, u"a\\A much longer grandchild"_s})
            sub.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel\\"_s + path, true);
        RegHandle classy = 0;
        ASSERT_EQ(Reg_Create_Key(HKEY_CURRENT_USER, u"Software\\Korvel\\Cls"_s,
                                 u"Korvel settings"_s, KEY_ALL_ACCESS, classy),
                  RegResult::Success);
        Reg_Close_Key(classy);
    }
    const RegKeyInfo info = Key_Info(u"Software\\Korvel"_s);
    EXPECT_EQ(info.subKeys, 3u);
    EXPECT_EQ(info.maxSubKeyLen, 11u);
    EXPECT_EQ(info.maxClassLen, 15u);
    EXPECT_EQ(info.values, 3u);
    EXPECT_EQ(info.maxValueNameLen, 10u);
    EXPECT_EQ(info.maxValueLen, 7u);
    EXPECT_EQ(info.keyClass, QString());
    EXPECT_GT(info.securityDescriptor, 0u);

    EXPECT_EQ(Key_Info(u"Software\\Korvel\\Cls"_s).keyClass, u"Korvel settings"_s);
    EXPECT_TRUE(User_File_Text().contains(u"; class \"Korvel settings\""_s));
}

TEST_F(RegistryTest, LastWriteTimeFollowsWrites) {
    // Keys in a hand-written file keep their old time until they change.
    Write_User_File(
        (Reg_File_Header +
         u"[HKEY_CURRENT_USER\\Software\\Korvel]\r\n; last write 2001-02-03T04:05:06.789Z\r\n"
         u"[HKEY_CURRENT_USER\\Software\\Other]\r\n; last write 2001-02-03T04:05:06.789Z\r\n"_s)
            .toUtf8());
    const QDateTime old = QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6, 789), QTimeZone::utc());
    const QDateTime before = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    EXPECT_EQ(Key_Info(u"Software\\Korvel"_s).lastWriteTime, old);

    CRegistry sub;
    sub.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel\\New"_s, true); // a new subkey changes it
    const QDateTime written = Key_Info(u"Software\\Korvel"_s).lastWriteTime;
    EXPECT_GE(written, before);
    EXPECT_LE(written, QDateTime::currentDateTime());

    EXPECT_EQ(Key_Info(u"Software\\Other"_s).lastWriteTime, old);
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Other"_s, false);
    key.WriteValue(u"A"_s, u"1"_s);
    EXPECT_GE(Key_Info(u"Software\\Other"_s).lastWriteTime, before);
}

// ------------------------------------------------------------------ the file a person reads

TEST_F(RegistryTest, TheStoreFileIsRegTextAPersonCanRead) {
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
    key.WriteValue(u"Path"_s, u"C:\\Models \"old\""_s);
    key.WriteValue(QString(), u"default"_s);
    RegHandle raw = 0;
    Reg_Open_Key(HKEY_CURRENT_USER, u"Software\\Korvel"_s, KEY_ALL_ACCESS, raw);
    EXPECT_EQ(Reg_Set_Value(raw, u"Count"_s, REG_DWORD, Dword_Bytes(10)), RegResult::Success);
    Reg_Close_Key(raw);

    const QStringList lines = User_File_Text().split(u"\r\n"_s);
    EXPECT_EQ(lines.mid(0, 3), QStringList({u"Windows Registry Editor Version 5.00"_s, QString(),
                                            u"[HKEY_CURRENT_USER\\Software]"_s}));
    const qsizetype at = lines.indexOf(u"[HKEY_CURRENT_USER\\Software\\Korvel]"_s);
    ASSERT_GT(at, 2);
    ASSERT_GE(lines.size(), at + 6);
    EXPECT_TRUE(
        QRegularExpression(u"^; last write \\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}Z$"_s)
            .match(lines[at + 1])
            .hasMatch())
        << lines[at + 1].toStdString();
    EXPECT_EQ(lines.mid(at + 2, 4),
              QStringList({u"\"Path\"=\"C:\\\\Models \\\"old\\\"\""_s, u"@=\"default\""_s,
                           u"\"Count\"=dword:0000000a"_s, QString()}));
}

TEST_F(RegistryTest, AHandWrittenFileIsRead) {
    Write_User_File("Windows Registry Editor Version 5.00\n\n"
                    "; written by hand, with bare line feeds and wrapped hex data\n"
                    "[HKEY_CURRENT_USER\\Software\\Hand]\n"
                    "\"Quote\"=\"say \\\"hi\\\" to C:\\\\temp\"\n"
                    "@=\"default\"\n"
                    "\"Wrapped\"=hex(1):41,00,0d,00,0a,00,\\\n"
                    "  42,00,00,00\n"
                    "\"Number\"=dword:0000002a\n");
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Hand"_s, false);
    EXPECT_EQ(key.ReadValue(u"Quote"_s), u"say \"hi\" to C:\\temp"_s);
    EXPECT_EQ(key.ReadValue(QString()), u"default"_s);
    EXPECT_EQ(key.ReadValue(u"Wrapped"_s), u"A\r\nB"_s);
    EXPECT_EQ(key.ReadValue(u"Number"_s), QString::fromLatin1("\x2a\0\0", 3)); // the bytes, as text
    EXPECT_EQ(Key_Info(u"Software\\Hand"_s).values, 4u);

    // A well-formed file is replaced without a copy set aside.
    key.WriteValue(u"New"_s, u"1"_s);
    EXPECT_FALSE(QFileInfo::exists(Set_Aside_Path()));
    EXPECT_TRUE(messages_.shown.empty());
}

// ------------------------------------------------------------------ writers together

TEST_F(RegistryTest, WritersRunningAtTheSameTimeNeverLoseEachOthersValues) {
    constexpr int Writers = 4;
    constexpr int Values_Per_Writer = 25;
    std::atomic<int> failures{0};
    std::vector<std::thread> writers;
    for (int w = 0; w < Writers; ++w)
        writers.emplace_back([w, &failures] {
            try {
                CRegistry key;
                key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
                for (int i = 0; i < Values_Per_Writer; ++i)
                    key.WriteValue(u"w%1 v%2"_s.arg(w).arg(i), QString::number(w * 100 + i));
            } catch (...) {
                ++failures;
            }
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(failures, 0);

    CRegistry reader;
    reader.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, false);
    EXPECT_EQ(Key_Info(u"Software\\Korvel"_s).values, uint32_t(Writers * Values_Per_Writer));
    for (int w = 0; w < Writers; ++w)
        for (int i = 0; i < Values_Per_Writer; ++i)
            EXPECT_EQ(reader.ReadValue(u"w%1 v%2"_s.arg(w).arg(i)), QString::number(w * 100 + i));
    EXPECT_FALSE(QFileInfo::exists(Set_Aside_Path()));
}

// ------------------------------------------------------------------ damaged files

TEST_F(RegistryTest, AGarbageFileReadsAsEmptyAndIsSetAsideWhenReplaced) {
    QByteArray garbage;
    for (int i = 0; i < 512; ++i)
        garbage += static_cast<char>(i * 37 % 256);
    garbage += "\n[HKEY_CURRENT_USER\\Soft";
    Write_User_File(garbage);

    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software"_s, false);
    EXPECT_TRUE(Registry_Error);
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
    key.WriteValue(u"A"_s, u"1"_s);
    EXPECT_EQ(key.ReadValue(u"A"_s), u"1"_s);
    EXPECT_EQ(File_Bytes(Set_Aside_Path()), garbage);
    EXPECT_TRUE(User_File_Text().startsWith(Reg_File_Header));
    EXPECT_TRUE(messages_.shown.empty());
}

// A FIFO in a store file's place would hang the start: it is set aside unread, and the store
// goes on with a new file.
TEST_F(RegistryTest, AFifoInAStoreFilesPlaceIsSetAsideUnread) {
    const QString path = Root_File_Path(HKEY_CURRENT_USER);
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel"_s, true);
    key.WriteValue(u"A"_s, u"1"_s);
    EXPECT_EQ(key.ReadValue(u"A"_s), u"1"_s);
    EXPECT_TRUE(User_File_Text().startsWith(Reg_File_Header));
    EXPECT_TRUE(QFileInfo::exists(Set_Aside_Path()) && !QFileInfo(Set_Aside_Path()).isFile());
}

TEST_F(RegistryTest, ATruncatedFileKeepsEveryValueWhoseLineIsWhole) {
    const struct {
        QString key, name, text;
    } entries[] = {
        {u"Software\\Korvel"_s, u"One"_s, u"first value"_s},
        {u"Software\\Korvel"_s, u"Two"_s, u"second \"value\""_s},
        {u"Software\\Korvel\\Sub"_s, u"Three"_s, u"two\r\nlines"_s},
    };
    for (const auto& e : entries) {
        CRegistry key;
        key.OpenKey(HKEY_CURRENT_USER, e.key, true);
        key.WriteValue(e.name, e.text);
    }
    RegHandle raw = 0;
    Reg_Open_Key(HKEY_CURRENT_USER, u"Software\\Korvel\\Sub"_s, KEY_ALL_ACCESS, raw);
    Reg_Set_Value(raw, u"Count"_s, REG_DWORD, Dword_Bytes(0x12345678));
    Reg_Close_Key(raw);
    const QByteArray full = File_Bytes(Root_File_Path(HKEY_CURRENT_USER));

    Quiet_Registry = true; // a key cut off entirely is simply missing
    for (qsizetype cut = 0; cut <= full.size(); ++cut) {
        const QByteArray part = full.left(cut);
        Write_User_File(part);
        for (const auto& e : entries) {
            const QByteArray line = "\r\n\"" + e.name.toUtf8() + "\"=";
            const bool whole = part.indexOf("\r\n", full.indexOf(line) + line.size()) >= 0;
            const QString read = Read(HKEY_CURRENT_USER, e.key, e.name);
            // Whole lines read exactly; others are missing or, ending in a quote, whole.
            EXPECT_TRUE(read == e.text || (!whole && read.isEmpty()))
                << cut << ": " << read.toStdString();
        }
        const QString count = Read(HKEY_CURRENT_USER, u"Software\\Korvel\\Sub"_s, u"Count"_s);
        EXPECT_TRUE(count.isEmpty() || count == QString::fromLatin1("\x78\x56\x34"))
            << cut; // never cut short
    }
    EXPECT_TRUE(messages_.shown.empty());

    // Writing keeps what could be read and sets the whole damaged file aside.
    const QByteArray part = full.left(full.indexOf("\"Three\"") + 4);
    Write_User_File(part);
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\Korvel\\Sub"_s, false);
    key.WriteValue(u"Three"_s, u"again"_s);
    EXPECT_EQ(Read(HKEY_CURRENT_USER, u"Software\\Korvel"_s, u"Two"_s), u"second \"value\""_s);
    EXPECT_EQ(File_Bytes(Set_Aside_Path()), part);
}

TEST_F(RegistryTest, ValuesAfterAnUnreadableSectionLineBelongToNoKey) {
    Write_User_File((Reg_File_Header +
                     u"[HKEY_CURRENT_USER\\Software\\A]\r\n\"x\"=\"1\"\r\n"
                     u"[HKEY_CURRENT_USER\\Software\\B\r\n\"y\"=\"2\"\r\n"
                     u"[HKEY_LOCAL_MACHINE\\Software\\Elsewhere]\r\n\"w\"=\"4\"\r\n"
                     u"[HKEY_CURRENT_USER\\Software\\C]\r\n\"z\"=\"3\"\r\n"_s)
                        .toUtf8());
    CRegistry key;
    key.OpenKey(HKEY_CURRENT_USER, u"Software\\A"_s, false);
    EXPECT_EQ(Key_Info(u"Software\\A"_s).values, 1u);
    EXPECT_EQ(Key_Info(u"Software"_s).subKeys, 2u); // A and C
    EXPECT_EQ(Read(HKEY_CURRENT_USER, u"Software\\C"_s, u"z"_s), u"3"_s);
    EXPECT_FALSE(Registry_Error);
}

// ------------------------------------------------------------------ the machine's facts

TEST_F(RegistryTest, AFreshMachineRootKnowsOwnerOrganisationAndSystem) {
    std::optional<ScopedEnv> organisation(std::in_place, "ORGANIZATION", "Korvel Test Works");
    CRegistry key;
    key.OpenKey(HKEY_LOCAL_MACHINE, Current_Version_Key, false);
    ASSERT_FALSE(Registry_Error);
    EXPECT_EQ(key.ReadValue(u"RegisteredOwner"_s), Account_Full_Name());
    EXPECT_EQ(key.ReadValue(u"RegisteredOrganization"_s), u"Korvel Test Works"_s);
    organisation.emplace("ORGANIZATION", std::nullopt);
    EXPECT_EQ(key.ReadValue(u"RegisteredOrganization"_s), QString());
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, Environment_Key, u"OS"_s),
              Command_Output(u"uname"_s, {u"-s"_s}));
    EXPECT_FALSE(QFileInfo::exists(Root_File_Path(HKEY_LOCAL_MACHINE))); // nothing was written
    EXPECT_FALSE(Registry_Error);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(RegistryTest, TheMachineRootsOwnValuesComeFirstAndTheFactsAreNeverWritten) {
    ScopedEnv organisation("ORGANIZATION", "Korvel Test Works");
    CRegistry key;
    key.OpenKey(HKEY_LOCAL_MACHINE, Current_Version_Key, false);
    key.WriteValue(u"RegisteredOwner"_s, u"Ada Lovelace"_s);
    EXPECT_EQ(key.ReadValue(u"RegisteredOwner"_s), u"Ada Lovelace"_s);
    EXPECT_EQ(key.ReadValue(u"RegisteredOrganization"_s), u"Korvel Test Works"_s);
    const QString text = QString::fromUtf8(File_Bytes(Root_File_Path(HKEY_LOCAL_MACHINE)));
    EXPECT_TRUE(text.contains(u"\"RegisteredOwner\"=\"Ada Lovelace\""_s));
    EXPECT_FALSE(text.contains(u"RegisteredOrganization"_s));
    EXPECT_FALSE(text.contains(u"\"OS\""_s));

    key.DeleteValue(u"RegisteredOwner"_s);
    EXPECT_EQ(key.ReadValue(u"RegisteredOwner"_s), Account_Full_Name());
    EXPECT_THROW(key.DeleteValue(u"RegisteredOrganization"_s), RuntimeError);
}

TEST(RegistrySystemNames, AgreeWithTheSystemsOwnTools) {
    EXPECT_EQ(Get_Login_Name(), Command_Output(u"id"_s, {u"-un"_s}));
    EXPECT_EQ(Get_Computer_Name(), Command_Output(u"uname"_s, {u"-n"_s}));
    EXPECT_EQ(Get_Full_User_Name(), Account_Full_Name());
    EXPECT_TRUE(QDir::isAbsolutePath(Get_Documents_Folder()));
}

} // namespace
