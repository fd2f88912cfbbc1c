#include "channels/ValueList.h"

#include <cctype>

namespace kx7q {

const std::string& ValueList::TextOf(int index) const {
  static const std::string empty;
  if (index < 0 || index >= Count()) return empty;
  return items[static_cast<std::size_t>(index)];
}

static bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

int ValueList::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i)
    if (items[static_cast<std::size_t>(i)] == text) return i;
  for (int i = 0; i < Count(); ++i)
    if (SameIgnoringCase(items[static_cast<std::size_t>(i)], text)) return i;
  return -1;
}

}  // namespace kx7q
