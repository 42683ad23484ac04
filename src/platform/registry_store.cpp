#include "platform/registry_store.h"

#include "base/read_file.h"
#include "base/runtime_error.h"
#include "base/save_file.h"
#include "platform/reg_text.h"
#include "platform/system_names.h"
#include "text/text_decoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace korvel {

namespace {

// ---------------------------------------------------------------- keys in memory

// One root as read from its file.
struct Hive : RootData {
    Hive(RootData data, const QDateTime& fileTime)
        : RootData(std::move(data)), fileTime(fileTime) {}

    QDateTime fileTime;      // for keys the file gives no last write time
    bool unreadable = false; // the file exists but could not be opened
    QByteArray original;     // the file's bytes, kept aside before a damaged file is replaced
};

QString Last_Name(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
}

// As Ensure_Key; the nearest parent that existed counts as written, having gained a subkey.
RegKey& Create_Key(Hive& hive, const QString& path, const QDateTime& time) {
    QString existing = path;
    while (!Find_Key(hive, existing))
        existing = Parent_Key_Path(existing);
    if (existing != path) Find_Key(hive, existing)->lastWrite = time;
    return Ensure_Key(hive, path, time);
}

std::vector<const RegKey*> Subkeys(const Hive& hive, const QString& path) {
    const QString prefix = path.isEmpty() ? QString() : Fold_Name(path) + QLatin1Char('\\');
    std::vector<const RegKey*> subkeys;
    for (const auto& [folded, key] : hive.keys)
        if (!folded.isEmpty() && folded.startsWith(prefix) &&
            folded.indexOf(QLatin1Char('\\'), prefix.size()) < 0)
            subkeys.push_back(&key);
    return subkeys;
}

bool Erase_Value(RegKey& key, const QString& name) {
    const RegValue* value = Find_Value(key, name);
    if (!value) return false;
    key.values.erase(key.values.begin() + (value - key.values.data()));
    return true;
}

// The value's data as the platform hands it out: text as UTF-8 with a terminating null.
QByteArray Value_Data(const RegValue& value) {
    return value.type == REG_SZ ? value.text.toUtf8().append('\0') : value.bytes;
}

// ---------------------------------------------------------------- files and rights

constexpr std::array<int32_t, 3> Known_Roots = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
                                                HKEY_LOCAL_MACHINE};

int Root_Index(int32_t root) {
    const auto found = std::find(Known_Roots.begin(), Known_Roots.end(), root);
    return found == Known_Roots.end() ? -1 : static_cast<int>(found - Known_Roots.begin());
}

// The machine root lives where a program's variable state belongs, in a folder that only
// an administrator may write; the user roots in the user's own configuration.
QString Root_Folder(int32_t root) {
    const QString overridden = qEnvironmentVariable("KORVEL_REGISTRY_DIR");
    if (!overridden.isEmpty()) return overridden;
    if (root == HKEY_LOCAL_MACHINE) return QStringLiteral("/var/lib/korvel/registry");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/korvel/registry");
}

// Checked with the effective ids, the ones the program writes with.
bool May_Write(const QString& path) {
    return faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) == 0;
}

// The store replaces a root's file by a new one and keeps a lock file beside it, so both
// the file (if there is one) and its folder must be writable; while the folder does not
// exist yet, the nearest folder above it, in which it would be made.
bool Root_Writable(int32_t root) {
    const QString file = Root_File_Path(root);
    if (QFileInfo::exists(file) && !May_Write(file)) return false;
    QString folder = QFileInfo(file).absolutePath();
    while (!QFileInfo::exists(folder)) {
        const QString parent = QFileInfo(folder).path();
        if (parent == folder) return false;
        folder = parent;
    }
    return May_Write(folder);
}

QString Decode_Reg_Bytes(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    return Decode_File_Text(bytes);
}

// The store's files are a few kilobytes; one far larger is no store of this program's.
constexpr qint64 Largest_Store_File = 1024 * 1024;

// A FIFO in a store file's place would hang the start, a device or a huge file eat its
// memory and time: such a file is set aside as .damaged, as a garbled one is, unread.
bool Set_Aside_If_No_Store(const QString& path) {
    if (!QFileInfo::exists(path)) return false;
    if (Is_Regular_File(path) && QFileInfo(path).size() <= Largest_Store_File) return false;
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(path, aside);
    return true;
}

