#pragma once
// Numbers as text, always with "." as decimal separator whatever the locale.

#include <optional>
#include <string>
#include <string_view>

namespace kx7q {

// value with exactly `decimals` digits after the point ("462.56250" for 5).
std::string FormatFixed(double value, int decimals);

// A decimal number with optional sign and fraction; blanks around it are allowed.
// Nothing else is accepted (no exponent, no comma, no trailing text).
std::optional<double> ParseDecimal(std::string_view text);

// A whole decimal number with optional sign, blanks around it allowed.
std::optional<long long> ParseInteger(std::string_view text);

std::string Trim(std::string_view text);

}  // namespace kx7q
