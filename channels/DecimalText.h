#pragma once
// Exact decimal arithmetic on number texts, so that "value x 10^n rounded to
// the nearest integer" gives the same result as working on the digits
// themselves (no binary floating-point surprises at the halves).

#include <optional>
#include <string>
#include <string_view>

namespace kx7q {

// text ("462.5631", "-3", "67.") times 10^shift, rounded half away from zero.
// Blanks around the number are allowed; anything else (no digits, a second
// point, an exponent, trailing text) gives nullopt, as does a result beyond
// +-10^15.
std::optional<long long> ScaledDecimal(std::string_view text, int shift);

// value / 10^decimals as text with exactly that many decimals ("46256250", 5 -> "462.56250").
std::string FormatScaled(long long value, int decimals);

// Nearest multiple of 10^-decimals of value, as text (half away from zero).
std::string FormatRounded(double value, int decimals);

}  // namespace kx7q
