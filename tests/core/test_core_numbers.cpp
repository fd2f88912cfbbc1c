// Numbers as text use "." whatever the locale says.
#include <gtest/gtest.h>

#include <locale>

#include "core/Numbers.h"

namespace kx7q {
namespace {

struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(CoreNumbers, FormatAndParseIgnoreTheLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  EXPECT_EQ(FormatFixed(462.5625, 5), "462.56250");
  EXPECT_EQ(FormatFixed(88, 3), "88.000");
  EXPECT_EQ(ParseDecimal("462.5625"), 462.5625);
  std::locale::global(previous);
}

TEST(CoreNumbers, ParseDecimalAcceptsOnlyPlainDecimals) {
  const std::pair<const char*, bool> cases[] = {
      {"462.5625", true}, {" 12 ", true}, {"-1.5", true}, {".5", true}, {"5.", true},
      {"", false},        {"abc", false}, {"1,5", false}, {"1e3", false}, {"nan", false},
      {"inf", false},     {"1.2.3", false}, {"12MHz", false}, {".", false},
  };
  for (const auto& [text, ok] : cases) EXPECT_EQ(ParseDecimal(text).has_value(), ok) << text;
  EXPECT_EQ(ParseInteger("42"), 42);
  EXPECT_FALSE(ParseInteger("4x"));
  EXPECT_EQ(FormatFixed(-0.0001, 2), "0.00");
}

}  // namespace
}  // namespace kx7q
