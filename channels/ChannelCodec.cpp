#include "channels/ChannelCodec.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "channels/DecimalText.h"
#include "core/Bits.h"

namespace kx7q {

namespace {

constexpr int kRxOffset = 0;
constexpr int kTxOffset = 4;
constexpr int kRxToneOffset = 8;
constexpr int kTxToneOffset = 10;
constexpr int kFlagsOffset = 12;

constexpr long long kMaxFrequency = 99'999'999;  // eight BCD digits, 10 Hz units

std::uint8_t BcdPair(long long twoDigits) {
  return static_cast<std::uint8_t>(((twoDigits / 10) << 4) | (twoDigits % 10));
}

// Text before the first occurrence of suffix (all of it when absent).
std::string_view Before(std::string_view text, std::string_view suffix) {
  std::size_t at = text.find(suffix);
  return at == std::string_view::npos ? text : text.substr(0, at);
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

bool IsBlankText(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

int ChannelAddress(int n) {
  assert(n >= 1 && n <= kMaxChannels);
  return kChannelRecordSize * n;
}

int FlagBit(ChannelField field) {
  switch (field) {
    case ChannelField::Power: return 0;
    case ChannelField::Epilogue: return 1;
    case ChannelField::BusyLock: return 2;
    case ChannelField::WideNarrow: return 3;
    case ChannelField::ScanAdd: return 4;
    case ChannelField::Compander: return 5;
    case ChannelField::Scrambler: return 6;
    case ChannelField::PttId: return 7;
    default: return -1;
  }
}

std::optional<double> DecodeFrequency(const std::uint8_t* bytes) {
  long long value = 0;
  for (int i = 3; i >= 0; --i) {
    int high = bytes[i] >> 4, low = bytes[i] & 0x0F;
    if (high > 9 || low > 9) return std::nullopt;
    value = value * 100 + high * 10 + low;
  }
  return static_cast<double>(value) / 100000.0;
}

std::optional<FrequencyBytes> EncodeFrequency(std::string_view text) {
  text = Before(text, "MHz");
  if (text.empty()) return FrequencyBytes{0xFF, 0xFF, 0xFF, 0xFF};
  std::optional<long long> units = ScaledDecimal(text, 5);
  if (!units || *units < 0 || *units > kMaxFrequency) return std::nullopt;
  long long v = *units;
  FrequencyBytes out{};
  for (int i = 0; i < 4; ++i) {
    out[static_cast<std::size_t>(i)] = BcdPair(v % 100);
    v /= 100;
  }
  return out;
}

std::string DecodeTone(std::uint8_t first, std::uint8_t second) {
  if (first == 0xFF && second == 0xFF) return {};
  static const char kHex[] = "0123456789ABCDEF";
  const char t[4] = {kHex[second >> 4], kHex[second & 0x0F], kHex[first >> 4], kHex[first & 0x0F]};
  // The polarity nibble is tested before the digits, so 8ABC reads "DABCN".
  if (t[0] == '8' || t[0] == 'C') return std::string{'D', t[1], t[2], t[3], t[0] == '8' ? 'N' : 'I'};
  int tenths = 0;
  for (char c : t) {
    if (c > '9') return {};
    tenths = tenths * 10 + (c - '0');
  }
  return FormatScaled(tenths, 1);
}

std::optional<ToneBytes> EncodeTone(std::string_view text) {
  text = Before(text, "Hz");
  if (text.empty()) return ToneBytes{0xFF, 0xFF};
  if (text[0] == 'D') {
    if (text.size() != 5 || !IsHexDigit(text[1]) || !IsHexDigit(text[2]) || !IsHexDigit(text[3]))
      return std::nullopt;
    int polarity;
    switch (text[4]) {
      case 'N': case 'n': polarity = 0x8; break;
      case 'I': case 'i': polarity = 0xC; break;
      default: return std::nullopt;
    }
    return ToneBytes{static_cast<std::uint8_t>((HexValue(text[2]) << 4) | HexValue(text[3])),
                     static_cast<std::uint8_t>((polarity << 4) | HexValue(text[1]))};
  }
  std::optional<long long> tenths = ScaledDecimal(text, 1);
  if (!tenths || *tenths < 0 || *tenths > 9999) return std::nullopt;
  return ToneBytes{BcdPair(*tenths % 100), BcdPair(*tenths / 100)};
}

bool DecodeChannel(const std::uint8_t* record, TChannel& ch) {
  std::optional<double> rx = DecodeFrequency(record + kRxOffset);
  if (!rx) {
    ch.RxFreq = -1;
    return false;
  }
  ch.RxFreq = *rx;
  ch.TxFreq = DecodeFrequency(record + kTxOffset).value_or(-1);
  ch.RxTone = DecodeTone(record[kRxToneOffset], record[kRxToneOffset + 1]);
  ch.TxTone = DecodeTone(record[kTxToneOffset], record[kTxToneOffset + 1]);
  const std::uint8_t flags = record[kFlagsOffset];
  auto bit = [flags](ChannelField f) { return static_cast<std::uint8_t>(BitIsSet(flags, FlagBit(f))); };
  ch.Power = bit(ChannelField::Power);
  ch.Epilogue = bit(ChannelField::Epilogue);
  ch.BusyLock = bit(ChannelField::BusyLock);
  ch.WideNarrow = bit(ChannelField::WideNarrow);
  ch.ScanAdd = bit(ChannelField::ScanAdd);
  ch.Compander = bit(ChannelField::Compander);
  ch.Scrambler = bit(ChannelField::Scrambler);
  ch.PttId = bit(ChannelField::PttId);
  return true;
}

bool DecodeChannel(const TALL& all, int n, TChannel& ch) {
  return DecodeChannel(all.RadioPtr(ChannelAddress(n)), ch);
}

bool EncodeChannelField(TALL& all, int n, ChannelField field, std::string_view text) {
  std::uint8_t* record = all.RadioPtr(ChannelAddress(n));
  switch (field) {
    case ChannelField::RxFreq:
    case ChannelField::TxFreq: {
      // A text of blanks counts as empty: it clears like the empty text.
      std::optional<FrequencyBytes> bytes = EncodeFrequency(IsBlankText(text) ? std::string_view{} : text);
      if (!bytes) return false;
      const bool rx = field == ChannelField::RxFreq;
      std::copy(bytes->begin(), bytes->end(), record + (rx ? kRxOffset : kTxOffset));
      if ((*bytes)[0] == 0xFF) {
        if (rx)
          std::fill(record + kTxOffset, record + kChannelRecordSize, 0xFF);
        else
          record[kTxToneOffset] = record[kTxToneOffset + 1] = 0xFF;
      }
      return true;
    }
    case ChannelField::RxTone:
    case ChannelField::TxTone: {
      std::optional<ToneBytes> bytes = EncodeTone(IsBlankText(text) ? std::string_view{} : text);
      if (!bytes) return false;
      std::copy(bytes->begin(), bytes->end(),
                record + (field == ChannelField::RxTone ? kRxToneOffset : kTxToneOffset));
      return true;
    }
    default:
      SetBit(record[kFlagsOffset], FlagBit(field), text == "1");
      return true;
  }
}

std::string FormatFrequency(double mhz) { return FormatRounded(mhz, 5); }

}  // namespace kx7q
