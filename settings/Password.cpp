#include "settings/Password.h"

#include <algorithm>

#include "settings/RadioInformation.h"

namespace kx7q {

namespace {

// Blanks and control characters (bytes up to 0x20) removed from both ends.
std::string_view TrimControls(std::string_view text) {
  auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && isTrimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && isTrimmed(text.back())) text.remove_suffix(1);
  return text;
}

std::string Shown(const TALL& all, int offset) {
  return std::string(TrimControls(DisplayFilter(all.Image.data() + offset, kPasswordLength)));
}

void Store(TALL& all, int offset, std::string_view text) {
  std::string padded(TrimControls(text));
  padded.resize(kPasswordLength, ' ');
  std::copy(padded.begin(), padded.end(), all.Image.begin() + offset);
}

}  // namespace

std::string PasswordText(const TALL& all) { return Shown(all, kPasswordOffset); }
std::string NewPasswordText(const TALL& all) { return Shown(all, kNewPasswordOffset); }

void StorePasswords(TALL& all, std::string_view password, std::string_view newPassword) {
  Store(all, kPasswordOffset, password);
  if (all.SetNewPassword) Store(all, kNewPasswordOffset, newPassword);
}

}  // namespace kx7q
