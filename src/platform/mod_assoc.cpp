#include "platform/mod_assoc.h"

#include "base/report_error.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <cmath>

namespace korvel {

namespace {

// Access asked for when opening or creating the association's keys: query and set value,
// create and enumerate subkeys, notify, create link; not full access.
constexpr uint32_t Assoc_Access = 0x3F;

// The conversion of any value to a 32-bit integer: numbers round to the nearest integer
// (halves to even), true is -1, text must hold a number ("." as decimal point); what is
// not a number is a type mismatch, what does not fit an overflow.
int32_t To_Long(const QVariant& value) {
    if (!value.isValid()) return 0; // an empty value
    if (value.typeId() == QMetaType::Bool) return value.toBool() ? -1 : 0;
    bool ok = false;
    const double number = value.typeId() == QMetaType::QString
                              ? QLocale::c().toDouble(value.toString().trimmed(), &ok)
                              : value.toDouble(&ok);
    if (!ok) throw RuntimeError(Err::TypeMismatch);
    const double whole = std::nearbyint(number);
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0)) throw RuntimeError(Err::Overflow);
    return static_cast<int32_t>(whole);
}

} // namespace

void CreateAssociation(const QString& appName, const QString& ext) {
    // On Linux the executable is whatever it was installed as (no ".exe"), so the real
    // file name is used rather than the application name.
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    CreateAssociation(appName, ext, QCoreApplication::applicationDirPath(), executable);
}

void CreateAssociation(const QString& appName, const QString& ext, const QString& programFolder,
                       const QString& executableName) {
    With_Handler(QStringLiteral("CreateAssociation"), [&] {
        const QString extensionKey = QLatin1Char('.') + ext;
        const QString documentKey = appName + QStringLiteral(".Document");
        const QString commandKey = documentKey + QStringLiteral("\\shell\\open\\command");
        CreateNewKey(extensionKey, HKEY_CLASSES_ROOT);
        SetKeyValue(extensionKey, QString(), documentKey, REG_SZ);
        CreateNewKey(commandKey, HKEY_CLASSES_ROOT);
        SetKeyValue(documentKey, QString(), appName + QStringLiteral(" File"), REG_SZ);
        // Folder and file are joined with "/", the path separator here, and neither the path
        // nor "%1" is quoted: a folder with blanks goes in unchanged.
        const QString folder = programFolder.endsWith(QLatin1Char('/'))
                                   ? programFolder
                                   : programFolder + QLatin1Char('/');
        SetKeyValue(commandKey, QString(), folder + executableName + QStringLiteral(" %1"), REG_SZ);
    });
}

void CreateNewKey(const QString& path, int32_t root) {
    With_Handler(QStringLiteral("CreateNewKey"), [&] {
        RegHandle key = 0;
        Reg_Create_Key(root, path, QString(), Assoc_Access, key); // a refusal is silent
        Reg_Close_Key(key);
    });
}

void SetKeyValue(const QString& sKeyName, const QString& sValueName, const QVariant& vValueSetting,
                 int32_t lValueType) {
    With_Handler(QStringLiteral("SetKeyValue"), [&] {
        // Neither result is examined: a key that cannot be opened leaves handle 0, on which
        // the write fails silently.
        RegHandle key = 0;
        Reg_Open_Key(HKEY_CLASSES_ROOT, sKeyName, Assoc_Access, key);
        SetValueEx(key, sValueName, lValueType, vValueSetting);
        Reg_Close_Key(key);
    });
}

int32_t SetValueEx(RegHandle hKey, const QString& sValueName, int32_t lValueType,
                   const QVariant& vValueSetting) {
    int32_t result = 0;
    With_Handler(QStringLiteral("SetValueEx"), [&] {
        QByteArray data;
        if (lValueType == REG_SZ) {
            data = vValueSetting.toString().toUtf8().append('\0');
        } else if (lValueType == REG_DWORD) {
            const auto number = static_cast<uint32_t>(To_Long(vValueSetting));
            for (int i = 0; i < 4; ++i)
                data += static_cast<char>(number >> (8 * i) & 0xFF);
        } else {
            return;
        }
        result = Reg_Set_Value(hKey, sValueName, lValueType, data);
    });
    return result;
}

QString GetLongPathFromShortPath(const QString& path) {
    QString longPath;
    // Long paths are ordinary here: the path is returned whatever its length.
    With_Handler(QStringLiteral("GetLongPathFromShortPath"), [&] {
        longPath = path.isEmpty() ? QString() : QFileInfo(path).canonicalFilePath();
    });
    return longPath;
}

} // namespace korvel
