#pragma once
// The channel record: 16 bytes per channel, channel n at radio address 16 x n
// (channel 1 at 0x010, channel 16 at 0x100).
//
//   offset size  field
//   0      4     RX frequency   8 BCD digits, units of 10 Hz, least significant
//   4      4     TX frequency   pair first: 462.56250 MHz = 50 62 25 46;
//                               any nibble A-F = absent (erased: FF FF FF FF)
//   8      2     decode tone    tone word W = byte 9 x 256 + byte 8:
//   10     2     encode tone    FFFF none; 8abc DCS "Dabc" + "N"; Cabc "Dabc" + "I";
//                               otherwise 4 decimal digits = tenths of Hz
//   12     1     flags          bit 0 power (1 High), 1 epilogue (1 ON),
//                               2 busy lock (0 Yes), 3 W/N (1 Narrow),
//                               4 scan add (0 Yes), 5 compander (0 Yes),
//                               6 scrambler (0 Yes), 7 PTT ID (0 On)
//   13     3     reserved       never read; 0xFF when the channel is cleared
//
// A channel is empty exactly when its RX frequency is absent.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "channels/Channel.h"
#include "core/CodePlug.h"

namespace kx7q {

constexpr int kChannelRecordSize = 16;
constexpr int kMaxChannels = 16;  // room in radio memory 0x010-0x10F

// Radio address of the record of channel n (1-based).
int ChannelAddress(int n);

// The fields a window writes back, each from its text form.
enum class ChannelField {
  RxFreq, TxFreq, RxTone, TxTone,
  Power, Epilogue, BusyLock, WideNarrow, ScanAdd, Compander, Scrambler, PttId,
};

// Bit of the flags byte that a switch field occupies; -1 for the other fields.
int FlagBit(ChannelField field);

using FrequencyBytes = std::array<std::uint8_t, 4>;
using ToneBytes = std::array<std::uint8_t, 2>;

// 4 bytes to MHz; nullopt when the field is absent.
std::optional<double> DecodeFrequency(const std::uint8_t* bytes);
// MHz text, optionally followed by "MHz"; the empty text gives FF FF FF FF.
// nullopt when the text is no number of 0 to 999.99999 MHz.
std::optional<FrequencyBytes> EncodeFrequency(std::string_view text);

// Tone word bytes (first, second) to "", "67.0", "D023N" or "D023I".
std::string DecodeTone(std::uint8_t first, std::uint8_t second);
// Tone text, optionally followed by "Hz"; the empty text gives FF FF.
// nullopt for a text that is neither "D" + three digits + N/I (either case)
// nor a number of 0.0 to 999.9.
std::optional<ToneBytes> EncodeTone(std::string_view text);

// Fills ch from a 16-byte record. False for an empty channel: then only
// RxFreq is set (-1) and the other fields are stale.
bool DecodeChannel(const std::uint8_t* record, TChannel& ch);
bool DecodeChannel(const TALL& all, int n, TChannel& ch);

// Writes one field of channel n from its text form. RxFreq "" erases the
// whole record to 0xFF; TxFreq "" also clears the encode tone. A switch is
// set by "1" and cleared by any other text. Returns false, writing nothing,
// when a frequency or tone text cannot be encoded. Modified is the caller's.
bool EncodeChannelField(TALL& all, int n, ChannelField field, std::string_view text);

// MHz with exactly five decimals, "462.56250".
std::string FormatFrequency(double mhz);

}  // namespace kx7q
