// CRegistry: one open registry key. Opens (or creates) a key under a root key, reads,
// writes and deletes its text values, deletes it, and reports facts about it. Keys are
// always opened for full access, so opening a machine-wide key fails for a user who may
// not write the machine root: the administrator test relies on that.
#pragma once

#include "platform/registry_store.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

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
    // Errors of these two, and of the properties but LastWriteTime, go to the caller.
    void WriteValue(const QString& strValueName, const QString& strNewValue);
    void DeleteValue(const QString& strValueName);

    QString CurrentKey() const { return currentKey_; }
    QString KeyClass();
    // Local time, to the second. Failures are ignored: the time last read is returned.
    QDateTime LastWriteTime();
    int32_t NumOfSubKeys();
    int32_t MaxSubkeyNameLength();
    int32_t MaxClassNameLength();
    int32_t NumOfValues();
    int32_t MaxValueNameLength();
    int32_t MaxValueLength();
    int32_t SecurityDescriptor();

  private:
    void RefreshKeyInfo();

    bool keyOpen_ = false;
    RegHandle hKey_ = 0;
    int32_t rootKey_ = 0;
    QString currentKey_;
    QString keyClass_;
    int32_t numSubKeys_ = 0;
    int32_t maxSubkeyNameLength_ = 0;
    int32_t maxClassNameLength_ = 0;
    int32_t numValues_ = 0;
    int32_t maxValueNameLength_ = 0;
    int32_t maxValueLength_ = 0;
    int32_t securityDescriptor_ = 0;
    // The platform's zero file time until the key's information is first read.
    QDateTime lastWriteTime_{QDate(1601, 1, 1), QTime(0, 0), QTimeZone::utc()};
};

} // namespace korvel
