// The design's identification defaults: the registered owner and organisation, and
// whether the user may open the machine-wide settings for full access.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace korvel {

extern QString Default_ID; // a blank followed by the registered organisation
extern QString Reg_Organization;
extern QString Reg_Owner;

// Fills the three texts from the machine-wide registry; on failure they stay as they
// were (the key cannot be opened) or become empty (the fallback key fails too).
void Get_Owner(QString& organization, QString& owner, QString& os);

// True when the machine-wide keys open for full access (an administrator).
bool Check_Administrator();

// Sets the default project identification: Project_ID = Default_ID.
void Set_User();

// Owner and organisation from the login and computer names.
void Use_Login_Name();

// The design number typed on the identification screen: the leading number rounded to
// the nearest integer (halves to even); empty when it is outside -32768..32767.
std::optional<int16_t> Design_Number_From_Text(const QString& text);

} // namespace korvel
