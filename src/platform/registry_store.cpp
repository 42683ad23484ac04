#include "platform/registry_store.h"

#include "files/text_decoding.h"
#include "platform/system_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace korvel {

namespace {

// ---------------------------------------------------------------- keys in memory

struct Value {
    QString name;
    int32_t type = REG_SZ;
    QString text;     // REG_SZ
    QByteArray bytes; // every other type, as stored
};

struct Key {
    QString path; // spelled as when first written
    QString keyClass;
    QDateTime lastWrite; // universal time
    std::vector<Value> values; // in the order they were first written
};

// One root as read from its file.
struct Hive {
    std::map<QString, Key> keys; // by case-folded path; "" is the root itself
    QDateTime fileTime;          // for keys the file gives no last write time
    bool damaged = false;        // the file had lines that could not be read
    bool unreadable = false;     // the file exists but could not be opened
    QByteArray original;         // the file's bytes, kept aside before a damaged file is replaced
};

// Names of keys and values are compared without regard to case, as on the platform.
QString Fold(const QString& text) { return text.toCaseFolded(); }

QString Parent_Path(const QString& path) {
    const qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
    return cut < 0 ? QString() : path.left(cut);
}

QString Last_Name(const QString& path) { return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1); }

// A line break would end the line of the file that holds the name.
bool Has_Line_Break(const QString& text) {
    return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// "" (the root itself) or names separated by single backslashes.
bool Valid_Key_Path(const QString& path) {
    if (path.isEmpty()) return true;
    if (Has_Line_Break(path)) return false;
    const QStringList names = path.split(QLatin1Char('\\'));
    return std::none_of(names.begin(), names.end(), [](const QString& n) { return n.isEmpty(); });
}

const Key* Find_Key(const Hive& hive, const QString& path) {
    const auto found = hive.keys.find(Fold(path));
    return found == hive.keys.end() ? nullptr : &found->second;
}
Key* Find_Key(Hive& hive, const QString& path) {
    return const_cast<Key*>(Find_Key(std::as_const(hive), path));
}

// The key, with its missing parents created as written at time; existing keys stay as
// they are.
Key& Ensure_Key(Hive& hive, const QString& path, const QDateTime& time) {
    if (Key* key = Find_Key(hive, path)) return *key;
    if (!path.isEmpty()) Ensure_Key(hive, Parent_Path(path), time);
    Key& key = hive.keys[Fold(path)];
    key.path = path;
    key.lastWrite = time;
    return key;
}

// As Ensure_Key; the nearest parent that existed counts as written, having gained a subkey.
Key& Create_Key(Hive& hive, const QString& path, const QDateTime& time) {
    QString existing = path;
    while (!Find_Key(hive, existing)) existing = Parent_Path(existing);
    if (existing != path) Find_Key(hive, existing)->lastWrite = time;
    return Ensure_Key(hive, path, time);
}

std::vector<const Key*> Subkeys(const Hive& hive, const QString& path) {
    const QString prefix = path.isEmpty() ? QString() : Fold(path) + QLatin1Char('\\');
    std::vector<const Key*> subkeys;
    for (const auto& [folded, key] : hive.keys)
        if (!folded.isEmpty() && folded.startsWith(prefix) &&
            folded.indexOf(QLatin1Char('\\'), prefix.size()) < 0)
            subkeys.push_back(&key);
    return subkeys;
}

template <class K> auto Find_Value(K& key, const QString& name) -> decltype(&key.values[0]) {
    const QString folded = Fold(name);
    for (auto& value : key.values)
        if (Fold(value.name) == folded) return &value;
    return nullptr;
}

void Put_Value(Key& key, Value value) {
    if (Value* existing = Find_Value(key, value.name)) {
        value.name = existing->name;
        *existing = std::move(value);
    } else {
        key.values.push_back(std::move(value));
    }
}

bool Erase_Value(Key& key, const QString& name) {
    const Value* value = Find_Value(key, name);
    if (!value) return false;
    key.values.erase(key.values.begin() + (value - key.values.data()));
    return true;
}

// The value's data as the platform hands it out: text as UTF-8 with a terminating null.
QByteArray Value_Data(const Value& value) {
    return value.type == REG_SZ ? value.text.toUtf8().append('\0') : value.bytes;
}

// ---------------------------------------------------------------- the .reg text

const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00");
const QString kOldHeader = QStringLiteral("REGEDIT4");
const QString kLastWrite = QStringLiteral("; last write ");
const QString kClass = QStringLiteral("; class ");
const QString CRLF = QStringLiteral("\r\n");

QString Quote(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\\') || ch == QLatin1Char('"')) quoted += QLatin1Char('\\');
        quoted += ch;
    }
    return quoted + QLatin1Char('"');
}

