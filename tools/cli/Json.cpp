#include "tools/cli/Json.h"

#include <cstdio>

namespace kx7q::cli {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else if (c < 0x20 || c > 0x7E) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
      out += buffer;
    } else {
      out += ch;
    }
  }
  return out + "\"";
}

}  // namespace kx7q::cli
