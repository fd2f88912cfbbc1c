#include "settings/RadioInformation.h"

#include <algorithm>
#include <cstdio>

#include "core/ImageDefaults.h"

namespace kx7q {

std::string DisplayFilter(const std::uint8_t* bytes, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    const std::uint8_t b = bytes[i];
    const bool shown = (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || (b >= 'a' && b <= 'z');
    out += shown ? static_cast<char>(b) : ' ';
  }
  return out;
}

std::string SerialNumberText(const TALL& all) {
  return DisplayFilter(all.RadioPtr(kSerialNumberAddress), kSerialNumberLength);
}

void StoreSerialNumber(TALL& all, std::string_view text) {
  std::string padded(text.substr(0, std::min<std::size_t>(text.size(), kSerialNumberLength)));
  padded.resize(kSerialNumberLength, ' ');
  std::copy(padded.begin(), padded.end(), all.RadioPtr(kSerialNumberAddress));
  all.Modified = true;
}

std::string DateStampText(const std::uint8_t* block) {
  if (std::all_of(block, block + 16, [](std::uint8_t b) { return b == 0xFF; })) return {};
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %02d:%02d:%02d", block[0] | (block[1] << 8), block[2],
                block[3], block[4], block[5], block[6]);
  return buffer;
}

std::string WriteTimeText(const TALL& all) { return DateStampText(all.RadioPtr(kWriteTimeAddress)); }
std::string FactoryTimeText(const TALL& all) { return DateStampText(all.RadioPtr(kFactoryTimeAddress)); }

}  // namespace kx7q
