// The registry store: the program's portable registry. Each root key is one text file in
// the .reg export format ("Windows Registry Editor Version 5.00"), which a person can
// read and edit:
//
//   [HKEY_CURRENT_USER\Software\Korvel]
//   ; last write 2024-05-01T10:20:30.123Z
//   ; class "text"                      (only for a key with a class text)
//   "Name"="C:\\Folder \"quoted\""
//   @="the default value"
//   "Count"=dword:0000000a
//   "Lines"=hex(1):41,00,0d,00,0a,00,00,00   (text with line breaks, as UTF-16)
//
// The files live in KORVEL_REGISTRY_DIR when that is set (all roots); otherwise
// HKEY_LOCAL_MACHINE lives in /var/lib/korvel/registry, a folder only an administrator
// may write, and the user roots in the user's config folder, korvel/registry.
//
// The calls follow the platform's registry calls: keys are opened into handles, every
// call returns a result code (0 = success), and opening for write access fails where the
// user may not write the root's file.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace korvel {

// Root keys, numbered as the platform's predefined handles.
constexpr int32_t HKEY_CLASSES_ROOT = static_cast<int32_t>(0x80000000u);
constexpr int32_t HKEY_CURRENT_USER = static_cast<int32_t>(0x80000001u);
constexpr int32_t HKEY_LOCAL_MACHINE = static_cast<int32_t>(0x80000002u);

// Value types.
constexpr int32_t REG_SZ = 1;
constexpr int32_t REG_BINARY = 3;
constexpr int32_t REG_DWORD = 4;

// Access rights.
constexpr uint32_t KEY_QUERY_VALUE = 0x0001;
constexpr uint32_t KEY_SET_VALUE = 0x0002;
constexpr uint32_t KEY_CREATE_SUB_KEY = 0x0004;
constexpr uint32_t KEY_READ = 0x20019;
constexpr uint32_t KEY_ALL_ACCESS = 0xF003F;

// Result codes, numbered as the platform numbers them.
namespace RegResult {
constexpr int32_t Success = 0;
constexpr int32_t FileNotFound = 2;      // no such key or value
constexpr int32_t AccessDenied = 5;      // the root may not be written, or the key is protected
constexpr int32_t InvalidHandle = 6;     // no such open key, or an unknown root
constexpr int32_t InvalidParameter = 87; // a name the file cannot hold, a dword not 4 bytes
constexpr int32_t BadPathname = 161;     // an empty component in a key path
constexpr int32_t MoreData = 234;        // the value does not fit the caller's buffer
constexpr int32_t IoFailed = 1016;       // the file could not be locked or written
constexpr int32_t KeyDeleted = 1018;     // the open key has been deleted meanwhile
} // namespace RegResult

using RegHandle = uint32_t; // 0: no key

struct RegKeyInfo {
    QString keyClass;
    uint32_t subKeys = 0;
    uint32_t maxSubKeyLen = 0; // characters
    uint32_t maxClassLen = 0;  // characters, over the subkeys' class texts
    uint32_t values = 0;
    uint32_t maxValueNameLen = 0; // characters
    uint32_t maxValueLen = 0;     // bytes, text values with their terminating null
    uint32_t securityDescriptor = 0;
    QDateTime lastWriteTime; // universal time
};

// Opens an existing key; path "" is the root itself. Write rights in access need a root
// the user may write.
int32_t Reg_Open_Key(int32_t root, const QString& path, uint32_t access, RegHandle& key);

// Opens the key, creating it and any missing parents (with class text for the key itself).
int32_t Reg_Create_Key(int32_t root, const QString& path, const QString& keyClass, uint32_t access,
                       RegHandle& key);

int32_t Reg_Close_Key(RegHandle key);

// Copies the value's data into data. size: in, the room the caller offers; out, the
// data's size in bytes. Text values are UTF-8 with a terminating null.
int32_t Reg_Query_Value(RegHandle key, const QString& name, int32_t& type, QByteArray& data,
                        uint32_t& size);

// A text value of any length (asked for twice when the first room is too small), without
// its terminating null; empty when it is missing, unreadable or not text.
std::optional<QString> Reg_Query_Text(RegHandle key, const QString& name);

// Stores a value; name "" is the key's default value. Text data is UTF-8, a terminating
// null is optional.
int32_t Reg_Set_Value(RegHandle key, const QString& name, int32_t type, const QByteArray& data);

int32_t Reg_Delete_Value(RegHandle key, const QString& name);

// Deletes a key that has no subkeys.
int32_t Reg_Delete_Key(int32_t root, const QString& path);

int32_t Reg_Query_Info_Key(RegHandle key, RegKeyInfo& info);

// "HKEY_CURRENT_USER" and so on; empty for a root the store does not keep.
QString Root_Name(int32_t root);

// The file that holds a root; empty for a root the store does not keep.
QString Root_File_Path(int32_t root);

// How many keys are open, for checks that every opened key is closed.
int Open_Key_Count();

} // namespace korvel