// The quoted text that starts at pos; pos ends just after the closing quote. Nothing for
// a text without its closing quote (a line cut short).
std::optional<QString> Read_Quoted(QStringView line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"')) return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        if (line[pos] == QLatin1Char('\\') && pos + 1 < line.size()) {
            text += line[++pos];
        } else if (line[pos] == QLatin1Char('"')) {
            ++pos;
            return text;
        } else {
            text += line[pos];
        }
    }
    return std::nullopt;
}

QString Hex_List(const QByteArray& bytes) {
    QStringList pairs;
    for (const char byte : bytes)
        pairs += QStringLiteral("%1").arg(static_cast<uint8_t>(byte), 2, 16, QLatin1Char('0'));
    return pairs.join(QLatin1Char(','));
}

std::optional<QByteArray> Read_Hex_List(QStringView text) {
    QString compact = text.toString();
    compact.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    QByteArray bytes;
    if (compact.isEmpty()) return bytes;
    for (const QString& pair : compact.split(QLatin1Char(','))) {
        bool ok = false;
        const uint byte = pair.toUInt(&ok, 16);
        if (!ok || pair.size() > 2) return std::nullopt;
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

// Text that a line of the file cannot hold as it is goes in the platform's hex form of a
// text value: UTF-16, little-endian, with its terminating null.
bool Needs_Hex_Form(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar ch) { return ch.unicode() < 0x20 && ch != QLatin1Char('\t'); });
}

QByteArray Utf16_Bytes(const QString& text) {
    QByteArray bytes;
    for (const QChar ch : text + QChar(0)) {
        bytes += static_cast<char>(ch.unicode() & 0xFF);
        bytes += static_cast<char>(ch.unicode() >> 8);
    }
    return bytes;
}

QString Utf16_Text(const QByteArray& bytes) {
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                            static_cast<uint8_t>(bytes[i + 1]) << 8));
    if (text.endsWith(QChar(0))) text.chop(1);
    return text;
}

QString Data_Text(const Value& value) {
    switch (value.type) {
    case REG_SZ:
        if (!Needs_Hex_Form(value.text)) return Quote(value.text);
        return QStringLiteral("hex(1):") + Hex_List(Utf16_Bytes(value.text));
    case REG_DWORD:
        if (value.bytes.size() == 4) {
            uint32_t number = 0;
            for (int i = 3; i >= 0; --i)
                number = number << 8 | static_cast<uint8_t>(value.bytes[i]);
            return QStringLiteral("dword:%1").arg(number, 8, 16, QLatin1Char('0'));
        }
        break;
    case REG_BINARY: return QStringLiteral("hex:") + Hex_List(value.bytes);
    default: break;
    }
    return QStringLiteral("hex(%1):").arg(value.type, 0, 16) + Hex_List(value.bytes);
}

// A value line: "Name"=... or @=... with text, dword:, hex: or hex(type): data.
std::optional<Value> Read_Value_Line(QStringView line) {
    Value value;
    qsizetype pos = 0;
    if (line.startsWith(QLatin1Char('@'))) {
        pos = 1;
    } else if (auto name = Read_Quoted(line, pos)) {
        value.name = *name;
    } else {
        return std::nullopt;
    }
    const QStringView rest = line.mid(pos).trimmed();
    if (!rest.startsWith(QLatin1Char('='))) return std::nullopt;
    const QStringView data = rest.mid(1).trimmed();
    if (data.startsWith(QLatin1Char('"'))) {
        qsizetype end = 0;
        const auto text = Read_Quoted(data, end);
        if (!text || end != data.size()) return std::nullopt;
        value.text = *text;
        return value;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = data.mid(6);
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 8) return std::nullopt;
        value.type = REG_DWORD;
        for (int i = 0; i < 4; ++i) value.bytes += static_cast<char>(number >> (8 * i) & 0xFF);
        return value;
    }
    std::optional<QByteArray> bytes;
    if (data.startsWith(QLatin1String("hex:"), Qt::CaseInsensitive)) {
        value.type = REG_BINARY;
        bytes = Read_Hex_List(data.mid(4));
    } else if (data.startsWith(QLatin1String("hex("), Qt::CaseInsensitive)) {
        const qsizetype close = data.indexOf(QLatin1String("):"));
        bool ok = false;
        value.type = close > 4 ? data.mid(4, close - 4).toInt(&ok, 16) : 0;
        if (ok) bytes = Read_Hex_List(data.mid(close + 2));
    }
    if (!bytes) return std::nullopt;
    if (value.type == REG_SZ) {
        if (bytes->size() % 2 != 0) return std::nullopt;
        value.text = Utf16_Text(*bytes);
    } else {
        value.bytes = *bytes;
    }
    return value;
}

