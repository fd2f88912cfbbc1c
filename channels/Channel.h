#pragma once
// One decoded channel.

#include <cstdint>
#include <string>

namespace kx7q {

struct TChannel {
  double RxFreq = -1;  // MHz; -1 when the channel is empty
  double TxFreq = -1;  // MHz; -1 when the TX frequency is absent
  std::string RxTone;  // "" no tone, "67.0", "D023N", "D023I"
  std::string TxTone;
  std::uint8_t BusyLock = 0;
  std::uint8_t WideNarrow = 0;
  std::uint8_t Power = 0;
  std::uint8_t Compander = 0;
  std::uint8_t Scrambler = 0;
  std::uint8_t ScanAdd = 0;
  std::uint8_t PttId = 0;
  std::uint8_t Epilogue = 0;
};

}  // namespace kx7q
