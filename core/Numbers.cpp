#include "core/Numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kx7q {

std::string Trim(std::string_view text) {
  const char* blanks = " \t\r\n";
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return std::string(text.substr(first, last - first + 1));
}

std::string FormatFixed(double value, int decimals) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return {};
  std::string text(buffer, result.ptr);
  if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
    text.erase(0, 1);  // no "-0.00"
  return text;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  // Only digits, one point and a leading sign: from_chars alone would also take
  // exponents, "inf" and "nan".
  bool digit = false, point = false;
  for (std::size_t i = 0; i < trimmed.size(); ++i) {
    const char c = trimmed[i];
    if (c >= '0' && c <= '9') digit = true;
    else if (c == '.' && !point) point = true;
    else if ((c == '-' || c == '+') && i == 0) continue;
    else return std::nullopt;
  }
  if (!digit) return std::nullopt;
  const char* begin = trimmed.data();
  if (*begin == '+') ++begin;
  double value = 0;
  auto result = std::from_chars(begin, trimmed.data() + trimmed.size(), value, std::chars_format::fixed);
  if (result.ec != std::errc() || result.ptr != trimmed.data() + trimmed.size()) return std::nullopt;
  return value;
}

std::optional<long long> ParseInteger(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return std::nullopt;
  const char* begin = trimmed.data();
  if (*begin == '+') ++begin;
  long long value = 0;
  auto result = std::from_chars(begin, trimmed.data() + trimmed.size(), value);
  if (result.ec != std::errc() || result.ptr != trimmed.data() + trimmed.size()) return std::nullopt;
  return value;
}

}  // namespace kx7q
