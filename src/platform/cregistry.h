// CRegistry: one open registry key. Opens (or creates) a key under a root key, reads,
// writes and deletes its text values, and deletes it. Keys are always opened for full
// access, so opening a machine-wide key fails for a user who may not write the machine
// root: the administrator test relies on that.
#pragma once

#include "platform/registry_store.h"

#include <QString>

#include <cstdint>

namespace korvel {

// Set when a key cannot be opened and by the error handlers of OpenKey and ReadValue;
// only the class's user sets it back to false.
extern bool Registry_Error;
// While true, failures inside ReadValue are not reported to the user.
extern bool Quiet_Registry;

class CRegistry {
  public:
    CRegistry() = default;
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // Opens strKey under Section for full access (a leading backslash dropped, "/" read as
    // "\"); creates it when missing and blnCreateNew is set. A missing key that is not to
    // be created only sets Registry_Error.
    void OpenKey(int32_t Section, const QString& strKey, bool blnCreateNew);
    // Closes the key and deletes it.
    void DeleteKey();
    void CloseKey();
    // The text of a value; empty text for a missing value or one longer than 255 bytes.
    QString ReadValue(const QString& strValueName);
    // Errors of these two go to the caller.
    void WriteValue(const QString& strValueName, const QString& strNewValue);
    void DeleteValue(const QString& strValueName);

    QString CurrentKey() const { return currentKey_; }

  private:
    bool keyOpen_ = false;
    RegHandle hKey_ = 0;
    int32_t rootKey_ = 0;
    QString currentKey_;
};

} // namespace korvel
