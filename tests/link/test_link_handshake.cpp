#include <gtest/gtest.h>

#include "LinkHarness.h"
#include "link/Handshake.h"

namespace kx7q {
namespace {

TEST(LinkHandshake, ChallengeOfTheLettersAToO) {
  const ChallengePacket p = MakeChallengePacket("ABCDEFGHIJKLMNO");
  const ChallengePacket expected = {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48,
                                    0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x20};
  EXPECT_EQ(p, expected);
  EXPECT_EQ(ChallengeReply(p), 0x78);
}

TEST(LinkHandshake, ReplyIgnoresFirstAndCheckByteAndWrapsModulo256) {
  ChallengePacket p = MakeChallengePacket("ABCDEFGHIJKLMNO");
  const std::uint8_t reply = ChallengeReply(p);
  p[0] = 0xFF;
  p[15] = 0x00;
  EXPECT_EQ(ChallengeReply(p), reply);
  ChallengePacket high{};
  high.fill(0xFF);
  // 255 + 127 + 510 + 255 + 255 + 0 + 15 + 255 + 510 + 127 + 255 + 0 + 255 + 240 = 3059
  EXPECT_EQ(ChallengeReply(high), 3059 % 256);
}

TEST(LinkHandshake, KeyByteByPortNumber) {
  const struct {
    int port, random04;
    std::uint8_t key;
  } cases[] = {{1, 4, 0x61}, {3, 0, 0x63}, {9, 2, 0x69}, {0, 0, 0x65}, {10, 4, 0x69}, {12, 1, 0x66}, {25, 3, 0x68}};
  for (const auto& c : cases) EXPECT_EQ(KeyByteFor(c.port, c.random04), c.key) << c.port;
  EXPECT_EQ(SwapNibbles(0x63), 0x36);
  EXPECT_EQ(SwapNibbles(0x69), 0x96);
}

TEST(LinkVirtualRadio, AnswersTheHandshakeAndServesBlocks) {
  test::RadioMemory memory = test::PatternMemory();
  VirtualRadio radio(memory);
  auto feed = [&](const test::Bytes& b) { return radio.Receive(b.data(), b.size()); };
  auto a = feed({'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x63});
  ASSERT_EQ(a.sends, (std::vector<test::Bytes>{{0x06}}));
  a = feed({0x02});
  ASSERT_EQ(a.sends.size(), 1u);
  EXPECT_EQ(a.sends[0].size(), 16u);
  EXPECT_EQ(std::string(a.sends[0].begin() + 1, a.sends[0].begin() + 5), "QMV4");
  EXPECT_EQ(a.sends[0][6], 0x36);
  const ChallengePacket p = MakeChallengePacket(test::kLettersAtoO);
  a = feed(test::Bytes(p.begin(), p.end()));
  EXPECT_EQ(a.sends, (std::vector<test::Bytes>{{0x78}}));
  EXPECT_EQ(feed({0x06}).sends, (std::vector<test::Bytes>{{0x06}}));
  a = feed({'R', 0x01, 0xA8, 0x08});
  test::Bytes expected = {'W', 0x01, 0xA8, 0x08};
  expected.insert(expected.end(), memory.begin() + 0x1A8, memory.end());
  EXPECT_EQ(a.sends, (std::vector<test::Bytes>{expected}));
  // Out of range and a wrong length get no answer.
  EXPECT_TRUE(feed({'R', 0x01, 0xAC, 0x08}).sends.empty());
  a = feed({'W', 0x00, 0x10, 0x08, 1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(a.sends, (std::vector<test::Bytes>{{0x06}}));
  EXPECT_EQ(radio.Memory()[0x10], 1);
  EXPECT_EQ(radio.Memory()[0x17], 8);
  EXPECT_TRUE(feed({'E'}).sessionEnded);
}

TEST(LinkVirtualRadio, EndAfterARefusedHandshakeEndsTheSession) {
  VirtualRadio radio(test::PatternMemory(), {.modelCode = "ZZ99"});
  test::Bytes wake = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x61, 0x02};
  radio.Receive(wake.data(), wake.size());
  const std::uint8_t end = 'E';
  EXPECT_TRUE(radio.Receive(&end, 1).sessionEnded);
}

TEST(LinkVirtualRadio, StaysQuietForAChallengeWithABadCheckByte) {
  VirtualRadio radio(test::PatternMemory());
  test::Bytes wake = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x61, 0x02};
  radio.Receive(wake.data(), wake.size());
  ChallengePacket p = MakeChallengePacket(test::kLettersAtoO);
  p[15] ^= 0x01;
  EXPECT_TRUE(radio.Receive(p.data(), p.size()).sends.empty());
}

}  // namespace
}  // namespace kx7q
