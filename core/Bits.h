#pragma once
// Bit helpers shared by every decoder. Bits are numbered 0 (least significant) to 7;
// any other bit number is a programming error.

#include <cassert>
#include <cstdint>

namespace kx7q {

inline bool BitIsSet(std::uint8_t byte, int n) {
  assert(n >= 0 && n <= 7);
  return (byte >> n) & 1u;
}

inline bool BitIsClear(std::uint8_t byte, int n) { return !BitIsSet(byte, n); }

inline void SetBit(std::uint8_t& byte, int n, bool on) {
  assert(n >= 0 && n <= 7);
  if (on)
    byte = static_cast<std::uint8_t>(byte | (1u << n));
  else
    byte = static_cast<std::uint8_t>(byte & ~(1u << n));
}

// value when min <= value <= max, else def.
inline std::uint8_t ClampByte(std::uint8_t value, std::uint8_t min, std::uint8_t max, std::uint8_t def) {
  return (value >= min && value <= max) ? value : def;
}

}  // namespace kx7q
