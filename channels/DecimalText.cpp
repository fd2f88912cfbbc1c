#include "channels/DecimalText.h"

#include <cmath>
#include <cstdlib>

namespace kx7q {

std::optional<long long> ScaledDecimal(std::string_view text, int shift) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  text = text.substr(b, e - b);

  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  constexpr long long kLimit = 1'000'000'000'000'000LL;
  long long value = 0;
  int digits = 0, fraction = -1;  // fraction: digits seen after the point
  bool roundUp = false;
  for (char c : text) {
    if (c == '.') {
      if (fraction >= 0) return std::nullopt;
      fraction = 0;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    ++digits;
    if (fraction >= 0) {
      if (fraction == shift) {  // first digit beyond the kept ones decides rounding
        roundUp = c >= '5';
        ++fraction;
        continue;
      }
      if (fraction > shift) continue;
      ++fraction;
    }
    value = value * 10 + (c - '0');
    if (value > kLimit) return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  int kept = fraction < 0 ? 0 : (fraction > shift ? shift : fraction);
  for (int i = kept; i < shift; ++i) {
    value *= 10;
    if (value > kLimit) return std::nullopt;
  }
  if (roundUp) ++value;
  return negative ? -value : value;
}

std::string FormatScaled(long long value, int decimals) {
  const bool negative = value < 0;
  const unsigned long long v =
      negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(v);
  const std::size_t places = decimals > 0 ? static_cast<std::size_t>(decimals) : 0;
  if (digits.size() <= places) digits = std::string(places + 1 - digits.size(), '0') + digits;
  std::string out = negative && v != 0 ? "-" : "";
  out += digits.substr(0, digits.size() - places);
  if (places > 0) out += "." + digits.substr(digits.size() - places);
  return out;
}

std::string FormatRounded(double value, int decimals) {
  return FormatScaled(std::llround(value * std::pow(10.0, decimals)), decimals);
}

}  // namespace kx7q
