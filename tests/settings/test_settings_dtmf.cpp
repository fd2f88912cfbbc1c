// DTMF settings and the packed codes.

#include <gtest/gtest.h>

#include "settings/Dtmf.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

class SettingsDtmf : public ::testing::Test {
 protected:
  test::CodePlugFixture plug;
  TALL& all = plug.all;
};

TEST_F(SettingsDtmf, NewCodePlugAndItsFirstEncode) {
  const DtmfSettings s = DecodeDtmfSettings(all);
  EXPECT_EQ(DtmfPttIdList().TextOf(s.pttId), "BOT");
  EXPECT_EQ(StunTypeList().TextOf(s.stunType), "Tx Inhibit");
  EXPECT_TRUE(s.sideTone);
  EXPECT_EQ(DtmfSpeedList().TextOf(s.speed), "6");
  EXPECT_EQ(DecodeDtmfCodes(all).beginOfTx, "123456");
  EncodeDtmfSettings(all, s);
  EXPECT_EQ(all.Radio(kDtmfModeAddress), 0x30);  // bits 6-7 written as 0
  EXPECT_TRUE(all.Modified);
}

TEST_F(SettingsDtmf, ModeByteCases) {
  struct Case {
    int pttId, stunType;
    bool sideTone;
    std::uint8_t mode;
  } cases[] = {{0, 0, true, 0x30}, {1, 1, false, 0x01}, {2, 0, false, 0x12}, {2, 1, true, 0x22}};
  for (const Case& c : cases) {
    DtmfSettings s = DecodeDtmfSettings(all);
    s.pttId = c.pttId;
    s.stunType = c.stunType;
    s.sideTone = c.sideTone;
    EncodeDtmfSettings(all, s);
    EXPECT_EQ(all.Radio(kDtmfModeAddress), c.mode);
    const DtmfSettings back = DecodeDtmfSettings(all);
    EXPECT_EQ(back.pttId, c.pttId);
    EXPECT_EQ(back.stunType, c.stunType);
    EXPECT_EQ(back.sideTone, c.sideTone);
  }
  EXPECT_TRUE(BeginOfTxEnabled(0) && !EndOfTxEnabled(0));
  EXPECT_TRUE(!BeginOfTxEnabled(1) && EndOfTxEnabled(1));
  EXPECT_TRUE(BeginOfTxEnabled(2) && EndOfTxEnabled(2));
}

TEST_F(SettingsDtmf, CodesArePackedTwoANibble) {
  struct Case {
    const char* code;
    std::uint8_t length, b0, b1, b2;  // bytes at 0x140-0x142, starting from 12 34 56
  } cases[] = {
      {"12A#", 4, 0x12, 0xAE, 0x56},
      {"123", 3, 0x12, 0x34, 0x56},   // only the high nibble of 0x141 changes (to 3)
      {"7", 1, 0x72, 0x34, 0x56},
      {"12", 2, 0x12, 0x34, 0x56},    // shortening leaves the bytes beyond
      {"*D0B9", 5, 0xFD, 0x0B, 0x96},
      {"", 0, 0x12, 0x34, 0x56},
      {"1x", 2, 0x10, 0x34, 0x56},    // a foreign character is stored as 0
  };
  for (const Case& c : cases) {
    plug.NewCodePlug();
    EncodeDtmfCode(all, kBeginOfTxCode, c.code);
    EXPECT_EQ(all.Radio(0x136), c.length) << c.code;
    EXPECT_EQ(all.Radio(0x140), c.b0) << c.code;
    EXPECT_EQ(all.Radio(0x141), c.b1) << c.code;
    EXPECT_EQ(all.Radio(0x142), c.b2) << c.code;
  }
  EncodeDtmfCode(all, kBeginOfTxCode, "12a#");
  EXPECT_EQ(DecodeDtmfCode(all, kBeginOfTxCode), "12A#");
}

TEST_F(SettingsDtmf, CodesStayInsideTheirArea) {
  // A stun code longer than its 5 bytes is cut, so it never reaches 0x13E.
  EncodeDtmfCode(all, kStunCode, "123456789012");
  EXPECT_EQ(all.Radio(0x138), 10);
  EXPECT_EQ(all.Radio(0x13E), 0xFF);
  EXPECT_EQ(DecodeDtmfCode(all, kStunCode), "1234567890");
  // A length byte beyond the room (an image that skipped the clamps) reads as the room.
  all.Radio(0x137) = 200;
  EXPECT_EQ(DecodeDtmfCode(all, kEndOfTxCode).size(), 16u);
}

TEST_F(SettingsDtmf, KeyFilterCharacters) {
  for (char c : std::string("0123456789ABCDabcd#*")) EXPECT_TRUE(IsDtmfCharacter(c)) << c;
  for (char c : std::string("EeXx .-")) EXPECT_FALSE(IsDtmfCharacter(c)) << c;
}

}  // namespace
}  // namespace kx7q