Hive Load(int32_t root) {
    const QString path = Root_File_Path(root);
    // Not moved aside (a read-only folder): left unread, and writes fail.
    const bool refused = Set_Aside_If_No_Store(path);
    QFile file(path);
    const QDateTime fileTime = file.exists() ? QFileInfo(file).lastModified().toUTC()
                                             : QDateTime::fromSecsSinceEpoch(0, QTimeZone::utc());
    const auto read = [&](const QString& text) {
        return Hive(Parse_Reg_Text(text, Root_Name(root), fileTime), fileTime);
    };
    if (!file.exists()) return read(QString());
    if (refused || !file.open(QIODevice::ReadOnly)) {
        Hive hive = read(QString());
        hive.unreadable = true;
        return hive;
    }
    const QByteArray bytes = file.readAll();
    Hive hive = read(Decode_Reg_Bytes(bytes));
    hive.original = bytes;
    return hive;
}

// The values the identification reads from the machine root exist on every system: they
// are taken from the system when read, unless the file sets them, and never written.
void Add_Machine_Facts(Hive& hive) {
    const QString currentVersion =
        QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion");
    const QString environment =
        QStringLiteral("System\\CurrentControlSet\\Control\\Session Manager\\Environment");
    const std::pair<QString, RegValue> facts[] = {
        {currentVersion, {QStringLiteral("RegisteredOwner"), REG_SZ, Get_Full_User_Name(), {}}},
        {currentVersion,
         {QStringLiteral("RegisteredOrganization"), REG_SZ, Get_Organization_Name(), {}}},
        {environment, {QStringLiteral("OS"), REG_SZ, Get_Kernel_Name(), {}}},
    };
    for (const auto& [path, value] : facts) {
        RegKey& key = Ensure_Key(hive, path, hive.fileTime);
        if (!Find_Value(key, value.name)) key.values.push_back(value);
    }
}

Hive With_Facts(int32_t root, Hive hive) {
    if (root == HKEY_LOCAL_MACHINE) Add_Machine_Facts(hive);
    return hive;
}

// What a root shows: its file and, for the machine root, the system's facts.
Hive View(int32_t root) {
    return With_Facts(root, Load(root));
}

bool Write_Atomically(const QString& path, const QByteArray& bytes) {
    try {
        QSaveFile file(path);
        Open_For_Saving(file);
        Write_And_Commit(file, bytes);
        return true;
    } catch (const RuntimeError&) {
        return false; // the caller answers with its own result code
    }
}

// A damaged file's lines that could not be read are not lost when it is replaced: the old
// file is kept beside it first.
int32_t Save(int32_t root, const Hive& hive) {
    const QString path = Root_File_Path(root);
    if (hive.damaged && !hive.original.isEmpty() &&
        !Write_Atomically(path + QStringLiteral(".damaged"), hive.original))
        return RegResult::IoFailed;
    return Write_Atomically(path, Format_Reg_Text(hive, Root_Name(root)).toUtf8())
               ? RegResult::Success
               : RegResult::IoFailed;
}

constexpr int Lock_Wait_Ms = 10000;

// Read-modify-write under the root's lock file: the file is read again under the lock,
// so that two running copies never lose each other's changes, and replaced atomically.
template <class Change> int32_t Modify(int32_t root, Change&& change) {
    const QString path = Root_File_Path(root);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return RegResult::IoFailed;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(Lock_Wait_Ms)) return RegResult::IoFailed;
    Hive hive = Load(root);
    if (hive.unreadable) return RegResult::IoFailed;
    const int32_t result = change(hive);
    return result == RegResult::Success ? Save(root, hive) : result;
}

// The key a change goes to: a key that exists only as one of the system's facts is
// written to the file from now on; nothing for a key deleted meanwhile.
RegKey* Key_To_Change(int32_t root, Hive& hive, const QString& path, const QDateTime& time) {
    if (RegKey* key = Find_Key(hive, path)) return key;
    if (!Find_Key(With_Facts(root, hive), path)) return nullptr;
    return &Create_Key(hive, path, time);
}

// ---------------------------------------------------------------- handles

struct Opened {
    int32_t root;
    QString path;
    uint32_t access;
};

std::mutex handlesMutex;
std::map<RegHandle, Opened> handles;

