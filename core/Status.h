#pragma once
// The outcome of an operation a user can make fail: empty key means success;
// otherwise key names a message text (TLanguage) and detail says why
// (the system's reason or the offending value).

#include <string>
#include <utility>

namespace kx7q {

struct Status {
  std::string key;
  std::string detail;

  bool ok() const { return key.empty(); }
  explicit operator bool() const { return ok(); }
  static Status Ok() { return {}; }
  static Status Fail(std::string key, std::string detail = {}) { return {std::move(key), std::move(detail)}; }
};

}  // namespace kx7q
