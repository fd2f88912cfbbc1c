#pragma once
// INI files as the program's language files and SysInfo.Ini use them.
//
// Section and key names match without regard to (ASCII) case; blanks around a
// value are dropped and a value in double quotes loses the quotes; lines
// beginning with ';' are comments. Values are the file's raw 8-bit text (the
// Chinese texts are GBK): decoding is the window layer's business. Writing a
// key changes only its own line (or adds one), so other keys, sections and
// comments stay as they were.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"

namespace kx7q {

class IniFile {
 public:
  IniFile() = default;
  static IniFile FromText(std::string_view text);

  // Loads path; a missing or unreadable file gives an empty INI and false.
  bool Load(const std::string& path);
  // Writes the text to path through a temporary file renamed into place.
  Status Save(const std::string& path) const;

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  std::string Read(std::string_view section, std::string_view key, std::string_view def) const;
  // Keys of a section in file order (as written in the file).
  std::vector<std::string> Keys(std::string_view section) const;
  bool HasSection(std::string_view section) const;

  void Write(std::string_view section, std::string_view key, std::string_view value);

  std::string Text() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace kx7q