constexpr uint32_t Write_Rights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | 0x0020 /* create link */ |
                                  0x00010000 /* delete */ | 0x00040000 /* write DAC */ |
                                  0x00080000 /* write owner */;

// The store keeps no security of its own (the root's file permissions decide); a key
// reports the size of an empty self-relative security descriptor.
constexpr uint32_t Security_Descriptor_Size = 20;

// The lowest free number, as the platform reuses handle values: a stale handle closed
// twice would hit another key, which the program must never do.
RegHandle Add_Handle(const Opened& opened) {
    const std::lock_guard guard(handlesMutex);
    RegHandle handle = 1;
    while (handles.count(handle))
        ++handle;
    handles.emplace(handle, opened);
    return handle;
}

std::optional<Opened> Find_Handle(RegHandle handle) {
    const std::lock_guard guard(handlesMutex);
    const auto found = handles.find(handle);
    return found == handles.end() ? std::nullopt : std::optional(found->second);
}

QDateTime Now() {
    return QDateTime::currentDateTimeUtc();
}

} // namespace

int32_t Reg_Open_Key(int32_t root, const QString& path, uint32_t access, RegHandle& key) {
    key = 0;
    if (Root_Index(root) < 0) return RegResult::InvalidHandle;
    if (!Valid_Key_Path(path)) return RegResult::BadPathname;
    if (!Find_Key(View(root), path)) return RegResult::FileNotFound;
    if ((access & Write_Rights) && !Root_Writable(root)) return RegResult::AccessDenied;
    key = Add_Handle({root, path, access});
    return RegResult::Success;
}

int32_t Reg_Create_Key(int32_t root, const QString& path, const QString& keyClass, uint32_t access,
                       RegHandle& key) {
    key = 0;
    if (Root_Index(root) < 0) return RegResult::InvalidHandle;
    if (!Valid_Key_Path(path)) return RegResult::BadPathname;
    if (Has_Line_Break(keyClass)) return RegResult::InvalidParameter;
    if (Find_Key(View(root), path)) return Reg_Open_Key(root, path, access, key);
    if (!Root_Writable(root)) return RegResult::AccessDenied;
    const int32_t result = Modify(root, [&](Hive& hive) {
        // Another running copy may have made it meanwhile: then it is only opened.
        if (!Find_Key(With_Facts(root, hive), path))
            Create_Key(hive, path, Now()).keyClass = keyClass;
        return RegResult::Success;
    });
    if (result != RegResult::Success) return result;
    key = Add_Handle({root, path, access});
    return RegResult::Success;
}

int32_t Reg_Close_Key(RegHandle key) {
    const std::lock_guard guard(handlesMutex);
    return handles.erase(key) ? RegResult::Success : RegResult::InvalidHandle;
}

std::optional<QString> Reg_Query_Text(RegHandle key, const QString& name) {
    int32_t type = 0;
    QByteArray data;
    uint32_t size = 0;
    int32_t result = Reg_Query_Value(key, name, type, data, size);
    if (result == RegResult::MoreData) result = Reg_Query_Value(key, name, type, data, size);
    if (result != RegResult::Success || type != REG_SZ) return std::nullopt;
    QByteArray text = data.left(size);
    if (text.endsWith('\0')) text.chop(1);
    return QString::fromUtf8(text);
}

int32_t Reg_Query_Value(RegHandle key, const QString& name, int32_t& type, QByteArray& data,
                        uint32_t& size) {
    const auto opened = Find_Handle(key);
    if (!opened) return RegResult::InvalidHandle;
    if (!(opened->access & KEY_QUERY_VALUE)) return RegResult::AccessDenied;
    const Hive shown = View(opened->root);
    const RegKey* found = Find_Key(shown, opened->path);
    if (!found) return RegResult::KeyDeleted;
    const RegValue* value = Find_Value(*found, name);
    if (!value) return RegResult::FileNotFound;
    const QByteArray bytes = Value_Data(*value);
    const uint32_t room = size;
    type = value->type;
    size = static_cast<uint32_t>(bytes.size());
    if (size > room) return RegResult::MoreData;
    data = bytes;
    return RegResult::Success;
}

