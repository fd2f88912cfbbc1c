// The channel record codec: frequency fields, tone words, flags and the
// per-field encoder with its side effects on the record.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "channels/ChannelCodec.h"
#include "channels/ChannelColumns.h"
#include "channels/DecimalText.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes RecordOf(const TALL& all, int n) {
  const std::uint8_t* r = all.RadioPtr(ChannelAddress(n));
  return Bytes(r, r + kChannelRecordSize);
}

void PutRecord(TALL& all, int n, const Bytes& bytes) {
  std::copy(bytes.begin(), bytes.end(), all.RadioPtr(ChannelAddress(n)));
}

TEST(ChannelCodecDecimal, ScalesOnTheDigitsAsWritten) {
  struct Case {
    const char* text;
    int shift;
    std::optional<long long> value;
  } cases[] = {
      {"462.5631", 5, 46256310}, {"0.125", 2, 13},   {"0.124999", 2, 12}, {"67.", 1, 670}, {".5", 1, 5},
      {" 12 ", 0, 12},           {"-1.25", 1, -13},  {"1..2", 1, std::nullopt},           {"", 1, std::nullopt},
      {".", 1, std::nullopt},    {"1e3", 0, std::nullopt}, {"12a", 0, std::nullopt},
      {"99999999999999999999", 0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ScaledDecimal(c.text, c.shift), c.value) << c.text;
  EXPECT_EQ(FormatScaled(1, 5), "0.00001");
  EXPECT_EQ(FormatScaled(-5, 1), "-0.5");
  EXPECT_EQ(FormatScaled(46256250, 5), "462.56250");
  EXPECT_EQ(FormatScaled(7, 0), "7");
}

TEST(ChannelCodecFrequency, DecodesBcdOrAbsent) {
  struct Case {
    std::array<std::uint8_t, 4> bytes;
    double mhz;  // -1: absent
  } cases[] = {
      {{0x50, 0x62, 0x25, 0x46}, 462.5625},
      {{0x00, 0x00, 0x00, 0x00}, 0.0},
      {{0x99, 0x99, 0x99, 0x99}, 999.99999},
      {{0xFF, 0xFF, 0xFF, 0xFF}, -1},
      {{0x44, 0x0A, 0x25, 0x46}, -1},  // one nibble A
      {{0x50, 0x62, 0x25, 0xA6}, -1},  // high nibble of the last byte
  };
  for (const Case& c : cases) {
    std::optional<double> got = DecodeFrequency(c.bytes.data());
    if (c.mhz < 0)
      EXPECT_FALSE(got) << c.mhz;
    else
      EXPECT_DOUBLE_EQ(got.value_or(-99), c.mhz);
  }
}

TEST(ChannelCodecFrequency, EncodesTextRoundingToTenHertz) {
  struct Case {
    const char* text;
    std::array<std::uint8_t, 4> bytes;
  } cases[] = {
      {"462.5625", {0x50, 0x62, 0x25, 0x46}},
      {"462.5625MHz", {0x50, 0x62, 0x25, 0x46}},
      {"462.56250", {0x50, 0x62, 0x25, 0x46}},
      {"", {0xFF, 0xFF, 0xFF, 0xFF}},
      {"MHz", {0xFF, 0xFF, 0xFF, 0xFF}},
      {"146.512505", {0x51, 0x12, 0x65, 0x14}},  // half a step rounds up
      {"146.512504", {0x50, 0x12, 0x65, 0x14}},
      {"400", {0x00, 0x00, 0x00, 0x40}},
      {"999.99999", {0x99, 0x99, 0x99, 0x99}},
  };
  for (const Case& c : cases) {
    std::optional<FrequencyBytes> got = EncodeFrequency(c.text);
    ASSERT_TRUE(got) << c.text;
    EXPECT_EQ(*got, (FrequencyBytes{c.bytes[0], c.bytes[1], c.bytes[2], c.bytes[3]})) << c.text;
  }
}

TEST(ChannelCodecFrequency, RefusesTextsTheFieldCannotHold) {
  for (const char* text : {"abc", "1.2.3", "-5", "1000", "999.999995", "4e2"})
    EXPECT_FALSE(EncodeFrequency(text)) << text;
}

TEST(ChannelCodecTone, DecodesEveryKindOfWord) {
  struct Case {
    std::uint8_t first, second;
    const char* text;
  } cases[] = {
      {0xFF, 0xFF, ""},
      {0x70, 0x06, "67.0"},
      {0x41, 0x25, "254.1"},
      {0x00, 0x00, "0.0"},
      {0x23, 0x80, "D023N"},
      {0x54, 0xC7, "D754I"},
      {0xBC, 0x8A, "DABCN"},  // the polarity nibble is read before the digit test
      {0x70, 0x0A, ""},       // 0x0A70: a letter, no tone
      {0xFF, 0x00, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeTone(c.first, c.second), c.text) << c.text;
}

TEST(ChannelCodecTone, EncodesCtcssAndDcsTexts) {
  struct Case {
    const char* text;
    std::uint8_t first, second;
  } cases[] = {
      {"67.0", 0x70, 0x06},   {"67", 0x70, 0x06},     {"67.0Hz", 0x70, 0x06}, {"254.1", 0x41, 0x25},
      {"67.05", 0x71, 0x06},  {"D023N", 0x23, 0x80},  {"D023n", 0x23, 0x80},  {"D023i", 0x23, 0xC0},
      {"D754I", 0x54, 0xC7},  {"DABCN", 0xBC, 0x8A},  {"", 0xFF, 0xFF},       {"Hz", 0xFF, 0xFF},
  };
  for (const Case& c : cases) {
    std::optional<ToneBytes> got = EncodeTone(c.text);
    ASSERT_TRUE(got) << c.text;
    EXPECT_EQ(*got, (ToneBytes{c.first, c.second})) << c.text;
  }
  for (const char* bad : {"D023", "D023X", "D02GN", "abc", "1000.0", "-1"}) EXPECT_FALSE(EncodeTone(bad)) << bad;
}

TEST(ChannelCodecDecode, SplitsARecordIntoTheChannelFields) {
  const std::uint8_t record[16] = {0x50, 0x62, 0x25, 0x46, 0x00, 0x00, 0x50, 0x44, 0x70, 0x06,
                                   0x23, 0x80, 0b10100101, 0xFF, 0xFF, 0xFF};
  TChannel ch;
  ASSERT_TRUE(DecodeChannel(record, ch));
  EXPECT_DOUBLE_EQ(ch.RxFreq, 462.5625);
  EXPECT_DOUBLE_EQ(ch.TxFreq, 445.0);
  EXPECT_EQ(ch.RxTone, "67.0");
  EXPECT_EQ(ch.TxTone, "D023N");
  EXPECT_EQ(ch.Power, 1);
  EXPECT_EQ(ch.Epilogue, 0);
  EXPECT_EQ(ch.BusyLock, 1);
  EXPECT_EQ(ch.WideNarrow, 0);
  EXPECT_EQ(ch.ScanAdd, 0);
  EXPECT_EQ(ch.Compander, 1);
  EXPECT_EQ(ch.Scrambler, 0);
  EXPECT_EQ(ch.PttId, 1);
}

TEST(ChannelCodecDecode, EmptyAndTxLessChannels) {
  TChannel ch;
  std::uint8_t erased[16];
  std::fill(std::begin(erased), std::end(erased), 0xFF);
  EXPECT_FALSE(DecodeChannel(erased, ch));
  EXPECT_EQ(ch.RxFreq, -1);

  const std::uint8_t nibbleA[16] = {0x44, 0x0A, 0x25, 0x46, 0x50, 0x62, 0x25, 0x46, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_FALSE(DecodeChannel(nibbleA, ch));

  const std::uint8_t noTx[16] = {0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF,
                                 0xFF, 0xFF, 0x70, 0x06, 0xF7, 0xFF, 0xFF, 0xFF};
  ASSERT_TRUE(DecodeChannel(noTx, ch));
  EXPECT_EQ(ch.TxFreq, -1);
  EXPECT_EQ(ch.TxTone, "67.0");  // decoded as stored
}

class ChannelCodecEncode : public ::testing::Test {
 protected:
  test::CodePlugFixture plug;
  TALL& all = plug.all;
  const Bytes programmed = {0x50, 0x62, 0x25, 0x46, 0x50, 0x62, 0x25, 0x46,
                            0x70, 0x06, 0x23, 0x80, 0x00, 0x11, 0x22, 0x33};
};

TEST_F(ChannelCodecEncode, EmptyRxErasesTheWholeRecord) {
  PutRecord(all, 3, programmed);
  const std::uint8_t before2 = all.Radio(0x02F), before4 = all.Radio(0x040);
  EXPECT_TRUE(EncodeChannelField(all, 3, ChannelField::RxFreq, ""));
  EXPECT_EQ(RecordOf(all, 3), Bytes(16, 0xFF));
  EXPECT_EQ(all.Radio(0x02F), before2);
  EXPECT_EQ(all.Radio(0x040), before4);
}

TEST_F(ChannelCodecEncode, EmptyTxClearsTxAndEncodeToneOnly) {
  PutRecord(all, 1, programmed);
  EXPECT_TRUE(EncodeChannelField(all, 1, ChannelField::TxFreq, ""));
  EXPECT_EQ(RecordOf(all, 1), (Bytes{0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF,
                                     0x70, 0x06, 0xFF, 0xFF, 0x00, 0x11, 0x22, 0x33}));
}

TEST_F(ChannelCodecEncode, FieldsWriteOnlyTheirOwnBytes) {
  struct Case {
    ChannelField field;
    const char* text;
    int offset;
    Bytes bytes;
  } cases[] = {
      {ChannelField::RxFreq, "146.5125", 0, {0x50, 0x12, 0x65, 0x14}},
      {ChannelField::TxFreq, "146.5125MHz", 4, {0x50, 0x12, 0x65, 0x14}},
      {ChannelField::RxTone, "D023i", 8, {0x23, 0xC0}},
      {ChannelField::TxTone, "", 10, {0xFF, 0xFF}},
  };
  for (const Case& c : cases) {
    PutRecord(all, 16, programmed);
    ASSERT_TRUE(EncodeChannelField(all, 16, c.field, c.text)) << c.text;
    Bytes expected = programmed;
    std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + c.offset);
    EXPECT_EQ(RecordOf(all, 16), expected) << c.text;
  }
}

TEST_F(ChannelCodecEncode, OnlyTheTextOneSetsAFlag) {
  const struct {
    ChannelField field;
    int bit;
  } flags[] = {{ChannelField::Power, 0},     {ChannelField::Epilogue, 1}, {ChannelField::BusyLock, 2},
               {ChannelField::WideNarrow, 3}, {ChannelField::ScanAdd, 4}, {ChannelField::Compander, 5},
               {ChannelField::Scrambler, 6}, {ChannelField::PttId, 7}};
  for (const auto& f : flags) {
    all.Radio(ChannelAddress(2) + 12) = 0x00;
    EncodeChannelField(all, 2, f.field, "1");
    EXPECT_EQ(all.Radio(ChannelAddress(2) + 12), 1u << f.bit);
    for (const char* clearing : {"0", "-1", "", "yes"}) {
      all.Radio(ChannelAddress(2) + 12) = 0xFF;
      EncodeChannelField(all, 2, f.field, clearing);
      EXPECT_EQ(all.Radio(ChannelAddress(2) + 12), 0xFF & ~(1u << f.bit)) << clearing;
    }
  }
}

TEST_F(ChannelCodecEncode, AnUnencodableTextWritesNothing) {
  PutRecord(all, 5, programmed);
  const ImageBytes before = all.Image;
  EXPECT_FALSE(EncodeChannelField(all, 5, ChannelField::RxFreq, "1.2.3"));
  EXPECT_FALSE(EncodeChannelField(all, 5, ChannelField::TxFreq, "2000"));
  EXPECT_FALSE(EncodeChannelField(all, 5, ChannelField::TxTone, "D0"));
  EXPECT_EQ(all.Image, before);
}

// Decoding every channel and writing each field back from its decoded text
// leaves every programmed record byte for byte as it was.
TEST(ChannelCodecProperty, DecodeThenEncodeKeepsProgrammedRecords) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> digit(0, 9), byte(0, 255);
  for (int round = 0; round < 200; ++round) {
    TALL all;
    for (auto& b : all.Image) b = static_cast<std::uint8_t>(byte(random));
    for (int n = 1; n <= kMaxChannels; ++n) {  // make most channels programmed
      std::uint8_t* r = all.RadioPtr(ChannelAddress(n));
      for (int i = 0; i < 8; ++i) r[i] = static_cast<std::uint8_t>(digit(random) << 4 | digit(random));
    }
    const ImageBytes before = all.Image;
    for (int n = 1; n <= kMaxChannels; ++n) {
      TChannel ch;
      if (!DecodeChannel(all, n, ch)) continue;
      for (const ChannelColumn& column : ChannelColumns()) {
        if (!column.hasField) continue;
        std::string text = column.list ? std::to_string(FlagValue(ch, column.field)) : ChannelCellText(ch, column);
        if (column.field == ChannelField::RxTone || column.field == ChannelField::TxTone) {
          // A word with letters and no polarity nibble reads as no tone; such
          // a word has no text to write back.
          if (text.empty()) continue;
        }
        ASSERT_TRUE(EncodeChannelField(all, n, column.field, text)) << text;
      }
    }
    ASSERT_EQ(all.Image, before) << "round " << round;
  }
}

}  // namespace
}  // namespace kx7q
