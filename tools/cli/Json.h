#pragma once
// Just enough JSON for the tool's output: quoted strings.

#include <string>
#include <string_view>

namespace kx7q::cli {

// text as a JSON string literal, quotes included; control characters and
// bytes above 0x7E are written as \u escapes (the byte read as Latin-1).
std::string JsonString(std::string_view text);

}  // namespace kx7q::cli
