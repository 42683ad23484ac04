#include "session/data_uncertainty.h"

#include "platform/registry_store.h"

#include <cmath>

namespace korvel {

namespace {

const QString Coefficients_Value = QStringLiteral("Coefficients");
const QString Constants_Value = QStringLiteral("Constants");

double Read_Percent(RegHandle key, const QString& name) {
    const std::optional<QString> text = Reg_Query_Text(key, name);
    if (!text) return 0;
    bool ok = false;
    const double percent = text->trimmed().toDouble(&ok);
    // A hand-edited store may hold anything: only a percentage is taken.
    return ok && std::isfinite(percent) && percent >= 0 && percent <= 100 ? percent : 0;
}

} // namespace

QString Data_Uncertainty_Key() {
    return QStringLiteral("Software\\Korvel\\Data Uncertainty");
}

DataUncertainty Remembered_Uncertainty() {
    DataUncertainty uncertainty;
    RegHandle key = 0;
    if (Reg_Open_Key(HKEY_CURRENT_USER, Data_Uncertainty_Key(), KEY_READ, key) !=
        RegResult::Success)
        return uncertainty;
    uncertainty.coefficients = Read_Percent(key, Coefficients_Value);
    uncertainty.constants = Read_Percent(key, Constants_Value);
    Reg_Close_Key(key);
    return uncertainty;
}

bool Remember_Uncertainty(const DataUncertainty& uncertainty) {
    RegHandle key = 0;
    if (Reg_Create_Key(HKEY_CURRENT_USER, Data_Uncertainty_Key(), QString(), KEY_ALL_ACCESS, key) !=
        RegResult::Success)
        return false;
    auto write = [&](const QString& name, double percent) {
        return Reg_Set_Value(key, name, REG_SZ, QString::number(percent, 'g', 17).toUtf8()) ==
               RegResult::Success;
    };
    const bool written = write(Coefficients_Value, uncertainty.coefficients) &&
                         write(Constants_Value, uncertainty.constants);
    Reg_Close_Key(key);
    return written;
}

} // namespace korvel
