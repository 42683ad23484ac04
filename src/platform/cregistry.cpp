#include "platform/cregistry.h"

#include "base/report_error.h"
#include "text/number_text.h"

namespace korvel {

bool Registry_Error = false;
bool Quiet_Registry = false;

namespace {

const QString No_Key_Open = QStringLiteral("No key is currently open.");
constexpr uint32_t Read_Buffer_Size = 255;

RuntimeError Registry_Failure(const QString& description, const char* operation) {
    return RuntimeError(Err::Registry, description,
                        QStringLiteral("CRegistry:") + QLatin1String(operation));
}

} // namespace

CRegistry::~CRegistry() {
    CloseKey();
}

void CRegistry::OpenKey(int32_t Section, const QString& strKey, bool blnCreateNew) {
    try {
        if (keyOpen_) CloseKey();
        // The backslash test comes first, so "/Software" keeps a leading backslash.
        QString path = strKey;
        if (path.startsWith(QLatin1Char('\\'))) path.remove(0, 1);
        path.replace(QLatin1Char('/'), QLatin1Char('\\'));

        RegHandle handle = 0;
        int32_t result = Reg_Open_Key(Section, path, KEY_ALL_ACCESS, handle);
        if (result != RegResult::Success && blnCreateNew) {
            result = Reg_Create_Key(Section, path, QString(), KEY_ALL_ACCESS, handle);
            if (result != RegResult::Success)
                throw Registry_Failure(
                    QStringLiteral("Failed to create key ") + path + QLatin1Char('.'), "OpenKey");
        }
        if (result != RegResult::Success) {
            Registry_Error = true; // not an error: the flag is the only trace
            return;
        }
        keyOpen_ = true;
        hKey_ = handle;
        currentKey_ = path;
        rootKey_ = Section;
    } catch (...) {
        Registry_Error = true;
        Report_Error(Current_Error(std::current_exception()), QStringLiteral("Openkey"));
    }
}

void CRegistry::DeleteKey() {
    With_Handler(QStringLiteral("Deletekey"), [this] {
        const QString path = currentKey_;
        CloseKey();
        if (Reg_Delete_Key(rootKey_, path) != RegResult::Success)
            throw Registry_Failure(
                QStringLiteral("Failed to delete key ") + path + QLatin1Char('.'), "DeleteKey");
    });
}

void CRegistry::CloseKey() {
    With_Handler(QStringLiteral("CloseKey"), [this] {
        if (hKey_ == 0) return;
        Reg_Close_Key(hKey_); // its result does not matter: the handle is forgotten anyway
        hKey_ = 0;
        keyOpen_ = false;
        currentKey_.clear();
    });
}

QString CRegistry::ReadValue(const QString& strValueName) {
    int step = 1; // how far the read got, named in the report
    QString result;
    try {
        step = 2;
        if (!keyOpen_) throw Registry_Failure(No_Key_Open, "ReadValue");
        step = 3;
        QByteArray buffer(Read_Buffer_Size, ' ');
        uint32_t size = Read_Buffer_Size;
        int32_t type = 0; // not examined: every value is read as text
        // A missing value or one too long for the buffer reads as empty text.
        if (Reg_Query_Value(hKey_, strValueName, type, buffer, size) == RegResult::Success) {
            // The data without its terminating null; data of no bytes at all cannot drop one.
            if (size == 0) throw RuntimeError(Err::InvalidProcedureCall);
            result = QString::fromUtf8(buffer.left(size - 1));
        }
    } catch (...) {
        Registry_Error = true;
        if (!Quiet_Registry)
            Report_Error(Current_Error(std::current_exception()),
                         QStringLiteral("ReadValue: Check = ") + Number_Text(step));
        result.clear();
    }
    return result;
}

void CRegistry::WriteValue(const QString& strValueName, const QString& strNewValue) {
    if (!keyOpen_) throw Registry_Failure(No_Key_Open, "WriteValue");
    const QByteArray data = strNewValue.toUtf8().append('\0');
    if (Reg_Set_Value(hKey_, strValueName, REG_SZ, data) != RegResult::Success)
        throw Registry_Failure(QStringLiteral("Failed to write new value to ") + strValueName +
                                   QStringLiteral(" from Registry."),
                               "WriteValue");
}

void CRegistry::DeleteValue(const QString& strValueName) {
    if (!keyOpen_) throw Registry_Failure(No_Key_Open, "DeleteValue");
    if (Reg_Delete_Value(hKey_, strValueName) != RegResult::Success)
        throw Registry_Failure(QStringLiteral("Failed to delete value ") + strValueName +
                                   QStringLiteral(" from Registry."),
                               "DeleteValue");
}

} // namespace korvel
