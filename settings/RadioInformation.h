#pragma once
// Radio information (window fInfoMsg): the serial number at 0x180-0x18F (one
// character a byte) and the display form of the two date stamps ("Write
// Time" at 0x190, "Leave Factory Time" at 0x1A0). Model and band are the code
// plug's ModelName and BandText.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/CodePlug.h"

namespace kx7q {

constexpr int kSerialNumberAddress = 0x180;
constexpr int kSerialNumberLength = 16;

// The bytes as shown: A-Z, 0-9 and a-z as themselves, every other byte a blank.
std::string DisplayFilter(const std::uint8_t* bytes, int count);

// The 16 characters of the serial number as shown (blanks kept).
std::string SerialNumberText(const TALL& all);
// The first 16 characters of text, blank-filled, into 0x180-0x18F; sets
// Modified. The window's field has already turned letters to upper case.
void StoreSerialNumber(TALL& all, std::string_view text);

// A 16-byte date stamp as shown: "" when all 16 bytes are 0xFF, otherwise
// year-month-day hour:minute:second, the year without leading zeros and the
// other five with at least two digits ("2024-03-09 14:05:00").
std::string DateStampText(const std::uint8_t* block);
std::string WriteTimeText(const TALL& all);
std::string FactoryTimeText(const TALL& all);

}  // namespace kx7q
