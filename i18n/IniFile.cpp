#include "i18n/IniFile.h"

#include <fstream>
#include <sstream>

#include "core/AtomicFile.h"

namespace kx7q {
namespace {

std::string_view TrimView(std::string_view text) {
  const char* blanks = " \t\r\n";
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// A line "[name]" gives the section name; nullopt for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = TrimView(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return TrimView(line.substr(1, close - 1));
}

struct Entry {
  std::string_view key;
  std::string_view value;
};

// A line "key=value" (not a comment); nullopt for any other line.
std::optional<Entry> EntryOf(std::string_view line) {
  const std::string_view trimmed = TrimView(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  const auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  std::string_view value = TrimView(trimmed.substr(eq + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return Entry{TrimView(trimmed.substr(0, eq)), value};
}

// Calls visit for each entry of the sections named section, in file order,
// while visit returns true.
template <typename Visit>
void ForEachEntry(const std::vector<std::string>& lines, std::string_view section, Visit visit) {
  bool inSection = false;
  for (const auto& line : lines) {
    if (const auto name = SectionOf(line)) {
      inSection = SameName(*name, section);
      continue;
    }
    if (!inSection) continue;
    if (const auto entry = EntryOf(line); entry && !visit(*entry)) return;
  }
}

}  // namespace

IniFile IniFile::FromText(std::string_view text) {
  IniFile file;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    file.lines_.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  // A UTF-8 byte order mark is not part of the first section name.
  if (!file.lines_.empty() && file.lines_.front().rfind("\xEF\xBB\xBF", 0) == 0) file.lines_.front().erase(0, 3);
  return file;
}

bool IniFile::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    lines_.clear();
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  *this = FromText(text.str());
  return true;
}

Status IniFile::Save(const std::string& path) const { return WriteFileAtomically(path, Text()); }

std::string IniFile::Text() const {
  std::string text;
  for (const auto& line : lines_) {
    text += line;
    text += '\n';
  }
  return text;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  std::optional<std::string> value;
  ForEachEntry(lines_, section, [&](const Entry& entry) {
    if (SameName(entry.key, key)) value = std::string(entry.value);
    return !value;
  });
  return value;
}

std::string IniFile::Read(std::string_view section, std::string_view key, std::string_view def) const {
  if (auto value = Value(section, key)) return *value;
  return std::string(def);
}

std::vector<std::string> IniFile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  ForEachEntry(lines_, section, [&](const Entry& entry) {
    keys.emplace_back(entry.key);
    return true;
  });
  return keys;
}

bool IniFile::HasSection(std::string_view section) const {
  for (const auto& line : lines_)
    if (const auto name = SectionOf(line); name && SameName(*name, section)) return true;
  return false;
}

void IniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  const bool crlf = !lines_.empty() && !lines_.front().empty() && lines_.front().back() == '\r';
  const std::string ending = crlf ? "\r" : "";
  bool inSection = false;
  bool sectionFound = false;
  std::size_t insertAt = lines_.size();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (const auto name = SectionOf(lines_[i])) {
      if (inSection) break;  // end of the first matching section: insert there
      inSection = SameName(*name, section);
      if (inSection) {
        sectionFound = true;
        insertAt = i + 1;
      }
      continue;
    }
    if (!inSection) continue;
    if (const auto entry = EntryOf(lines_[i])) {
      if (SameName(entry->key, key)) {
        lines_[i] = std::string(entry->key) + "=" + std::string(value) + ending;
        return;
      }
      insertAt = i + 1;
    }
  }
  const std::string line = std::string(key) + "=" + std::string(value) + ending;
  if (sectionFound) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
    return;
  }
  // A trailing empty line is the file's last line ending, not a blank line.
  while (!lines_.empty() && TrimView(lines_.back()).empty()) lines_.pop_back();
  if (!lines_.empty()) lines_.push_back(ending);
  lines_.push_back("[" + std::string(section) + "]" + ending);
  lines_.push_back(line);
}

}  // namespace kx7q
