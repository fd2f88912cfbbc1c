#include "core/ImageDefaults.h"

#include <algorithm>

#include "core/Bits.h"
#include "core/Numbers.h"

namespace kx7q {
namespace {

// A byte that must lie in 0..max; `fallback` replaces anything else.
struct ByteClamp {
  int address;
  std::uint8_t max;
  std::uint8_t fallback;
};

// In the order they are applied (the FM bounds and the DTMF mode byte sit
// between 0x129 and 0x132 and between 0x134 and 0x136).
constexpr ByteClamp kClampsBeforeFm[] = {
    {0x121, 9, 5},   // squelch level
    {0x122, 30, 12}, // TX time-out
    {0x123, 17, 9},  // VOX gain level
    {0x124, 5, 1},   // VOX delay
    {0x126, 8, 0},   // scan speed
    {0x127, 27, 12}, // dropout delay time
    {0x128, 5, 2},   // KEY-1 function
    {0x129, 5, 4},   // KEY-2 function
};
constexpr ByteClamp kDtmfTimingClamps[] = {
    {0x132, 11, 2},  // DTMF speed
    {0x133, 20, 0},  // first digit time
    {0x134, 18, 0},  // first digit delay
};
constexpr ByteClamp kDtmfLengthClamps[] = {
    {0x136, 16, 0},  // begin-of-TX code length
    {0x137, 16, 0},  // end-of-TX code length
    {0x138, 10, 0},  // stun code length
};

// FM scan bounds, in units of 25 kHz: 70.000-114.000 MHz is accepted, anything
// else becomes 88.000-108.000 MHz.
constexpr int kFmLowest = 2800;
constexpr int kFmHighest = 4560;
constexpr std::uint8_t kFmDefault[4] = {0xC0, 0x0D, 0xE0, 0x10};

template <std::size_t N>
void ApplyClamps(TALL& all, const ByteClamp (&clamps)[N]) {
  for (const ByteClamp& c : clamps) all.Radio(c.address) = ClampByte(all.Radio(c.address), 0, c.max, c.fallback);
}

void ClampFmBounds(TALL& all) {
  const int lower = all.Radio(0x12C) | (all.Radio(0x12D) << 8);
  const int upper = all.Radio(0x12E) | (all.Radio(0x12F) << 8);
  const bool valid = lower >= kFmLowest && lower <= kFmHighest && upper >= kFmLowest &&
                     upper <= kFmHighest && upper > lower;
  if (!valid) std::copy(std::begin(kFmDefault), std::end(kFmDefault), all.RadioPtr(0x12C));
}

int NumberAt(const std::string& text, std::size_t pos, std::size_t len) {
  if (text.size() < pos + len) return 0;
  return static_cast<int>(ParseInteger(text.substr(pos, len)).value_or(0));
}

}  // namespace

void WriteModelIdent(TALL& all, const TFrqList& bands) {
  all.Radio(0x177) = 0;
  all.Radio(0x176) = 0;
  all.Radio(kBandCodeAddress) = bands.CodeOf(all.BandText);
  for (int i = 3; i >= 0; --i) {
    const auto index = static_cast<std::size_t>(i);
    all.Radio(0x171 + i) = index < all.ModelCode.size() ? static_cast<std::uint8_t>(all.ModelCode[index]) : 0x20;
  }
  all.Radio(kModelIdentAddress) = 0x50;
}

void ClampImage(TALL& all, const TFrqList& bands) {
  ApplyClamps(all, kClampsBeforeFm);
  ClampFmBounds(all);
  ApplyClamps(all, kDtmfTimingClamps);
  std::uint8_t& mode = all.Radio(0x135);  // bits 0-3 PTT ID mode 0..2; bits 4-7 kept
  if ((mode & 0x0F) > 2) mode = static_cast<std::uint8_t>(mode & 0xF0);
  ApplyClamps(all, kDtmfLengthClamps);
  all.Radio(0x13E) = 0xFF;
  all.Radio(0x13F) = 0xFF;
  all.Radio(kBandCodeAddress) = bands.CodeOf(all.BandText);
}

void EncodeDateStamp(std::uint8_t* block, const std::string& text) {
  const int year = NumberAt(text, 0, 4);
  block[0] = static_cast<std::uint8_t>(year & 0xFF);
  block[1] = static_cast<std::uint8_t>((year >> 8) & 0xFF);
  block[2] = static_cast<std::uint8_t>(NumberAt(text, 5, 2));
  block[3] = static_cast<std::uint8_t>(NumberAt(text, 8, 2));
  block[4] = static_cast<std::uint8_t>(NumberAt(text, 11, 2));
  block[5] = static_cast<std::uint8_t>(NumberAt(text, 14, 2));
  block[6] = static_cast<std::uint8_t>(NumberAt(text, 17, 2));
}

void SetImageDefaults(TALL& all, const TFrqList& bands, const NowFn& now) {
  std::fill(all.RadioPtr(0), all.RadioPtr(0) + kRadioSize, std::uint8_t{0xFF});
  all.SetNewPassword = false;
  WriteModelIdent(all, bands);
  EncodeDateStamp(all.RadioPtr(kWriteTimeAddress), now());
  EncodeDateStamp(all.RadioPtr(kFactoryTimeAddress), now());
  all.Radio(0x136) = 6;  // begin-of-TX code "123456"
  all.Radio(0x140) = 0x12;
  all.Radio(0x141) = 0x34;
  all.Radio(0x142) = 0x56;
  ClampImage(all, bands);
}

}  // namespace kx7q
