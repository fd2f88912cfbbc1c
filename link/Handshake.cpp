#include "link/Handshake.h"

#include <cassert>

namespace kx7q {

std::uint8_t KeyByteFor(int portNumber, int random04) {
  if (portNumber >= 1 && portNumber <= 9) return static_cast<std::uint8_t>(0x60 + portNumber);
  assert(random04 >= 0 && random04 <= 4);
  return static_cast<std::uint8_t>(0x65 + random04);
}

ChallengePacket MakeChallengePacket(const std::string& challenge) {
  assert(challenge.size() >= 15);
  ChallengePacket p{};
  for (int i = 0; i < 15; ++i) p[i] = static_cast<std::uint8_t>(challenge[i]);
  p[15] = ChallengeCheckByte(p);
  return p;
}

std::uint8_t ChallengeCheckByte(const ChallengePacket& p) {
  const unsigned sum = (255u - p[5]) + p[1] + p[2] + p[8] + p[9] + (255u - p[11]) + p[12] + p[14];
  return static_cast<std::uint8_t>(sum);
}

std::uint8_t ChallengeReply(const ChallengePacket& p) {
  const unsigned sum = p[1] + (p[2] >> 1) + 2u * p[3] + p[4] + SwapNibbles(p[5]) + (255u - p[6]) +
                       (p[7] & 0x0Fu) + p[8] + 2u * p[9] + (p[10] >> 1) + p[11] + (255u - p[12]) +
                       SwapNibbles(p[13]) + (p[14] & 0xF0u);
  return static_cast<std::uint8_t>(sum);
}

}  // namespace kx7q
