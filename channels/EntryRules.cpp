#include "channels/EntryRules.h"

#include <cmath>

#include "channels/ChannelCodec.h"
#include "channels/DecimalText.h"
#include "core/Numbers.h"

namespace kx7q {

double ClampToBand(double x, double freqMin, double freqMax, BandClampReporter* reporter) {
  double clamped = x;
  if (x > freqMax)
    clamped = freqMax;
  else if (x < freqMin)
    clamped = freqMin;
  if (clamped != x && reporter) reporter->FrequencyClamped(x, clamped);
  return clamped;
}

double ClampToBand(const TALL& all, double x, BandClampReporter* reporter) {
  return ClampToBand(x, all.FreqMin, all.FreqMax, reporter);
}

double SnapFrequency(double x) {
  const long long a = std::llround(x * 100000.0);  // units of 10 Hz
  const long long r5 = a % 500, r6 = a % 625;
  if (r5 == 0 || r6 == 0) return x;
  return static_cast<double>(a - (r5 < r6 ? r5 : r6)) / 100000.0;
}

std::string NormaliseToneText(std::string_view text) {
  if (text.empty()) return {};
  if (text[0] >= '0' && text[0] <= '9') {
    std::optional<double> value = ParseDecimal(text);
    if (!value) return "290.0";
    if (*value < 30) return "30.0";
    if (*value > 290) return "290.0";
    // Rounded on the digits as typed, so 67.05 gives 67.1 whatever binary says.
    return FormatScaled(ScaledDecimal(text, 1).value_or(std::llround(*value * 10)), 1);
  }
  auto octal = [](char c) { return c >= '0' && c <= '7'; };
  if (text.size() == 5 && text[0] == 'D' && octal(text[1]) && octal(text[2]) && octal(text[3]) &&
      (text[4] == 'N' || text[4] == 'I' || text[4] == 'n' || text[4] == 'i'))
    return std::string(text);
  return "D777N";
}

std::string EnteredFrequencyText(const TALL& all, std::string_view text, BandClampReporter* reporter) {
  std::optional<double> value = ParseDecimal(text);
  if (!value) return {};
  return FormatFrequency(SnapFrequency(ClampToBand(all, *value, reporter)));
}

char FilterFrequencyKey(char typed) {
  if (typed == ',' || typed == '.') return '.';
  if ((typed >= '0' && typed <= '9') || typed == '\b' || typed == '\r') return typed;
  return 0;
}

char FilterToneKey(char typed) {
  switch (typed) {
    case 'D': case 'I': case 'N': case 'd': case 'i': case 'n': return typed;
    default: return FilterFrequencyKey(typed);
  }
}

}  // namespace kx7q
