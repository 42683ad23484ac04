#include "session/identification.h"

#include "base/app_globals.h"
#include "base/report_error.h"
#include "platform/cregistry.h"
#include "platform/system_names.h"
#include "text/leading_number.h"

#include <cmath>

namespace korvel {

QString Default_ID;
QString Reg_Organization;
QString Reg_Owner;

namespace {

void Read_Fallback_Key(QString& organization, QString& owner, QString& os) {
    try {
        CRegistry key;
        key.OpenKey(HKEY_LOCAL_MACHINE,
                    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion"), false);
        organization = key.ReadValue(QStringLiteral("RegisteredOrganization"));
        owner = key.ReadValue(QStringLiteral("RegisteredOwner"));
        os = key.ReadValue(QStringLiteral("Version"));
        key.CloseKey();
    } catch (...) {
        organization.clear();
        owner.clear();
        os.clear();
    }
}

} // namespace

void Get_Owner(QString& organization, QString& owner, QString& os) {
    try {
        CRegistry key;
        key.OpenKey(HKEY_LOCAL_MACHINE,
                    QStringLiteral("Software\\Microsoft\\Windows NT\\CurrentVersion"), false);
        if (Registry_Error) return;
        organization = key.ReadValue(QStringLiteral("RegisteredOrganization"));
        owner = key.ReadValue(QStringLiteral("RegisteredOwner"));
        key.OpenKey(
            HKEY_LOCAL_MACHINE,
            QStringLiteral("System\\CurrentControlSet\\Control\\Session Manager\\Environment"),
            false);
        os = key.ReadValue(QStringLiteral("OS"));
        if (!os.isEmpty()) {
            key.CloseKey();
            return;
        }
    } catch (...) {
        // falls through to the older key
    }
    Read_Fallback_Key(organization, owner, os);
}

bool Check_Administrator() {
    bool administrator = false;
    With_Handler(QStringLiteral("Check_Administrator"), [&] {
        Quiet_Registry = true;
        Registry_Error = false;
        QString organization, owner, os;
        Get_Owner(organization, owner, os);
        administrator = !Registry_Error;
        Quiet_Registry = false;
    });
    return administrator;
}

void Use_Login_Name() {
    With_Handler(QStringLiteral("Set_User"), [] {
        Reg_Owner = Get_Login_Name();
        Reg_Organization = Get_Computer_Name();
    });
}

void Set_User() {
    try {
        QString os; // the system's name: read with the owner, used nowhere
        Get_Owner(Reg_Organization, Reg_Owner, os);
    } catch (...) {
        if (Reg_Owner.isEmpty()) Use_Login_Name();
    }
    Default_ID = QLatin1Char(' ') + Reg_Organization;
    Project_ID = Default_ID;
}

std::optional<int16_t> Design_Number_From_Text(const QString& text) {
    double value = 0;
    try {
        value = Leading_Number(text);
    } catch (const RuntimeError&) {
        return std::nullopt; // beyond the float range
    }
    const double whole = std::nearbyint(value);
    if (whole < -32768.0 || whole > 32767.0) return std::nullopt;
    return static_cast<int16_t>(whole);
}

} // namespace korvel
