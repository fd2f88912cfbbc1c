#pragma once
// The bytes of the programming protocol that both ends must agree on: the
// wake-up frame, the key byte and its echo, the challenge packet and its reply,
// and the block frames.
//
//   PC                                   radio
//   "PROGRAM" K                    ->
//                                  <-    06
//   02                             ->
//                                  <-    16-byte identification: [1-4] model code, [6] swap(K)
//   16-byte challenge              ->
//                                  <-    1-byte reply
//   06                             ->
//                                  <-    06
//   read:  'R' hi lo 08            ->    <- 'W' hi lo 08 + 8 data;  06 ->  <- 06   (54 blocks)
//   write: 'W' hi lo 08 + 8 data   ->    <- 06                                     (52 blocks)
//   'E'                            ->

#include <array>
#include <cstdint>
#include <string>

namespace kx7q {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kIdentRequest = 0x02;
constexpr std::uint8_t kReadCommand = 'R';
constexpr std::uint8_t kWriteCommand = 'W';
constexpr std::uint8_t kEndCommand = 'E';
constexpr int kBlockSize = 8;
constexpr int kIdentSize = 16;
constexpr int kChallengeSize = 16;
constexpr int kIdentKeyIndex = 6;  // byte of the identification that echoes the key
constexpr int kIdentModelIndex = 1;  // bytes 1-4: the model code
constexpr char kWakeUp[] = "PROGRAM";
constexpr int kWakeUpSize = 8;  // "PROGRAM" and the key byte

using ChallengePacket = std::array<std::uint8_t, kChallengeSize>;

inline std::uint8_t SwapNibbles(std::uint8_t x) { return static_cast<std::uint8_t>((x << 4) | (x >> 4)); }

// The key byte sent after "PROGRAM": 0x60 + n for ports 1-9; otherwise
// 0x65 + random04 (random04 in 0-4).
std::uint8_t KeyByteFor(int portNumber, int random04);

// The 15 characters of the challenge and a check byte.
ChallengePacket MakeChallengePacket(const std::string& challenge);
// The check byte a packet must end in (computed from bytes 0-14).
std::uint8_t ChallengeCheckByte(const ChallengePacket& packet);
// The radio's answer to a packet (bytes 0 and 15 do not enter it).
std::uint8_t ChallengeReply(const ChallengePacket& packet);

}  // namespace kx7q
