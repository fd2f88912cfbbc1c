// The new-code-plug image, the clamps, bit helpers and date stamps.
#include <gtest/gtest.h>

#include <map>

#include "core/Bits.h"
#include "core/ImageDefaults.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

using test::CodePlugFixture;

TEST(CoreImage, NewCodePlugHoldsExactlyTheDefaultBytes) {
  CodePlugFixture f;
  // Every radio byte is 0xFF except these.
  const std::map<int, std::uint8_t> expected = {
      {0x121, 5},    {0x122, 12},   {0x123, 9},    {0x124, 1},    {0x126, 0},    {0x127, 12},
      {0x128, 2},    {0x129, 4},    {0x12C, 0xC0}, {0x12D, 0x0D}, {0x12E, 0xE0}, {0x12F, 0x10},
      {0x132, 2},    {0x133, 0},    {0x134, 0},    {0x135, 0xF0}, {0x136, 6},    {0x137, 0},
      {0x138, 0},    {0x140, 0x12}, {0x141, 0x34}, {0x142, 0x56}, {0x170, 0x50}, {0x171, 'Q'},
      {0x172, 'M'},  {0x173, 'V'},  {0x174, '4'},  {0x175, 243},  {0x176, 0},    {0x177, 0},
      // 2010-05-06 12:34:56 in both date stamps
      {0x190, 0xDA}, {0x191, 0x07}, {0x192, 5},    {0x193, 6},    {0x194, 12},   {0x195, 34},  {0x196, 56},
      {0x1A0, 0xDA}, {0x1A1, 0x07}, {0x1A2, 5},    {0x1A3, 6},    {0x1A4, 12},   {0x1A5, 34},  {0x1A6, 56},
  };
  for (int address = 0; address < kRadioSize; ++address) {
    const auto it = expected.find(address);
    const std::uint8_t want = it == expected.end() ? 0xFF : it->second;
    EXPECT_EQ(f.all.Radio(address), want) << "radio address 0x" << std::hex << address;
  }
}

TEST(CoreImage, NewCodePlugKeepsIdentificationAndExtraBlocks) {
  CodePlugFixture f;
  for (int i = 0; i < 16; ++i) {
    f.all.Image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0x30 + i);
    f.all.Image[static_cast<std::size_t>(kExtraOffset + i)] = static_cast<std::uint8_t>(0x80 + i);
  }
  f.all.SetNewPassword = true;
  const ImageBytes before = f.all.Image;
  f.NewCodePlug();
  f.NewCodePlug();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(f.all.Image[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]);
    EXPECT_EQ(f.all.Image[static_cast<std::size_t>(kExtraOffset + i)], before[static_cast<std::size_t>(kExtraOffset + i)]);
  }
  EXPECT_FALSE(f.all.SetNewPassword);
}

TEST(CoreImage, ModelIdentFollowsBand) {
  CodePlugFixture f;
  f.all.BandText = "134 - 174MHz";
  f.NewCodePlug();
  const std::uint8_t want[8] = {0x50, 'Q', 'M', 'V', '4', 0xF0, 0x00, 0x00};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(f.all.Radio(0x170 + i), want[i]);
}

TEST(CoreImage, ClampByte) {
  EXPECT_EQ(ClampByte(31, 0, 30, 12), 12);
  EXPECT_EQ(ClampByte(30, 0, 30, 12), 30);
  EXPECT_EQ(ClampByte(0xFF, 0, 9, 5), 5);
  EXPECT_EQ(ClampByte(0, 0, 9, 5), 0);
}

struct ByteClampCase {
  int address;
  std::uint8_t highestKept;
  std::uint8_t fallback;
};

TEST(CoreImage, EachClampedByteKeepsItsRangeAndRepairsTheRest) {
  const ByteClampCase cases[] = {
      {0x121, 9, 5}, {0x122, 30, 12}, {0x123, 17, 9}, {0x124, 5, 1},  {0x126, 8, 0},  {0x127, 27, 12},
      {0x128, 5, 2}, {0x129, 5, 4},   {0x132, 11, 2}, {0x133, 20, 0}, {0x134, 18, 0}, {0x136, 16, 0},
      {0x137, 16, 0}, {0x138, 10, 0},
  };
  for (const auto& c : cases) {
    CodePlugFixture f;
    f.all.Radio(c.address) = c.highestKept;
    ClampImage(f.all, f.bands);
    EXPECT_EQ(f.all.Radio(c.address), c.highestKept) << std::hex << c.address;
    f.all.Radio(c.address) = static_cast<std::uint8_t>(c.highestKept + 1);
    ClampImage(f.all, f.bands);
    EXPECT_EQ(f.all.Radio(c.address), c.fallback) << std::hex << c.address;
  }
}

