// mod_Assoc: registers the model-file type so that opening a model file starts the
// program with it, and turns a path into its long, canonical form.
#pragma once

#include "platform/registry_store.h"

#include <QString>
#include <QVariant>

#include <cstdint>

namespace korvel {

// Writes the three entries under HKEY_CLASSES_ROOT for application appName and extension
// ext (without the dot), with the running program as the command. Refusals by the
// registry are silent; a failed step does not stop the next one.
void CreateAssociation(const QString& appName, const QString& ext);

// The same with the program named explicitly: its folder and the executable's file name.
void CreateAssociation(const QString& appName, const QString& ext, const QString& programFolder,
                       const QString& executableName);

// Creates (or opens) the key below root and closes it again.
void CreateNewKey(const QString& path, int32_t root);

// Stores one value of key sKeyName below HKEY_CLASSES_ROOT ("" names the default value).
void SetKeyValue(const QString& sKeyName, const QString& sValueName, const QVariant& vValueSetting,
                 int32_t lValueType);

// Stores vValueSetting as text (REG_SZ) or as a 32-bit number (REG_DWORD); other types
// write nothing and give 0. The result is the store's result code (0 = success).
int32_t SetValueEx(RegHandle hKey, const QString& sValueName, int32_t lValueType,
                   const QVariant& vValueSetting);

// The canonical absolute path of an existing file or folder, however long; empty text
// for a path that does not exist.
QString GetLongPathFromShortPath(const QString& path);

} // namespace korvel
