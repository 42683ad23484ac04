// The keys and values of one registry root, and the .reg text a root's file holds them in
// (the layout is shown in registry_store.h). Kept apart from the store so that the text
// can be read and written, and tested, without files, locks or handles.
#pragma once

#include "platform/registry_store.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace korvel {

struct RegValue {
    QString name; // "" is the key's default value
    int32_t type = REG_SZ;
    QString text;     // REG_SZ
    QByteArray bytes; // every other type, as stored
};

struct RegKey {
    QString path; // below the root, spelled as when first written; "" is the root itself
    QString keyClass;
    QDateTime lastWrite;          // universal time
    std::vector<RegValue> values; // in the order they were first written
};

// One root's keys.
struct RootData {
    std::map<QString, RegKey> keys; // by Fold_Name(path)
    bool damaged = false;           // the text had lines that could not be read
};

// ---------------------------------------------------------------- the text

// Reads the text of rootName's file; the root key "" always exists. Keys the text gives
// no last write time get defaultTime. Lines that cannot be read are skipped and set
// damaged, so that the rest of a damaged file is still usable.
RootData Parse_Reg_Text(const QString& text, const QString& rootName, const QDateTime& defaultTime);

// The whole root as the text of its file, with CRLF line ends.
QString Format_Reg_Text(const RootData& data, const QString& rootName);

// ---------------------------------------------------------------- keys and values

// Names of keys and values are compared without regard to case, as on the platform.
QString Fold_Name(const QString& name);

// "" for a key directly below the root.
QString Parent_Key_Path(const QString& path);

// A line break would end the line of the file that holds the name.
bool Has_Line_Break(const QString& text);

// "" (the root itself) or names separated by single backslashes.
bool Valid_Key_Path(const QString& path);

const RegKey* Find_Key(const RootData& data, const QString& path);
RegKey* Find_Key(RootData& data, const QString& path);

// The key, with its missing parents created as written at time; existing keys stay as
// they are.
RegKey& Ensure_Key(RootData& data, const QString& path, const QDateTime& time);

const RegValue* Find_Value(const RegKey& key, const QString& name);
RegValue* Find_Value(RegKey& key, const QString& name);

// Adds the value, or replaces the one of that name, keeping its name's spelling.
void Put_Value(RegKey& key, RegValue value);

} // namespace korvel
