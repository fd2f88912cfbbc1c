#pragma once
// Password (window fPassWord): two 8-character texts in the identification
// block, outside radio memory: the password at image offsets 0-7 and the new
// password at 8-15, one character a byte, blank-filled. The new password is
// written only while the code plug's SetNewPassword switch is on. Storing
// does not set Modified; nothing in the program checks the password.

#include <string>
#include <string_view>

#include "core/CodePlug.h"

namespace kx7q {

constexpr int kPasswordOffset = 0;
constexpr int kNewPasswordOffset = 8;
constexpr int kPasswordLength = 8;

// The bytes through the display filter (see RadioInformation.h), blanks
// around them removed.
std::string PasswordText(const TALL& all);
std::string NewPasswordText(const TALL& all);

// The text without blanks and control characters around it, blank-filled to
// 8 characters, into offsets 0-7; the new password likewise into 8-15 when
// SetNewPassword is on.
void StorePasswords(TALL& all, std::string_view password, std::string_view newPassword);

}  // namespace kx7q