int32_t Reg_Set_Value(RegHandle key, const QString& name, int32_t type, const QByteArray& data) {
    const auto opened = Find_Handle(key);
    if (!opened) return RegResult::InvalidHandle;
    if (!(opened->access & KEY_SET_VALUE)) return RegResult::AccessDenied;
    if (Has_Line_Break(name) || (type == REG_DWORD && data.size() != 4))
        return RegResult::InvalidParameter;
    RegValue value{name, type, {}, {}};
    if (type == REG_SZ)
        value.text = QString::fromUtf8(data.endsWith('\0') ? data.chopped(1) : data);
    else
        value.bytes = data;
    return Modify(opened->root, [&](Hive& hive) {
        const QDateTime now = Now();
        RegKey* target = Key_To_Change(opened->root, hive, opened->path, now);
        if (!target) return RegResult::KeyDeleted;
        Put_Value(*target, value);
        target->lastWrite = now;
        return RegResult::Success;
    });
}

int32_t Reg_Delete_Value(RegHandle key, const QString& name) {
    const auto opened = Find_Handle(key);
    if (!opened) return RegResult::InvalidHandle;
    if (!(opened->access & KEY_SET_VALUE)) return RegResult::AccessDenied;
    return Modify(opened->root, [&](Hive& hive) {
        RegKey* target = Find_Key(hive, opened->path);
        if (target && Erase_Value(*target, name)) {
            target->lastWrite = Now();
            return RegResult::Success;
        }
        const Hive shown = With_Facts(opened->root, hive);
        const RegKey* seen = Find_Key(shown, opened->path);
        if (!seen) return RegResult::KeyDeleted;
        // What is left is one of the system's facts, which cannot be deleted.
        return Find_Value(*seen, name) ? RegResult::AccessDenied : RegResult::FileNotFound;
    });
}

int32_t Reg_Delete_Key(int32_t root, const QString& path) {
    if (Root_Index(root) < 0) return RegResult::InvalidHandle;
    if (!Valid_Key_Path(path)) return RegResult::BadPathname;
    if (path.isEmpty() || !Root_Writable(root)) return RegResult::AccessDenied;
    return Modify(root, [&](Hive& hive) {
        const Hive shown = With_Facts(root, hive);
        if (!Find_Key(shown, path)) return RegResult::FileNotFound;
        // Keys with subkeys stay, as on the platform; so do the system's own keys.
        if (!Subkeys(shown, path).empty() || !Find_Key(hive, path)) return RegResult::AccessDenied;
        hive.keys.erase(Fold_Name(path));
        if (RegKey* parent = Find_Key(hive, Parent_Key_Path(path))) parent->lastWrite = Now();
        return RegResult::Success;
    });
}

int32_t Reg_Query_Info_Key(RegHandle key, RegKeyInfo& info) {
    const auto opened = Find_Handle(key);
    if (!opened) return RegResult::InvalidHandle;
    if (!(opened->access & KEY_QUERY_VALUE)) return RegResult::AccessDenied;
    const Hive shown = View(opened->root);
    const RegKey* found = Find_Key(shown, opened->path);
    if (!found) return RegResult::KeyDeleted;
    info = RegKeyInfo{};
    info.keyClass = found->keyClass;
    info.lastWriteTime = found->lastWrite;
    info.securityDescriptor = Security_Descriptor_Size;
    for (const RegKey* subkey : Subkeys(shown, opened->path)) {
        ++info.subKeys;
        info.maxSubKeyLen = std::max<uint32_t>(info.maxSubKeyLen, Last_Name(subkey->path).size());
        info.maxClassLen = std::max<uint32_t>(info.maxClassLen, subkey->keyClass.size());
    }
    for (const RegValue& value : found->values) {
        ++info.values;
        info.maxValueNameLen = std::max<uint32_t>(info.maxValueNameLen, value.name.size());
        info.maxValueLen = std::max<uint32_t>(info.maxValueLen, Value_Data(value).size());
    }
    return RegResult::Success;
}

QString Root_Name(int32_t root) {
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    default:
        return {};
    }
}

QString Root_File_Path(int32_t root) {
    const QString name = Root_Name(root);
    if (name.isEmpty()) return {};
    return Root_Folder(root) + QLatin1Char('/') + name + QStringLiteral(".reg");
}

int Open_Key_Count() {
    const std::lock_guard guard(handlesMutex);
    return static_cast<int>(handles.size());
}

} // namespace korvel