TEST(CoreImage, PttIdModeNibbleIsClampedAndUpperBitsKept) {
  const std::pair<std::uint8_t, std::uint8_t> cases[] = {{0x22, 0x22}, {0x23, 0x20}, {0x35, 0x30}, {0xFF, 0xF0}, {0x00, 0x00}};
  for (const auto& [in, out] : cases) {
    CodePlugFixture f;
    f.all.Radio(0x135) = in;
    ClampImage(f.all, f.bands);
    EXPECT_EQ(f.all.Radio(0x135), out) << std::hex << int(in);
  }
}

TEST(CoreImage, FmBoundsAreKeptOnlyWhenBothLieIn70To114MHzInOrder) {
  struct Case {
    int lower, upper;
    bool kept;
  };
  const Case cases[] = {
      {3520, 4320, true},  // 88.000-108.000
      {2800, 4560, true},  // 70.000-114.000
      {3600, 3600, false}, // equal
      {2799, 4000, false},
      {3000, 4561, false},
      {4000, 3600, false}, // 100.000-90.000
      {0xFFFF, 0xFFFF, false},
  };
  for (const auto& c : cases) {
    CodePlugFixture f;
    f.all.Radio(0x12C) = c.lower & 0xFF;
    f.all.Radio(0x12D) = (c.lower >> 8) & 0xFF;
    f.all.Radio(0x12E) = c.upper & 0xFF;
    f.all.Radio(0x12F) = (c.upper >> 8) & 0xFF;
    ClampImage(f.all, f.bands);
    const int lower = f.all.Radio(0x12C) | (f.all.Radio(0x12D) << 8);
    const int upper = f.all.Radio(0x12E) | (f.all.Radio(0x12F) << 8);
    if (c.kept) {
      EXPECT_EQ(lower, c.lower);
      EXPECT_EQ(upper, c.upper);
    } else {
      EXPECT_EQ(lower, 3520) << c.lower << "-" << c.upper;
      EXPECT_EQ(upper, 4320) << c.lower << "-" << c.upper;
    }
  }
}

TEST(CoreImage, ClampRewritesFillerAndBandCode) {
  CodePlugFixture f;
  f.all.Radio(0x13E) = 1;
  f.all.Radio(0x13F) = 2;
  f.all.Radio(0x175) = 0x00;
  f.all.BandText = "200 - 260MHz";
  ClampImage(f.all, f.bands);
  EXPECT_EQ(f.all.Radio(0x13E), 0xFF);
  EXPECT_EQ(f.all.Radio(0x13F), 0xFF);
  EXPECT_EQ(f.all.Radio(0x175), 241);
}

TEST(CoreImage, DateStampEncodesFixedPositionsAndLeavesTheRest) {
  std::uint8_t block[16];
  for (auto& b : block) b = 0xAA;
  EncodeDateStamp(block, "2010-05-06 12:34:56");
  const std::uint8_t want[7] = {0xDA, 0x07, 0x05, 0x06, 0x0C, 0x22, 0x38};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(block[i], want[i]);
  for (int i = 7; i < 16; ++i) EXPECT_EQ(block[i], 0xAA);
}

TEST(CoreImage, BitHelpers) {
  std::uint8_t b = 0b1010'0001;
  EXPECT_TRUE(BitIsSet(b, 0));
  EXPECT_TRUE(BitIsClear(b, 1));
  EXPECT_TRUE(BitIsSet(b, 7));
  SetBit(b, 1, true);
  SetBit(b, 7, false);
  EXPECT_EQ(b, 0b0010'0011);
  SetBit(b, 1, true);  // already set: unchanged
  EXPECT_EQ(b, 0b0010'0011);
}

TEST(CoreImageDeath, BitNumbersOutside0To7AreProgrammingErrors) {
#ifndef NDEBUG
  std::uint8_t b = 0;
  EXPECT_DEATH(SetBit(b, 8, true), "");
  EXPECT_DEATH(BitIsSet(b, -1), "");
#else
  GTEST_SKIP() << "assertions are compiled out";
#endif
}

}  // namespace
}  // namespace kx7q