// The path below the root that a section's name (between the brackets) gives.
std::optional<QString> Section_Path(QStringView name, const QString& rootName) {
    if (name.compare(rootName, Qt::CaseInsensitive) == 0) return QString();
    if (!name.startsWith(rootName + QLatin1Char('\\'), Qt::CaseInsensitive)) return std::nullopt;
    const QString path = name.mid(rootName.size() + 1).toString();
    return Valid_Key_Path(path) ? std::optional(path) : std::nullopt;
}

bool Is_Hex_Continuation(QStringView line) {
    line = line.trimmed();
    return !line.isEmpty() && std::all_of(line.begin(), line.end(), [](QChar ch) {
        return ch.isDigit() || QStringLiteral("abcdefABCDEF, \t\\").contains(ch);
    });
}

// Lines without their ends and outer blanks; hex data continued on the next line with a
// trailing backslash (as the platform's editor wraps long data) is joined into one.
QStringList Logical_Lines(const QString& text) {
    const QStringList raw = text.split(QLatin1Char('\n'));
    QStringList lines;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QString line = raw[i].trimmed();
        while (line.endsWith(QLatin1Char('\\')) && i + 1 < raw.size() &&
               Is_Hex_Continuation(raw[i + 1])) {
            line.chop(1);
            line += raw[++i].trimmed();
        }
        lines += line;
    }
    return lines;
}

void Read_Comment(Key& key, const QString& line) {
    if (line.startsWith(kLastWrite)) {
        const QDateTime time =
            QDateTime::fromString(line.mid(kLastWrite.size()), Qt::ISODateWithMs);
        if (time.isValid()) key.lastWrite = time.toUTC();
    } else if (line.startsWith(kClass)) {
        qsizetype pos = kClass.size();
        if (const auto keyClass = Read_Quoted(line, pos)) key.keyClass = *keyClass;
    }
}

// Every well-formed section and value is kept; a line that cannot be read (garbage, a
// line cut short, a section of another root) is skipped and marks the hive damaged. After
// an unreadable section line the values that follow belong to no key, so that they are
// never put into the key before it.
Hive Read_Reg_Text(const QString& text, const QString& rootName, const QDateTime& fileTime) {
    Hive hive;
    hive.fileTime = fileTime;
    Ensure_Key(hive, QString(), fileTime);
    bool headerSeen = false;
    bool contentSeen = false;
    std::optional<QString> section;
    const QStringList lines = Logical_Lines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty()) continue;
        if (!headerSeen && (line == kHeader || line == kOldHeader)) {
            headerSeen = true;
            continue;
        }
        contentSeen = true;
        if (line.startsWith(QLatin1Char(';'))) {
            if (section) Read_Comment(*Find_Key(hive, *section), line);
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            section = line.endsWith(QLatin1Char(']'))
                          ? Section_Path(QStringView(line).sliced(1).chopped(1), rootName)
                          : std::nullopt;
            if (section) Ensure_Key(hive, *section, fileTime);
            else hive.damaged = true;
            continue;
        }
        const std::optional<Value> value = Read_Value_Line(line);
        // A last line without its line end may have been cut short; only a quoted text
        // shows that it is whole (a number or hex data cut short still looks well-formed).
        const bool maybeCut = i == lines.size() - 1 && !text.endsWith(QLatin1Char('\n')) &&
                              !line.endsWith(QLatin1Char('"'));
        if (section && value && !maybeCut) Put_Value(*Find_Key(hive, *section), *value);
        else hive.damaged = true;
    }
    if (contentSeen && !headerSeen) hive.damaged = true;
    return hive;
}

// Sections in the order of the platform's export: a key, then its subkeys, then the
// next key at its level.
QString Sort_Key(const QString& path) { return Fold(path).replace(QLatin1Char('\\'), QChar(1)); }

QByteArray Reg_Text(const Hive& hive, const QString& rootName) {
    std::vector<const Key*> keys;
    for (const auto& [folded, key] : hive.keys)
        if (!folded.isEmpty() || !key.values.empty() || !key.keyClass.isEmpty())
            keys.push_back(&key);
    std::sort(keys.begin(), keys.end(),
              [](const Key* a, const Key* b) { return Sort_Key(a->path) < Sort_Key(b->path); });
    QString text = kHeader + CRLF + CRLF;
    for (const Key* key : keys) {
        text += QLatin1Char('[') + rootName +
                (key->path.isEmpty() ? QString() : QLatin1Char('\\') + key->path) +
                QLatin1Char(']') + CRLF;
        text += kLastWrite + key->lastWrite.toUTC().toString(Qt::ISODateWithMs) + CRLF;
        if (!key->keyClass.isEmpty()) text += kClass + Quote(key->keyClass) + CRLF;
        for (const Value& value : key->values)
            text += (value.name.isEmpty() ? QStringLiteral("@") : Quote(value.name)) +
                    QLatin1Char('=') + Data_Text(value) + CRLF;
        text += CRLF;
    }
    return text.toUtf8();
}

// ---------------------------------------------------------------- files and rights

constexpr std::array<int32_t, 3> kRoots = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
                                           HKEY_LOCAL_MACHINE};
std::array<std::atomic<bool>, 3> forcedReadOnly{};

int Root_Index(int32_t root) {
    const auto found = std::find(kRoots.begin(), kRoots.end(), root);
    return found == kRoots.end() ? -1 : static_cast<int>(found - kRoots.begin());
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
    if (forcedReadOnly[Root_Index(root)]) return false;
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

Hive Load(int32_t root) {
    QFile file(Root_File_Path(root));
    const QDateTime fileTime = file.exists() ? QFileInfo(file).lastModified().toUTC()
                                             : QDateTime::fromSecsSinceEpoch(0, Qt::UTC);
    if (!file.exists()) return Read_Reg_Text(QString(), Root_Name(root), fileTime);
    if (!file.open(QIODevice::ReadOnly)) {
        Hive hive = Read_Reg_Text(QString(), Root_Name(root), fileTime);
        hive.unreadable = true;
        return hive;
    }
    const QByteArray bytes = file.readAll();
    Hive hive = Read_Reg_Text(Decode_Reg_Bytes(bytes), Root_Name(root), fileTime);
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
    const std::pair<QString, Value> facts[] = {
        {currentVersion, {QStringLiteral("RegisteredOwner"), REG_SZ, Get_Full_User_Name(), {}}},
        {currentVersion,
         {QStringLiteral("RegisteredOrganization"), REG_SZ, Get_Organization_Name(), {}}},
        {environment, {QStringLiteral("OS"), REG_SZ, Get_Kernel_Name(), {}}},
    };
    for (const auto& [path, value] : facts) {
        Key& key = Ensure_Key(hive, path, hive.fileTime);
        if (!Find_Value(key, value.name)) key.values.push_back(value);
    }
}

Hive With_Facts(int32_t root, Hive hive) {
    if (root == HKEY_LOCAL_MACHINE) Add_Machine_Facts(hive);
    return hive;
}

// What a root shows: its file and, for the machine root, the system's facts.
Hive View(int32_t root) { return With_Facts(root, Load(root)); }

bool Write_Atomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
           file.flush() && file.commit();
}

// A damaged file's lines that could not be read are not lost when it is replaced: the old
// file is kept beside it first.
int32_t Save(int32_t root, const Hive& hive) {
    const QString path = Root_File_Path(root);
    if (hive.damaged && !hive.original.isEmpty() &&
        !Write_Atomically(path + QStringLiteral(".damaged"), hive.original))
        return RegResult::IoFailed;
    return Write_Atomically(path, Reg_Text(hive, Root_Name(root))) ? RegResult::Success
                                                                   : RegResult::IoFailed;
}

constexpr int kLockWaitMs = 10000;

// Read-modify-write under the root's lock file: the file is read again under the lock,
// so that two running copies never lose each other's changes, and replaced atomically.
template <class Change> int32_t Modify(int32_t root, Change&& change) {
    const QString path = Root_File_Path(root);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return RegResult::IoFailed;
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs)) return RegResult::IoFailed;
    Hive hive = Load(root);
    if (hive.unreadable) return RegResult::IoFailed;
    const int32_t result = change(hive);
    return result == RegResult::Success ? Save(root, hive) : result;
}

// The key a change goes to: a key that exists only as one of the system's facts is
// written to the file from now on; nothing for a key deleted meanwhile.
Key* Key_To_Change(int32_t root, Hive& hive, const QString& path, const QDateTime& time) {
    if (Key* key = Find_Key(hive, path)) return key;
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

constexpr uint32_t kWriteRights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | 0x0020 /* create link */ | 0x00010000 /* delete */ |
    0x00040000 /* write DAC */ | 0x00080000 /* write owner */;

// The store keeps no security of its own (the root's file permissions decide); a key
// reports the size of an empty self-relative security descriptor.
constexpr uint32_t kSecurityDescriptorSize = 20;

// The lowest free number, as the platform reuses handle values: a stale handle closed
// twice would hit another key, which the program must never do.
RegHandle Add_Handle(const Opened& opened) {
    const std::lock_guard guard(handlesMutex);
    RegHandle handle = 1;
    while (handles.count(handle)) ++handle;
    handles.emplace(handle, opened);
    return handle;
}

std::optional<Opened> Find_Handle(RegHandle handle) {
    const std::lock_guard guard(handlesMutex);
    const auto found = handles.find(handle);
    return found == handles.end() ? std::nullopt : std::optional(found->second);
}

QDateTime Now() { return QDateTime::currentDateTimeUtc(); }

} // namespace

int32_t Reg_Open_Key(int32_t root, const QString& path, uint32_t access, RegHandle& key) {
    key = 0;
    if (Root_Index(root) < 0) return RegResult::InvalidHandle;
    if (!Valid_Key_Path(path)) return RegResult::BadPathname;
    if (!Find_Key(View(root), path)) return RegResult::FileNotFound;
    if ((access & kWriteRights) && !Root_Writable(root)) return RegResult::AccessDenied;
    key = Add_Handle({root, path, access});
    return RegResult::Success;
}

int32_t Reg_Create_Key(int32_t root, const QString& path, const QString& keyClass,
                       uint32_t access, RegHandle& key) {
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

int32_t Reg_Query_Value(RegHandle key, const QString& name, int32_t& type, QByteArray& data,
                        uint32_t& size) {
    const auto opened = Find_Handle(key);
    if (!opened) return RegResult::InvalidHandle;
    if (!(opened->access & KEY_QUERY_VALUE)) return RegResult::AccessDenied;
    const Hive shown = View(opened->root);
    const Key* found = Find_Key(shown, opened->path);
    if (!found) return RegResult::KeyDeleted;
    const Value* value = Find_Value(*found, name);
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
    Value value{name, type, {}, {}};
    if (type == REG_SZ)
        value.text = QString::fromUtf8(data.endsWith('\0') ? data.chopped(1) : data);
    else
        value.bytes = data;
    return Modify(opened->root, [&](Hive& hive) {
        const QDateTime now = Now();
        Key* target = Key_To_Change(opened->root, hive, opened->path, now);
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
        Key* target = Find_Key(hive, opened->path);
        if (target && Erase_Value(*target, name)) {
            target->lastWrite = Now();
            return RegResult::Success;
        }
        const Hive shown = With_Facts(opened->root, hive);
        const Key* seen = Find_Key(shown, opened->path);
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
        hive.keys.erase(Fold(path));
        if (Key* parent = Find_Key(hive, Parent_Path(path))) parent->lastWrite = Now();
        return RegResult::Success;
    });
}

int32_t Reg_Query_Info_Key(RegHandle key, RegKeyInfo& info) {
    const auto opened = Find_Handle(key);
    if (!opened) return RegResult::InvalidHandle;
    if (!(opened->access & KEY_QUERY_VALUE)) return RegResult::AccessDenied;
    const Hive shown = View(opened->root);
    const Key* found = Find_Key(shown, opened->path);
    if (!found) return RegResult::KeyDeleted;
    info = RegKeyInfo{};
    info.keyClass = found->keyClass;
    info.lastWriteTime = found->lastWrite;
    info.securityDescriptor = kSecurityDescriptorSize;
    for (const Key* subkey : Subkeys(shown, opened->path)) {
        ++info.subKeys;
        info.maxSubKeyLen = std::max<uint32_t>(info.maxSubKeyLen, Last_Name(subkey->path).size());
        info.maxClassLen = std::max<uint32_t>(info.maxClassLen, subkey->keyClass.size());
    }
    for (const Value& value : found->values) {
        ++info.values;
        info.maxValueNameLen = std::max<uint32_t>(info.maxValueNameLen, value.name.size());
        info.maxValueLen = std::max<uint32_t>(info.maxValueLen, Value_Data(value).size());
    }
    return RegResult::Success;
}

QString Root_Name(int32_t root) {
    switch (root) {
    case HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE: return QStringLiteral("HKEY_LOCAL_MACHINE");
    default: return {};
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

void Force_Read_Only(int32_t root, bool readOnly) {
    if (const int index = Root_Index(root); index >= 0) forcedReadOnly[index] = readOnly;
}

} // namespace korvel
